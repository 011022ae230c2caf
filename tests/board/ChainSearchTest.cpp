// Typing a word selects a chain: which chain the search finds for a typed word, and how the typed
// word keeps in step with a chain that clicks, clears and arrivals change.

#include "board/Board.h"
#include "board/ChainSearch.h"
#include "board/TypedWord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Cells = std::vector<std::pair<int, int>>;
using Tiles = std::vector<std::tuple<int, int, const char*>>;

Cells CellsOf(const std::vector<Chip*>& chain)
{
    Cells cells;
    for (const Chip* tile : chain)
        cells.emplace_back(tile->Row(), tile->Column());
    return cells;
}

void Lay(Board& board, const Tiles& tiles)
{
    for (const auto& [row, column, letter] : tiles)
        board.Cell(row, column)->Set(letter, 2);
}

} // namespace

TEST(ChainSearch, FindsTheChainThatKeepsTheCurrentStartThenSitsLowest)
{
    const Tiles quit = {{0, 0, "QU"}, {0, 2, "I"}, {0, 4, "T"}};
    const Tiles twoCats = {{0, 0, "C"}, {1, 1, "A"}, {2, 2, "T"}, {1, 7, "C"}, {0, 6, "A"}, {0, 8, "T"}};
    const Tiles twoAts = {{0, 0, "A"}, {0, 2, "T"}, {3, 3, "A"}, {3, 5, "T"}};
    const struct {
        const char* why;
        Tiles tiles;
        Cells current;
        const char* typed;
        Cells chain;
    } cases[] = {
        {"QU answers to Q", quit, {}, "QIT", {{0, 0}, {0, 2}, {0, 4}}},
        {"QU takes the U typed after its Q", quit, {}, "QUIT", {{0, 0}, {0, 2}, {0, 4}}},
        {"a lone Q", quit, {}, "Q", {{0, 0}}},
        {"a U after QU needs a tile of its own", quit, {}, "QUUIT", {}},
        {"no tile twice", {{0, 0, "E"}, {0, 2, "Y"}}, {}, "EYE", {}},
        {"a letter twice on two tiles", {{0, 0, "E"}, {0, 2, "Y"}, {1, 1, "E"}}, {}, "EYE", {{0, 0}, {0, 2}, {1, 1}}},
        {"back from a dead end", {{0, 0, "C"}, {0, 2, "A"}, {1, 1, "A"}, {2, 2, "T"}}, {}, "CAT", {{0, 0}, {1, 1}, {2, 2}}},
        {"tiles that do not touch", {{0, 0, "A"}, {0, 4, "T"}, {2, 2, "A"}}, {}, "AT", {}},
        {"fewest rows before the lowest first tile", twoCats, {}, "CAT", {{1, 7}, {0, 6}, {0, 8}}},
        {"equally low: the first tile further left", {{0, 4, "A"}, {0, 6, "T"}, {0, 0, "A"}, {0, 2, "T"}}, {}, "AT", {{0, 0}, {0, 2}}},
        {"the current chain stays", twoAts, {{3, 3}}, "AT", {{3, 3}, {3, 5}}},
        {"the current chain goes when it cannot spell the word", {{0, 0, "A"}, {0, 2, "T"}, {3, 3, "A"}}, {{3, 3}}, "AT", {{0, 0}, {0, 2}}},
        {"the longest start of the current chain that leads on stays",
         {{1, 1, "C"}, {2, 2, "A"}, {0, 2, "A"}, {0, 4, "T"}, {0, 10, "C"}, {0, 12, "A"}, {0, 14, "T"}}, {{1, 1}, {2, 2}}, "CAT",
         {{1, 1}, {0, 2}, {0, 4}}},
        {"nothing typed", quit, {{0, 0}}, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Board board(12, 9);
        Lay(board, c.tiles);
        std::vector<Chip*> current;
        for (const auto& [row, column] : c.current)
            current.push_back(board.Cell(row, column));
        EXPECT_EQ(CellsOf(FindChain(board, c.typed, current)), c.chain);
    }
}

// A board of one letter throughout has more chains than could ever be searched: the search
// still answers with a chain when there is one, and with none when there is none.
TEST(ChainSearch, AnswersOnABoardOfOneLetter)
{
    Board board(12, 9);
    for (int row = 0; row < 12; ++row)
        for (int column = row % 2; column < 18; column += 2)
            board.Cell(row, column)->Set("E", 2);
    const std::vector<Chip*> chain = FindChain(board, std::string(30, 'E'), {});
    ASSERT_EQ(chain.size(), 30u);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        EXPECT_TRUE(Board::IsAdjacent(chain[i - 1], chain[i])) << i;
        EXPECT_EQ(std::count(chain.begin(), chain.end(), chain[i]), 1) << i;
    }
    EXPECT_TRUE(FindChain(board, std::string(20, 'E') + "X", {}).empty());
}

TEST(TypedWord, FollowsTheChainWhateverChangesIt)
{
    Board board(12, 9);
    Lay(board, {{0, 0, "QU"}, {0, 2, "I"}, {0, 4, "T"}, {3, 3, "A"}, {0, 6, "A"}, {0, 8, "N"}});
    TypedWord typed;
    std::vector<Chip*> changed;
    const auto type = [&](char letter) {
        changed.clear();
        return typed.Type(board, letter, changed);
    };
    EXPECT_TRUE(type('Q'));
    EXPECT_TRUE(type('U')) << "the QU tile takes the U";
    EXPECT_TRUE(changed.empty());
    EXPECT_TRUE(type('I'));
    EXPECT_FALSE(type('X'));
    EXPECT_TRUE(changed.empty());
    EXPECT_TRUE(type('T'));
    EXPECT_EQ(board.WordInProgress(), "QUIT");
    EXPECT_EQ(CellsOf(changed), (Cells{{0, 2}, {0, 4}}));

    // A click on the I cuts the chain; typing goes on from what is left.
    board.Select(board.Cell(0, 2), false, changed);
    EXPECT_TRUE(type('I'));
    EXPECT_EQ(board.WordInProgress(), "QUI");

    // After a clear the typed word starts empty; a clicked QU tile counts as "QU", so a U typed
    // next needs a U tile.
    board.ClearSelection(changed);
    board.Select(board.Cell(0, 0), false, changed);
    EXPECT_FALSE(type('U'));

    // A letter the clicked chain cannot take moves the selection to a chain that can.
    board.ClearSelection(changed);
    board.Select(board.Cell(3, 3), false, changed);
    EXPECT_TRUE(type('N'));
    EXPECT_EQ(CellsOf(board.Selection()), (Cells{{0, 6}, {0, 8}}));
    EXPECT_FALSE(board.Cell(3, 3)->IsSelected());
    EXPECT_EQ(CellsOf(changed), (Cells{{3, 3}, {0, 6}, {0, 6}, {0, 8}}));
}
