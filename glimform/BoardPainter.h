// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "glimform/TileFaces.h"

#include <QColor>
#include <QPoint>
#include <QStaticText>
#include <QString>

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

class Board;
class Chip;
class QPainter;
class QRect;
struct BoardRect;

// Draws boards in the game's look: the green background, the bevelled frame, the round tiles
// with letter and value, and the chain's red line. It knows no window; callers give it the
// board position of their canvas. Keeps the tile faces of the last tile size drawn.
class BoardPainter {
public:
    // Colours in 0x00BBGGRR form.
    static constexpr std::uint32_t backgroundColour = 0xF0CAA6;
    static constexpr std::uint32_t boardColour = 0x569C56;
    static constexpr std::uint32_t selectionColour = 0x4040FF;
    static constexpr std::uint32_t missedColour = 0xE0A000;  // sky blue, unlike the chain's red
    // The chain for colour-blind players: navy, which stands out from the green board by its
    // lightness for every kind of colour blindness, edged with white.
    static constexpr std::uint32_t safeChainColour = 0x5A0000;
    static constexpr std::uint32_t safeEdgeColour = 0xFFFFFF;
    static constexpr std::uint32_t frameShadowColour = 0xBD9773;
    static constexpr std::uint32_t frameLightColour = 0xFFFDD9;

    // Letters and values in `ink`, in Verdana where the system has it, else Arial.
    explicit BoardPainter(QColor ink);

    // Draws in the colours for colour-blind players from now on, or in the designed ones again.
    void SetColourBlindSafe(bool safe) { colourBlindSafe = safe; }
    // Fills `strips` vertical strips, each stripWidth wide and `height` high, from topLeft, with
    // the board colour.
    void PaintBoardBackground(QPainter& canvas, int strips, int stripWidth, QPoint topLeft, int height) const;
    // Two bevels of three rings around `inside`: sunken just outside it, raised around that.
    void PaintFrame(QPainter& canvas, const QRect& inside) const;
    // Draws the given cells of `board` (occupied ones as faces with letter and value; the
    // chain's red line through the centres in chain order, and the missed word's blue one), with
    // board coordinate (0,0) at `origin`. Each cell is drawn whole, with what its neighbours reach
    // into it, so a cell drawn alone matches the whole board. The letters and values of the tiles
    // a line runs through are drawn over it, edged in their face's colour so that they stay
    // readable. In the colour-blind colours the chain is navy edged in white, and its tiles are
    // ringed.
    void PaintTileSet(QPainter& canvas, const Board& board, const std::vector<Chip*>& cells,
                      const std::vector<Chip*>& chain, QPoint origin, const std::vector<Chip*>& missed = {});

private:
    // The cached face of the tile's value at its rectangle's size, in device pixels for `ratio`.
    const QImage& TileFace(const Chip& tile, const BoardRect& rect, qreal ratio);
    // A letter or value laid out once in `font` and kept: a board draws each value up to three
    // times (tiles reach into the cells below) and laying out text is most of a board's cost.
    struct LaidOutText {
        QStaticText text;
        int width = 0;
    };
    const LaidOutText& Text(const QString& text, const QFont& font);

    QColor ink;
    QString tileFontName;
    bool colourBlindSafe = false;
    TileFaces faceCache;
    std::map<std::tuple<QString, int, bool>, LaidOutText> textCache;  // by text, pixel size, boldness
};
