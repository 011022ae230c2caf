// SPDX-License-Identifier: GPL-3.0-or-later
// The board's rules: filling and arrivals, and the chain of selected tiles. The letters new tiles
// draw and their values are left to the recorded game and the daily game's pinned tiles, where a
// click lands to the window's pointer tests, and falling to the recorded game and the saved
// game's replay, which step thousands of falls.

#include "board/Board.h"
#include "board/GameRandom.h"

#include <gtest/gtest.h>

namespace {

using Changed = std::vector<Chip*>;

Chip* Put(Board& board, int row, int column, const std::string& letter = "E", unsigned value = 2)
{
    board.Cell(row, column)->Set(letter, value);
    return board.Cell(row, column);
}

int CountTiles(const Board& board)
{
    int count = 0;
    for (std::uint32_t cell = 0; cell < board.Rows() * board.Columns(); ++cell)
        count += board.Cell(cell / board.Columns(), cell % board.Columns())->IsOccupied();
    return count;
}

}  // namespace

TEST(Board, FillTitleAndArrivals)
{
    SeedGameRandom(1);
    Board board(12, 9, ProcessRandom());
    Changed changed;
    board.Fill(6);
    board.Select(board.Cell(0, 0), false, changed);
    board.Fill(4);
    EXPECT_TRUE(board.Selection().empty());
    for (int cell = 0; cell < 12 * 18; ++cell)
        EXPECT_EQ(board.Cell(cell / 18, cell % 18)->IsOccupied(), cell < 4 * 18 && (cell / 18 + cell % 18) % 2 == 0)
            << cell;

    // The title runs serpentine from the top left; its Q stays a single letter worth 9.
    board.FillWithTitle();
    std::string rows;
    for (const auto& [r, first, step] : {std::tuple{11, 1, 2}, {10, 16, -2}, {0, 0, 2}})
        for (int i = 0; i < 9; ++i)
            rows += board.Cell(r, first + step * i)->Letter();
    EXPECT_EQ(rows,
              "GLIMMERQU"
              "AKEGLIMME"
              "EKAUQREMM");
    EXPECT_EQ(board.Cell(11, 15)->Value() * 1000 + CountTiles(board), 9108u);

    // A new tile lands in an odd column of row 11, stuck when no cell below it is free.
    for (int trial = 0; trial < 20; ++trial) {
        Board empty(12, 9, ProcessRandom());
        changed.clear();
        EXPECT_FALSE(empty.Evolve(changed));
        EXPECT_TRUE(changed.size() == 1 && changed[0]->Row() * 100 + changed[0]->Column() % 2 == 1101);
        EXPECT_TRUE(board.Evolve(changed)) << "the title board is full";
    }
    // An arrival over a chain tile cuts the chain there, repainting it, the new end and the arrival.
    Board narrow(12, 1, ProcessRandom());  // its one top cell (11, 1) rests on (10, 0) alone
    const Changed chain = {Put(narrow, 9, 1, "A"), Put(narrow, 10, 0, "B"), Put(narrow, 11, 1, "C")};
    for (Chip* tile : chain)
        narrow.Select(tile, false, changed);
    changed.clear();
    EXPECT_TRUE(narrow.Evolve(changed) && narrow.Selection() == (Changed{chain[0], chain[1]}));
    EXPECT_EQ(changed, (Changed{chain[2], chain[1], chain[2]}));
}

// Eleven QU tiles: 9^11 exceeds 2^32, and the chain's value stays at the cap rather than wrapping.
TEST(Board, AChainsValueStopsAtTheCap)
{
    Board board(12, 9, ProcessRandom());
    Changed changed;
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(board.Select(Put(board, std::max(0, i - 8), i < 9 ? 2 * i : 26 - i, "QU", 9), false, changed).size(),
                  2 * i + 2u);
    EXPECT_EQ(board.SelectionValue(), UINT32_MAX);
}
