#include "BoardTestUtil.h"

#include "board/GameRandom.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace {

using Cell = std::pair<int, int>;

struct Snapshot {
    std::map<Cell, std::string> letters;
    std::set<Cell> selected;
};

Snapshot Take(const Board& board)
{
    Snapshot s;
    for (int r = 0; r < static_cast<int>(board.Rows()); ++r) {
        for (int c = 0; c < static_cast<int>(board.Columns()); ++c) {
            if (board.Cell(r, c)->IsOccupied())
                s.letters[{r, c}] = board.Cell(r, c)->Letter();
            if (board.Cell(r, c)->IsSelected())
                s.selected.insert({r, c});
        }
    }
    return s;
}

// Each usable cell occupied with the given probability, and a few tiles chained.
void Scramble(Board& board, unsigned percent)
{
    for (int r = 0; r < 12; ++r)
        for (int c = r % 2; c < 18; c += 2) {
            const bool filled = RandomBelow(100) < percent;
            PutTile(board, r, c, filled ? std::string(1, static_cast<char>('A' + RandomBelow(26))) : "", filled ? 2 : 0);
        }
    for (int i = 0; i < 4; ++i) {
        Chip* chip = board.Cell(static_cast<int>(RandomBelow(12)), static_cast<int>(RandomBelow(18)));
        if (chip->IsOccupied() && !chip->IsSelected())
            SelectAll(board, {chip});
    }
}

} // namespace

TEST(Tumble, StepsKeepEveryTileAndMoveEachAtMostOneRowDiagonallyIntoACellEmptyAtTheStart)
{
    SeedGameRandom(12345);
    for (int trial = 0; trial < 400; ++trial) {
        Board board(12, 9);
        Scramble(board, RandomBelow(100));
        for (int step = 0; step < 6; ++step) {
            const Snapshot before = Take(board);
            Changed changed;
            board.Tumble(changed);
            const Snapshot after = Take(board);

            ASSERT_EQ(after.letters.size(), before.letters.size()) << "no tile appears or vanishes";
            EXPECT_EQ(after.selected, before.selected) << "selected tiles never move";
            // `changed` holds every destination, then every source in the same order.
            ASSERT_EQ(changed.size() % 2, 0u);
            const std::size_t moves = changed.size() / 2;
            std::set<Cell> destinations;
            std::set<Cell> sources;
            for (std::size_t i = 0; i < moves; ++i) {
                const Cell to{changed[i]->Row(), changed[i]->Column()};
                const Cell from{changed[moves + i]->Row(), changed[moves + i]->Column()};
                EXPECT_EQ(to.first, from.first - 1);
                EXPECT_EQ(std::abs(to.second - from.second), 1);
                EXPECT_FALSE(before.letters.count(to)) << "destination was empty when the step began";
                ASSERT_TRUE(before.letters.count(from));
                EXPECT_FALSE(before.selected.count(from));
                EXPECT_EQ(after.letters.at(to), before.letters.at(from));
                EXPECT_TRUE(destinations.insert(to).second) << "a destination receives one tile";
                EXPECT_TRUE(sources.insert(from).second) << "a tile moves once";
            }
            for (const auto& [cell, letter] : before.letters) {
                if (!sources.count(cell)) {
                    EXPECT_EQ(after.letters.at(cell), letter) << "unmoved tiles stay";
                } else if (!destinations.count(cell)) {
                    EXPECT_FALSE(after.letters.count(cell)) << "vacated cells are empty";
                }
            }
        }
    }
}

TEST(Tumble, TilesEventuallySettleWithNoFreeCellBelowAnyUnselectedTile)
{
    SeedGameRandom(99);
    for (int trial = 0; trial < 50; ++trial) {
        Board board(12, 9);
        Scramble(board, 40);
        Changed changed;
        for (int step = 0; step < 40; ++step)
            board.Tumble(changed);
        changed.clear();
        board.Tumble(changed);
        EXPECT_TRUE(changed.empty());
        for (int r = 1; r < 12; ++r) {
            for (int c = r % 2; c < 18; c += 2) {
                const Chip* chip = board.Cell(r, c);
                if (!chip->IsOccupied() || chip->IsSelected())
                    continue;
                for (const int below : {c - 1, c + 1}) {
                    const Chip* under = board.Cell(r - 1, below);
                    EXPECT_TRUE(under == nullptr || under->IsOccupied()) << r << "," << c;
                }
            }
        }
    }
}

TEST(Tumble, SingleTileDropsIntoEitherCellBelowThenRests)
{
    std::set<int> landed;
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        SeedGameRandom(seed);
        Board board(12, 9);
        Chip* tile = PutTile(board, 1, 1, "K", 4);
        Changed changed;
        board.Tumble(changed);
        ASSERT_EQ(changed.size(), 2u);
        EXPECT_EQ(changed[1], tile);
        EXPECT_FALSE(tile->IsOccupied());
        EXPECT_EQ(changed[0]->Row(), 0);
        EXPECT_EQ(changed[0]->Letter(), "K");
        EXPECT_EQ(changed[0]->Value(), 4u);
        landed.insert(changed[0]->Column());
        changed.clear();
        board.Tumble(changed);
        EXPECT_TRUE(changed.empty());
    }
    EXPECT_EQ(landed, (std::set<int>{0, 2}));
}

TEST(Tumble, SelectedTilesAndTilesRestingOnTwoTilesStay)
{
    Board board(12, 9);
    PutTile(board, 0, 6);
    Chip* floating = PutTile(board, 1, 9); // over the empty (0, 10), but in the chain
    SelectAll(board, {PutTile(board, 0, 8), floating});
    Chip* resting = PutTile(board, 1, 7); // on (0, 6) and the selected (0, 8)
    Changed changed;
    board.Tumble(changed);
    EXPECT_TRUE(changed.empty());
    EXPECT_TRUE(floating->IsOccupied());
    EXPECT_TRUE(resting->IsOccupied());
}

TEST(Tumble, ACellVacatedInAStepIsRefilledOnlyInTheNext)
{
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        SeedGameRandom(seed);
        Board board(12, 9);
        PutTile(board, 1, 1, "A");
        PutTile(board, 2, 2, "B");
        Changed changed;
        board.Tumble(changed);
        EXPECT_FALSE(board.Cell(1, 1)->IsOccupied());
        EXPECT_EQ(board.Cell(1, 3)->Letter(), "B");
        EXPECT_NE(board.Cell(0, 0)->Letter() == "A", board.Cell(0, 2)->Letter() == "A");
    }
}
