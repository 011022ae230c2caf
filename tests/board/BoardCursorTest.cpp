// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's cursor on the hexagonal board: every direction, and the edges it stops at.
#include "board/Board.h"
#include "board/BoardCursor.h"
#include "board/GameRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Cell = std::pair<int, int>;  // row, half-tile column

}  // namespace

TEST(BoardCursor, MovesToEachNeighbourAndStopsAtTheEdges)
{
    GameRandom random(7);
    const Board board(12, 9, random);  // half-tile columns 0 to 17
    using D = HexDirection;
    // Each walk's keys, and where each key leaves the cursor.
    const std::tuple<std::string, std::vector<HexDirection>, std::vector<Cell>> walks[] = {
        {"starts mid-bottom; Left and Right step two half-tiles",
         {D::Left, D::Right, D::Right},
         {{0, 6}, {0, 8}, {0, 10}}},
        {"Up and Down zig-zag in one column",
         {D::Up, D::Up, D::Up, D::Down, D::Down},
         {{1, 9}, {2, 8}, {3, 9}, {2, 8}, {1, 9}}},
        {"the bottom stops Down and the diagonals down",
         {D::Down, D::DownLeft, D::DownRight},
         {{0, 8}, {0, 8}, {0, 8}}},
        {"the right edge of an odd row",
         {D::UpRight, D::Right, D::Right, D::Right, D::Right, D::UpRight},
         {{1, 9}, {1, 11}, {1, 13}, {1, 15}, {1, 17}, {1, 17}}},
    };
    for (const auto& [name, keys, cells] : walks) {
        BoardCursor cursor(board);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const Cell before{cursor.Row(), cursor.Column()};
            const bool moved = cursor.Move(board, keys[i]);
            const Cell after{cursor.Row(), cursor.Column()};
            EXPECT_EQ(after, cells[i]) << name << ", key " << i;
            EXPECT_EQ(moved, after != before) << name << ", key " << i;
        }
    }

    // The top row stops every way up.
    BoardCursor top(board);
    for (int i = 0; i < 20; ++i)
        top.Move(board, D::Up);
    EXPECT_EQ(top.Row(), 11);
    for (const D up : {D::Up, D::UpLeft, D::UpRight})
        EXPECT_FALSE(top.Move(board, up));
}
