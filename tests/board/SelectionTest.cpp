#include "BoardTestUtil.h"

#include <gtest/gtest.h>

#include <cstdint>

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
    // Square corner, above the square, the exclusive right edge, and outside the board.
    for (const BoardPoint miss : {BoardPoint{1, -1}, {20, -40}, {40, -20}, {-5, -20}, {20, 10}})
        EXPECT_EQ(board.ChipAt(miss, closeness), nullptr) << miss.x << "," << miss.y;
    EXPECT_EQ(closeness, -1) << "closeness is set only on a hit";
    EXPECT_EQ(board.ChipAt({20, -1}, closeness), tile);
    EXPECT_EQ(closeness, 1);
    Chip* far = PutTile(board, 11, 17);
    EXPECT_EQ(board.ChipAt(far->Centre(), closeness), far);
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

// The chain C-A-T; `changed` lists the tiles to repaint, in order.
class Chain : public ::testing::Test {
protected:
    Chain() { EXPECT_EQ(SelectAll(board, {a, b, c}), "CAT"); }

    Board board{12, 9};
    Chip* a = PutTile(board, 0, 0, "C", 3);
    Chip* b = PutTile(board, 0, 2, "A", 2);
    Chip* c = PutTile(board, 1, 3, "T", 2);
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
    Chip* x = PutTile(board, 0, 0, "X", 8); // touches A only
    SelectAll(board, {a, b, c});
    Changed changed;
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
    SelectAll(board, {i});
    changed.clear();
    EXPECT_EQ(board.Select(t, false, changed), "QUIT");
    EXPECT_EQ(changed, (Changed{i, t}));
    EXPECT_EQ(board.SelectionValue(), 36u);
}

TEST(SelectionValue, EmptyChainIsWorthNothingAndLongChainsDoNotWrap)
{
    Board board(12, 9);
    EXPECT_EQ(board.SelectionValue(), 0u);
    // Eleven QU tiles along the bottom row and up the right edge: 9^11 exceeds 2^32.
    for (int c = 0; c < 18; c += 2)
        SelectAll(board, {PutTile(board, 0, c, "QU", 9)});
    SelectAll(board, {PutTile(board, 1, 17, "QU", 9), PutTile(board, 2, 16, "QU", 9)});
    ASSERT_EQ(board.Selection().size(), 11u);
    EXPECT_EQ(board.SelectionValue(), UINT32_MAX);
}

TEST_F(Chain, ClearUnmarksAndRemoveEmptiesInChainOrder)
{
    board.ClearSelection(changed);
    EXPECT_EQ(changed, (Changed{a, b, c}));
    EXPECT_TRUE(board.Selection().empty());
    EXPECT_TRUE(a->IsOccupied());
    EXPECT_FALSE(a->IsSelected());
    changed.clear();
    board.ClearSelection(changed);
    board.RemoveSelected(changed);
    EXPECT_TRUE(changed.empty()) << "nothing to do on an empty chain";

    SelectAll(board, {b, c});
    board.RemoveSelected(changed);
    EXPECT_EQ(changed, (Changed{b, c}));
    EXPECT_FALSE(b->IsOccupied());
    EXPECT_FALSE(c->IsOccupied());
    EXPECT_TRUE(a->IsOccupied());
    EXPECT_TRUE(board.Selection().empty());
}
