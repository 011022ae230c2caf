#include "BoardTestUtil.h"

#include <gtest/gtest.h>

#include <cstdint>

using Changed = std::vector<Chip*>;

TEST(ChipAt, HitsOnlyInsideTheInscribedCircleOfAnOccupiedTile)
{
    Board board(12, 9);
    board.SetTileGeometry(40, 40, 34);
    std::int32_t closeness = -1;
    EXPECT_EQ(board.ChipAt({20, -20}, closeness), nullptr) << "empty cells are never hit";
    Chip* tile = PutTile(board, 0, 0);
    EXPECT_EQ(board.ChipAt({20, -20}, closeness), tile);
    EXPECT_EQ(closeness, 20);
    closeness = -1;
    EXPECT_EQ(board.ChipAt({1, -1}, closeness), nullptr) << "square corner, outside the circle";
    EXPECT_EQ(board.ChipAt({20, -40}, closeness), nullptr) << "above the square";
    EXPECT_EQ(board.ChipAt({40, -20}, closeness), nullptr) << "right edge is exclusive";
    EXPECT_EQ(closeness, -1) << "closeness is set only on a hit";
    EXPECT_EQ(board.ChipAt({20, -1}, closeness), tile);
    EXPECT_EQ(closeness, 1);
}

TEST(ChipAt, FindsTilesInUpperRowsAndOddColumns)
{
    Board board(12, 9);
    board.SetTileGeometry(40, 40, 34);
    Chip* tile = PutTile(board, 11, 17);
    std::int32_t closeness = 0;
    const BoardPoint centre = tile->Centre();
    EXPECT_EQ(board.ChipAt(centre, closeness), tile);
    EXPECT_EQ(board.ChipAt({-5, -20}, closeness), nullptr);
    EXPECT_EQ(board.ChipAt({20, 10}, closeness), nullptr);
}

TEST(IsAdjacent, TouchesTheSixHexagonalNeighboursOnly)
{
    Board board(12, 9);
    const Chip* centre = board.Cell(2, 4);
    const struct {
        int row, column;
        bool adjacent;
    } cases[] = {
        {2, 6, true},  {2, 2, true},  {1, 3, true},  {1, 5, true},  {3, 3, true},  {3, 5, true},
        {2, 4, false}, {2, 8, false}, {0, 4, false}, {4, 4, false}, {3, 4, false}, {1, 1, false},
    };
    for (const auto& c : cases) {
        const Chip* other = board.Cell(c.row, c.column);
        EXPECT_EQ(Board::IsAdjacent(centre, other), c.adjacent) << c.row << "," << c.column;
        EXPECT_EQ(Board::IsAdjacent(other, centre), c.adjacent) << "symmetric";
    }
}

class Chain : public ::testing::Test {
protected:
    Chain()
    {
        a = PutTile(board, 0, 0, "C", 3);
        b = PutTile(board, 0, 2, "A", 2);
        c = PutTile(board, 1, 3, "T", 2);
        Changed ignored;
        board.Select(a, false, ignored);
        board.Select(b, false, ignored);
        EXPECT_EQ(board.Select(c, false, ignored), "CAT");
    }

    Board board{12, 9};
    Chip* a;
    Chip* b;
    Chip* c;
    Changed changed;
};

TEST_F(Chain, ClickingAChainTileCutsItAndEverythingAfter)
{
    EXPECT_EQ(board.Select(b, false, changed), "C");
    EXPECT_EQ(board.Selection(), (Changed{a}));
    EXPECT_EQ(changed, (Changed{b, c, a}));
    EXPECT_FALSE(b->IsSelected());
    EXPECT_FALSE(c->IsSelected());
}

TEST_F(Chain, DraggingBackKeepsTheTouchedTile)
{
    EXPECT_EQ(board.Select(b, true, changed), "CA");
    EXPECT_EQ(board.Selection(), (Changed{a, b}));
    EXPECT_EQ(changed, (Changed{c, b}));
}

TEST_F(Chain, ClickingTheFirstTileEmptiesTheChain)
{
    EXPECT_EQ(board.Select(a, false, changed), "");
    EXPECT_TRUE(board.Selection().empty());
    EXPECT_EQ(changed, (Changed{a, b, c}));
}

