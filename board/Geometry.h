// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Pixel rectangle and point in board coordinates: x from the board's left edge,
// y = 0 at the bottom edge of row 0 and negative upward.
struct BoardRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const BoardRect&, const BoardRect&) = default;
};

struct BoardPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const BoardPoint&, const BoardPoint&) = default;
};
