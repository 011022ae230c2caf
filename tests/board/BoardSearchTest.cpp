// SPDX-License-Identifier: GPL-3.0-or-later
// The searches over a board: which chain a typed word selects, and how the typed word keeps in
// step with a chain that clicks, clears and arrivals change; and the best word a board holds.

#include "board/Board.h"
#include "board/ChainSearch.h"
#include "board/GameRandom.h"
#include "board/TypedWord.h"
#include "board/WordFinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

}  // namespace

TEST(ChainSearch, FindsTheChainThatKeepsTheCurrentStartThenSitsLowest)
{
    const Tiles quit = {{0, 0, "QU"}, {0, 2, "I"}, {0, 4, "T"}};
    const Tiles twoCats = {{0, 0, "C"}, {1, 1, "A"}, {2, 2, "T"}, {1, 7, "C"}, {0, 6, "A"}, {0, 8, "T"}};
    const Tiles deadEnd = {{0, 0, "C"}, {0, 2, "A"}, {1, 1, "A"}, {2, 2, "T"}};
    const Tiles twoAts = {{0, 4, "A"}, {0, 6, "T"}, {0, 0, "A"}, {0, 2, "T"}, {3, 3, "A"}, {3, 5, "T"}};
    const Tiles leadsOn = {{1, 1, "C"},  {2, 2, "A"},  {0, 2, "A"}, {0, 4, "T"},
                           {0, 10, "C"}, {0, 12, "A"}, {0, 14, "T"}};
    const std::tuple<const char*, Tiles, Cells, const char*, Cells> cases[] = {
        // why, tiles, current, typed, chain
        {"QU answers to Q", quit, {}, "QIT", {{0, 0}, {0, 2}, {0, 4}}},
        {"QU takes the U typed after its Q", quit, {}, "QUIT", {{0, 0}, {0, 2}, {0, 4}}},
        {"a U after QU needs a tile of its own", quit, {}, "QUUIT", {}},
        {"no tile twice", {{0, 0, "E"}, {0, 2, "Y"}}, {}, "EYE", {}},
        {"a letter twice on two tiles", {{0, 0, "E"}, {0, 2, "Y"}, {1, 1, "E"}}, {}, "EYE", {{0, 0}, {0, 2}, {1, 1}}},
        {"back from a dead end", deadEnd, {}, "CAT", {{0, 0}, {1, 1}, {2, 2}}},
        {"two tiles of one column", {{0, 0, "C"}, {1, 1, "A"}, {2, 0, "T"}}, {}, "CAT", {{0, 0}, {1, 1}, {2, 0}}},
        {"fewest rows before the lowest first tile", twoCats, {}, "CAT", {{1, 7}, {0, 6}, {0, 8}}},
        {"lower with a last tile just below the one before",
         {{0, 0, "C"}, {1, 1, "A"}, {2, 2, "T"}, {3, 3, "S"}, {0, 6, "C"}, {1, 7, "A"}, {2, 8, "T"}, {1, 9, "S"}},
         {},
         "CATS",
         {{0, 6}, {1, 7}, {2, 8}, {1, 9}}},
        {"equally low: the first tile further left", twoAts, {}, "AT", {{0, 0}, {0, 2}}},
        {"the current chain stays", twoAts, {{3, 3}}, "AT", {{3, 3}, {3, 5}}},
        {"the longest current start that leads on stays", leadsOn, {{1, 1}, {2, 2}}, "CAT", {{1, 1}, {0, 2}, {0, 4}}},
        {"nothing typed", quit, {{0, 0}}, "", {}},
    };
    for (const auto& [why, tiles, cells, typed, chain] : cases) {
        SCOPED_TRACE(why);
        Board board(12, 9, ProcessRandom());
        Lay(board, tiles);
        std::vector<Chip*> current;
        for (const auto& [row, column] : cells)
            current.push_back(board.Cell(row, column));
        EXPECT_EQ(CellsOf(FindChain(board, typed, current)), chain);
    }
}

// Typing goes on from whatever chain clicks, clears, cuts and entered words leave; a U typed after
// a QU tile's Q is that tile's, and a new chain that leaves the old one replaces its tiles from
// there on.
TEST(TypedWord, FollowsTheChainWhateverChangesIt)
{
    Board board(12, 9, ProcessRandom());
    Lay(board, {{0, 0, "C"}, {1, 1, "A"}, {0, 2, "A"}, {0, 4, "T"}, {2, 0, "QU"}, {2, 2, "I"}});
    TypedWord typed;
    std::vector<Chip*> changed;
    const auto type = [&](const std::string& letters) {
        changed.clear();
        return std::ranges::all_of(letters, [&](char letter) { return typed.Type(board, letter, changed); });
    };
    EXPECT_TRUE(type("QUI") && board.WordInProgress() == "QUI" && !type("X") && changed.empty());
    board.Select(board.Cell(2, 2), false, changed);  // a click takes the I off
    EXPECT_TRUE(type("I") && board.WordInProgress() == "QUI");
    board.ClearSelection(changed);
    board.Select(board.Cell(2, 0), false, changed);  // a clicked QU counts as "QU"
    EXPECT_FALSE(type("U"));

    board.ClearSelection(changed);
    board.Select(board.Cell(0, 0), false, changed);
    board.Select(board.Cell(1, 1), false, changed);
    EXPECT_TRUE(type("T") && CellsOf(board.Selection()) == (Cells{{0, 0}, {0, 2}, {0, 4}}));
    EXPECT_EQ(CellsOf(changed), (Cells{{1, 1}, {0, 0}, {0, 0}, {0, 2}, {0, 2}, {0, 4}}));
    board.RemoveSelected(changed);  // entered: the next click starts the typing afresh
    board.Select(board.Cell(2, 0), false, changed);
    EXPECT_TRUE(type("I") && board.WordInProgress() == "QUI");
}

// The missed word at a round's end: the most valuable word of two letters or more on the board,
// each tile used once.
TEST(WordFinder, FindsTheHighestValuedWordOfTwoLettersOrMore)
{
    const std::set<std::string, std::less<>> words = {"AT", "TOT"};
    const WordQuestions ask{[&](std::string_view start) {
                                const auto next = words.lower_bound(start);
                                return next != words.end() && next->starts_with(start);
                            },
                            [&](std::string_view letters) { return words.contains(letters); }};
    Board board(12, 9, ProcessRandom());
    Lay(board, {{0, 0, "T"}, {0, 2, "A"}, {1, 1, "O"}});
    const FoundWord found = FindBestWord(board, ask);
    EXPECT_EQ(found.letters + " " + std::to_string(found.value), "AT 4") << "TOT would need its T twice";
}
