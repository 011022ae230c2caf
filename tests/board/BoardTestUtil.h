#pragma once

#include "board/Board.h"

#include <string>
#include <vector>

// Puts an unselected tile at (row, column) of a test board.
inline Chip* PutTile(Board& board, int row, int column, const std::string& letter = "E", unsigned value = 2)
{
    Chip* chip = board.Cell(row, column);
    chip->Set(letter, value);
    return chip;
}

inline int CountTiles(const Board& board)
{
    int count = 0;
    for (int r = 0; r < static_cast<int>(board.Rows()); ++r) {
        for (int c = 0; c < static_cast<int>(board.Columns()); ++c) {
            count += board.Cell(r, c)->IsOccupied() ? 1 : 0;
        }
    }
    return count;
}
