#include "board/Board.h"
#include "board/Chip.h"

#include <gtest/gtest.h>

TEST(Chip, NewChipIsAnUnplacedEmptyCell)
{
    const Chip chip;
    EXPECT_EQ(chip.Row(), -1);
    EXPECT_EQ(chip.Column(), -1);
    EXPECT_EQ(chip.Letter(), "");
    EXPECT_EQ(chip.Value(), 0u);
    EXPECT_FALSE(chip.IsOccupied());
    EXPECT_FALSE(chip.IsSelected());
}

TEST(Chip, SetAlwaysLeavesTheTileUnselected)
{
    Chip chip;
    chip.Set("E", 2);
    chip.ToggleSelected();
    ASSERT_TRUE(chip.IsSelected());
    chip.Set("QU", 9);
    EXPECT_FALSE(chip.IsSelected());
    EXPECT_EQ(chip.Letter(), "QU");
    chip.ToggleSelected();
    chip.Set({}, 0);
    EXPECT_FALSE(chip.IsSelected());
    EXPECT_FALSE(chip.IsOccupied());
}

TEST(Chip, TakeFromMovesTheTileAndEmptiesTheSource)
{
    Chip source;
    Chip destination;
    source.Set("Z", 6);
    source.ToggleSelected();
    destination.TakeFrom(source);
    EXPECT_EQ(destination.Letter(), "Z");
    EXPECT_EQ(destination.Value(), 6u);
    EXPECT_FALSE(destination.IsSelected());
    EXPECT_FALSE(source.IsOccupied());
    EXPECT_EQ(source.Value(), 0u);
    EXPECT_FALSE(source.IsSelected());
}

TEST(Chip, CentreRoundsOddSpansUp)
{
    Board board(12, 9);
    board.SetTileGeometry(40, 40, 34);
    EXPECT_EQ(board.Cell(0, 0)->Centre(), (BoardPoint{20, -20}));
    board.SetTileGeometry(41, 41, 34);
    EXPECT_EQ(board.Cell(0, 0)->Rect(), (BoardRect{0, -41, 41, 0}));
    EXPECT_EQ(board.Cell(0, 0)->Centre(), (BoardPoint{21, -20}));
}
