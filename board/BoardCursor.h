// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class Board;
class Chip;

// The six ways to a neighbouring cell of the hexagonal board, as the player sees them, and Up
// and Down, which the arrow keys give.
enum class HexDirection { Left, Right, UpLeft, UpRight, DownLeft, DownRight, Up, Down };

// The cell the keyboard is on, for players who build a chain without a pointer. Up and Down
// zig-zag between the two cells above or below, so that pressing one of them repeatedly stays in
// the same column on screen.
class BoardCursor {
public:
    // Starts in the middle of the bottom row of `board`.
    explicit BoardCursor(const Board& board);

    // Moves one cell that way; at an edge it stays. Returns whether it moved.
    bool Move(const Board& board, HexDirection direction);
    // The cell under the cursor on `board`.
    Chip* Cell(Board& board) const;
    std::int32_t Row() const { return row; }
    std::int32_t Column() const { return column; }

private:
    std::int32_t row = 0;
    std::int32_t column = 0;
};
