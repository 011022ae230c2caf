#pragma once

#include "board/Board.h"

#include <initializer_list>
#include <string>
#include <vector>

using Changed = std::vector<Chip*>;

// Puts an unselected tile at (row, column) of a test board.
inline Chip* PutTile(Board& board, int row, int column, const std::string& letter = "E", unsigned value = 2)
{
    Chip* chip = board.Cell(row, column);
    chip->Set(letter, value);
    return chip;
}

// Clicks the tiles in order; returns the chain's text after the last.
inline std::string SelectAll(Board& board, std::initializer_list<Chip*> tiles)
{
    Changed ignored;
    std::string text;
    for (Chip* tile : tiles)
        text = board.Select(tile, false, ignored);
    return text;
}

inline int CountTiles(const Board& board)
{
    int count = 0;
    for (int r = 0; r < static_cast<int>(board.Rows()); ++r)
        for (int c = 0; c < static_cast<int>(board.Columns()); ++c)
            count += board.Cell(r, c)->IsOccupied() ? 1 : 0;
    return count;
}
