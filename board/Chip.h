// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Geometry.h"

#include <cstdint>
#include <string>
#include <string_view>

class Board;

// One cell of the board and the round letter tile it may hold. The board creates and owns
// every Chip; a falling tile is copied into the cell below, never moved as an object.
class Chip {
public:
    Chip() = default;

    // Fixes the cell's position; only the owning board calls this, once, while building its grid.
    void Place(Board* owner, std::int32_t row, std::int32_t column);

    // Replaces the tile: the given letters (empty for no tile) and value, always unselected.
    void Set(std::string_view letter, std::uint32_t value);
    void ToggleSelected() { selected = !selected; }
    // Moves the source's tile into this cell and empties the source; both end unselected.
    void TakeFrom(Chip& source);

    bool IsOccupied() const { return !letter.empty(); }
    bool IsSelected() const { return selected; }
    const std::string& Letter() const { return letter; }
    std::uint32_t Value() const { return value; }
    std::int32_t Row() const { return row; }
    std::int32_t Column() const { return column; }
    // The cell's square in board coordinates, from the owner's current tile geometry.
    BoardRect Rect() const;
    BoardPoint Centre() const;

private:
    Board* owner = nullptr;
    std::int32_t row = -1;
    std::int32_t column = -1;
    std::string letter;
    std::uint32_t value = 0;
    bool selected = false;
};
