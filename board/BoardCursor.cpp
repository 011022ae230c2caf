// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardCursor.h"

#include "board/Board.h"

BoardCursor::BoardCursor(const Board& board)
{
    // Bottom-row cells use the even half-tile columns.
    column = static_cast<std::int32_t>(board.Columns() / 2) & ~1;
}

bool BoardCursor::Move(const Board& board, HexDirection direction)
{
    // Up and Down lean right from even rows and left from odd ones: a straight column on screen,
    // and a cell of the next row at either side edge, since odd rows sit half a tile to the right.
    const std::int32_t lean = (row % 2 == 0) ? 1 : -1;
    std::int32_t dr = 0;
    std::int32_t dc = 0;
    switch (direction) {
    case HexDirection::Left:
        dc = -2;
        break;
    case HexDirection::Right:
        dc = 2;
        break;
    case HexDirection::UpLeft:
        dr = 1, dc = -1;
        break;
    case HexDirection::UpRight:
        dr = 1, dc = 1;
        break;
    case HexDirection::DownLeft:
        dr = -1, dc = -1;
        break;
    case HexDirection::DownRight:
        dr = -1, dc = 1;
        break;
    case HexDirection::Up:
        dr = 1, dc = lean;
        break;
    case HexDirection::Down:
        dr = -1, dc = lean;
        break;
    }
    if (board.Cell(row + dr, column + dc) == nullptr) {
        return false;
    }
    row += dr;
    column += dc;
    return true;
}

Chip* BoardCursor::Cell(Board& board) const
{
    return board.Cell(row, column);
}
