// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>

// The round tile faces, one per tile value, for one tile size in device pixels. Faces are drawn
// at four times the size and reduced, which smooths their edge against the board colour; the
// pixels of the board colour itself are transparent, so only the round face covers what lies
// beneath.
class TileFaces {
public:
    static constexpr std::uint32_t slotCount = 32;

    // The face for `value` at `pixelSize` in the designed or the colour-blind-safe colours; a new
    // size or scale empties the cache first. Values beyond the last slot share it. An empty image
    // for a size below one pixel.
    QImage& Face(std::uint32_t value, QSize pixelSize, std::uint32_t boardColour, bool colourBlindSafe = false);

    // Designed: RGB (255, 255, c), c = 255 - min(255, (value - 1) * 32): white for 1, yellow
    // from 9. Colour-blind-safe: white for 1 to orange (250, 160, 60) from 9, in even steps,
    // which grow darker in the same order for every kind of colour blindness.
    static QRgb FaceColour(std::uint32_t value, bool colourBlindSafe = false);

    std::array<QImage, slotCount> faces;
    QSize faceCacheSize{0, 0};
    bool faceCacheSafe = false;
};
