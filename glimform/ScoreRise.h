// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Geometry.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <vector>

class Board;
class Chip;
class QPainter;
class QPoint;

// An entered word's value rising from where the word was and fading away, a frame a tick, over
// about 0.6 s. It knows where its text stands on the board, in board coordinates, so that each
// frame repaints only the cells the text left and the cells it covers now.
class ScoreRise {
public:
    static constexpr int frames = 20;
    static constexpr int frameMilliseconds = 30;
    // Deep blue, which reads on the pale tiles and on the green board alike.
    static constexpr QColor textColour{20, 60, 200};

    // Starts the rise of `value` centred on `from`; a high word's value is drawn larger.
    void Start(BoardPoint from, std::uint32_t value, bool high, std::int32_t tileHeight);
    bool Running() const { return frame < frames; }
    // Moves to the next frame, and returns the cells whose look changed: those under the text
    // before and after the move (none once the rise is over and its last cells are returned).
    std::vector<Chip*> Step(Board& board);
    // Draws the text at its place, fading; `origin` is the board's origin in the canvas.
    void Draw(QPainter& canvas, QPoint origin) const;

private:
    BoardRect TextRect() const;
    std::vector<Chip*> CellsUnder(Board& board, const BoardRect& area) const;

    BoardPoint from{0, 0};
    QString text;
    std::int32_t pixelSize = 0;
    std::int32_t rise = 0;
    int frame = frames;
};
