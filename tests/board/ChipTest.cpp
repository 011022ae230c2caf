#include "board/Board.h"
#include "board/Chip.h"

#include <gtest/gtest.h>

// Set, with a letter or with none, always leaves the tile out of any chain.
TEST(Chip, SetAlwaysLeavesTheTileUnselected)
{
    Chip chip;
    chip.Set("E", 2);
    chip.ToggleSelected();
    chip.Set("QU", 9);
    EXPECT_FALSE(chip.IsSelected());
    EXPECT_EQ(chip.Letter(), "QU");
    chip.ToggleSelected();
    chip.Set({}, 0);
    EXPECT_FALSE(chip.IsSelected());
    EXPECT_FALSE(chip.IsOccupied());
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