TEST_F(Chain, ANewTileTouchingNoneStartsANewChain)
{
    Chip* y = PutTile(board, 0, 16, "Z", 6);
    EXPECT_EQ(board.Select(y, false, changed), "Z");
    EXPECT_EQ(changed, (Changed{c, b, a, y}));
    EXPECT_EQ(board.Selection(), (Changed{y}));
    EXPECT_FALSE(a->IsSelected());
}

TEST(Select, ANewTileTouchingOnlyTheFirstKeepsItAndDropsTheRest)
{
    Board board(12, 9);
    Chip* a = PutTile(board, 1, 1, "A");
    Chip* b = PutTile(board, 1, 3, "B", 3);
    Chip* c = PutTile(board, 1, 5, "C", 3);
    Chip* x = PutTile(board, 0, 0, "X", 8);  // touches A only
    Changed changed;
    board.Select(a, false, changed);
    board.Select(b, false, changed);
    board.Select(c, false, changed);
    changed.clear();
    EXPECT_EQ(board.Select(x, true, changed), "AX");
    EXPECT_EQ(changed, (Changed{c, b, a, x}));
    EXPECT_EQ(board.Selection(), (Changed{a, x}));
    EXPECT_EQ(board.SelectionValue(), 16u);
}

TEST(Select, ExtendingReportsTheFormerLastTileAndTheNewOne)
{
    Board board(12, 9);
    Chip* q = PutTile(board, 0, 0, "QU", 9);
    Chip* i = PutTile(board, 0, 2, "I", 2);
    Chip* t = PutTile(board, 1, 3, "T", 2);
    Changed changed;
    EXPECT_EQ(board.Select(q, false, changed), "QU");
    EXPECT_EQ(changed, (Changed{q}));
    changed.clear();
    board.Select(i, false, changed);
    changed.clear();
    EXPECT_EQ(board.Select(t, false, changed), "QUIT");
    EXPECT_EQ(changed, (Changed{i, t}));
    EXPECT_EQ(board.SelectionValue(), 36u);
}

TEST(SelectionValue, EmptyChainIsWorthNothingAndLongChainsDoNotWrap)
{
    Board board(12, 9);
    EXPECT_EQ(board.SelectionValue(), 0u);
    Changed changed;
    board.Select(PutTile(board, 0, 0, "E", 2), false, changed);
    EXPECT_EQ(board.SelectionValue(), 2u);

    // Eleven QU tiles along the bottom row and beyond: 9^11 exceeds 2^32.
    board.ClearSelection(changed);
    for (int c = 0; c < 18; c += 2) {
        board.Select(PutTile(board, 0, c, "QU", 9), false, changed);
    }
    board.Select(PutTile(board, 1, 17, "QU", 9), false, changed);
    board.Select(PutTile(board, 2, 16, "QU", 9), false, changed);
    ASSERT_EQ(board.Selection().size(), 11u);
    EXPECT_EQ(board.SelectionValue(), UINT32_MAX);
}

TEST(Selection, ClearAndRemoveOnAnEmptyChainChangeNothing)
{
    Board board(12, 9);
    Changed changed;
    board.ClearSelection(changed);
    board.RemoveSelected(changed);
    EXPECT_TRUE(changed.empty());
}

TEST_F(Chain, ClearUnmarksAndRemoveEmptiesInChainOrder)
{
    board.ClearSelection(changed);
    EXPECT_EQ(changed, (Changed{a, b, c}));
    EXPECT_TRUE(board.Selection().empty());
    EXPECT_TRUE(a->IsOccupied());
    EXPECT_FALSE(a->IsSelected());

    Changed ignored;
    board.Select(b, false, ignored);
    board.Select(c, false, ignored);
    changed.clear();
    board.RemoveSelected(changed);
    EXPECT_EQ(changed, (Changed{b, c}));
    EXPECT_FALSE(b->IsOccupied());
    EXPECT_FALSE(c->IsOccupied());
    EXPECT_TRUE(a->IsOccupied());
    EXPECT_TRUE(board.Selection().empty());
}
