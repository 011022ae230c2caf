#include "BoardTestUtil.h"

#include "board/GameRandom.h"

#include <gtest/gtest.h>

TEST(BoardGrid, NewBoardIsEmptyAndCellIsNoneOutsideTheGrid)
{
    Board board(12, 9);
    EXPECT_EQ(board.Rows(), 12u);
    EXPECT_EQ(board.Columns(), 18u);
    EXPECT_EQ(CountTiles(board), 0);
    EXPECT_EQ(board.Cell(5, 7)->Row(), 5);
    EXPECT_EQ(board.Cell(5, 7)->Column(), 7);
    for (const auto& [row, column] : {std::pair{-1, 0}, {0, 18}, {12, 0}, {0, -1}})
        EXPECT_EQ(board.Cell(row, column), nullptr) << row << "," << column;
}

TEST(BoardGrid, CellRectFollowsTheHexagonalGeometry)
{
    Board board(12, 9);
    board.SetTileGeometry(40, 40, 34);
    EXPECT_EQ(board.CellRect(0, 0), (BoardRect{0, -40, 40, 0}));
    EXPECT_EQ(board.CellRect(1, 1), (BoardRect{20, -74, 60, -34}));
    EXPECT_EQ(board.CellRect(11, 17), (BoardRect{340, -414, 380, -374}));
    EXPECT_EQ(board.Cell(11, 17)->Rect(), board.CellRect(11, 17));
}

TEST(BoardGrid, UnsetGeometryNeitherOverflowsNorHitsAnything)
{
    Board board(12, 9);
    PutTile(board, 0, 0);
    const BoardRect far = board.CellRect(11, 17);
    EXPECT_LE(far.top, far.bottom);
    EXPECT_LE(far.left, far.right);
    std::int32_t closeness = -1;
    EXPECT_EQ(board.ChipAt({1, -1}, closeness), nullptr);
    EXPECT_EQ(closeness, -1);
}

// Only cells with row + column even hold tiles; Fill also drops the chain.
TEST(BoardGrid, FillPutsTilesOnlyInTheUsableCellsOfTheBottomRows)
{
    SeedGameRandom(1);
    Board board(12, 9);
    board.Fill(6);
    SelectAll(board, {board.Cell(0, 0)});
    board.Fill(4);
    EXPECT_EQ(CountTiles(board), 36);
    EXPECT_TRUE(board.Selection().empty());
    for (int r = 0; r < 12; ++r) {
        for (int c = 0; c < 18; ++c) {
            EXPECT_EQ(board.Cell(r, c)->IsOccupied(), r < 4 && (r + c) % 2 == 0) << r << "," << c;
            EXPECT_FALSE(board.Cell(r, c)->IsSelected());
        }
    }
    board.Fill(0);
    EXPECT_EQ(CountTiles(board), 0);
}

TEST(BoardGrid, FillWithTitleSpellsTheTitleInASerpentineFromTheTopLeft)
{
    Board board(12, 9);
    board.Fill(12);
    board.FillWithTitle();
    std::string top;
    std::string second;
    for (int c = 1; c < 18; c += 2)
        top += board.Cell(11, c)->Letter();
    for (int c = 16; c >= 0; c -= 2)
        second += board.Cell(10, c)->Letter();
    EXPECT_EQ(top, "GLIMMERQU");
    EXPECT_EQ(second, "AKEGLIMME");
    EXPECT_EQ(board.Cell(11, 15)->Letter(), "Q") << "a title Q stays a single letter";
    EXPECT_EQ(board.Cell(11, 15)->Value(), 9u);
    // Nine whole titles, ending on E in the bottom left.
    EXPECT_EQ(board.Cell(0, 0)->Letter(), "E");
    EXPECT_EQ(board.Cell(0, 16)->Letter(), "M");
    EXPECT_EQ(CountTiles(board), 108);
}

TEST(BoardGrid, EvolveOnAnEmptyBoardAddsOneTopTileAndIsNotStuck)
{
    SeedGameRandom(3);
    for (int trial = 0; trial < 50; ++trial) {
        Board board(12, 9);
        Changed changed;
        EXPECT_FALSE(board.Evolve(changed));
        EXPECT_EQ(CountTiles(board), 1);
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0]->Row(), 11);
        EXPECT_TRUE(changed[0]->IsOccupied());
        EXPECT_EQ(changed[0]->Column() % 2, 1);
    }
}

TEST(BoardGrid, EvolveIsStuckWhenTheRowBelowTheTopIsFull)
{
    SeedGameRandom(4);
    Board board(12, 9);
    for (int c = 0; c < 18; c += 2)
        PutTile(board, 10, c);
    Changed changed;
    for (int trial = 0; trial < 20; ++trial)
        EXPECT_TRUE(board.Evolve(changed));
}

// With one tile per row the only top cell (11, 1) rests on (10, 0); (10, 2) lies outside.
TEST(BoardGrid, EvolveAtTheRightEdgeTestsTheOneCellBelowInsideTheGrid)
{
    Board board(12, 1);
    PutTile(board, 10, 0);
    Changed changed;
    EXPECT_TRUE(board.Evolve(changed));
    board.Cell(10, 0)->Set({}, 0);
    EXPECT_FALSE(board.Evolve(changed));
}

TEST(BoardGrid, EvolveOverAChainTileCutsTheChainThere)
{
    Board board(12, 1);
    Chip* a = PutTile(board, 9, 1, "A", 2);
    Chip* b = PutTile(board, 10, 0, "B", 3);
    Chip* top = PutTile(board, 11, 1, "C", 3);
    ASSERT_EQ(SelectAll(board, {a, b, top}), "ABC");
    Changed changed;
    board.Evolve(changed);
    EXPECT_EQ(board.Selection(), (Changed{a, b}));
    EXPECT_FALSE(top->IsSelected());
    EXPECT_TRUE(top->IsOccupied());
    // The cut tile, the chain's new end (its link changed) and the new tile are repainted.
    EXPECT_EQ(changed, (Changed{top, b, top}));
}
