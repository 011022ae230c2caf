// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/TileFaces.h"

#include "glimform/Colours.h"
#include "settings/Utils.h"

#include <QPainter>

#include <algorithm>

QRgb TileFaces::FaceColour(std::uint32_t value, bool colourBlindSafe)
{
    if (colourBlindSafe) {
        const int step = static_cast<int>(std::clamp<std::uint32_t>(value, 1, 9) - 1);
        const auto towards = [step](int end) { return 255 + (end - 255) * step / 8; };
        return qRgb(towards(250), towards(160), towards(60));
    }
    // Unsigned like the tile values: value 0 wraps to a large step and gives yellow too.
    const std::uint32_t step = (value - 1u) * 32u;
    const std::uint32_t blue = 255u - std::min<std::uint32_t>(255u, step);
    return qRgb(255, 255, static_cast<int>(blue));
}

QImage& TileFaces::Face(std::uint32_t value, QSize pixelSize, std::uint32_t boardColour, bool colourBlindSafe)
{
    if (pixelSize != faceCacheSize || colourBlindSafe != faceCacheSafe) {
        faces = {};
        faceCacheSize = pixelSize;
        faceCacheSafe = colourBlindSafe;
    }
    QImage& face = faces[std::min(value, slotCount - 1)];
    if (!face.isNull() || pixelSize.width() < 1 || pixelSize.height() < 1) {
        return face;
    }

    const int w4 = 4 * pixelSize.width();
    const int h4 = 4 * pixelSize.height();
    QImage large(w4, h4, QImage::Format_RGB888);
    large.fill(BgrColour(boardColour));
    {
        QPainter painter(&large);
        const int p = (w4 + h4) / 48;
        const int q = (p + 1) / 2 + 2;
        painter.setPen(QPen(Qt::black, p));
        painter.setBrush(QColor::fromRgb(FaceColour(value, colourBlindSafe)));
        painter.drawEllipse(QRect(q, q, w4 - 2 * q, h4 - 2 * q));
    }
    QImage small(pixelSize, QImage::Format_RGB888);
    ShrinkBitmap(large, small);

    // Colour-keyed transparency: whatever still has the corner's colour is board, not face.
    face = small.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb corner = face.pixel(0, 0);
    for (int y = 0; y < face.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
        std::replace(row, row + face.width(), corner, QRgb{0});
    }
    return face;
}
