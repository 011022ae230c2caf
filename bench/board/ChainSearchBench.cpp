// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"
#include "board/ChainSearch.h"
#include "board/GameRandom.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char word[] = "UNCHARACTERISTICALLY";

// A full 12 by 9 board of random tiles with the 20-letter word laid along the bottom row, back
// along the next one and on into the third.
std::vector<Chip*> LayWordOnFullBoard(Board& board)
{
    SeedGameRandom(2026);
    board.Fill(12);
    std::vector<std::pair<int, int>> path;
    for (int c = 0; c <= 16; c += 2)
        path.emplace_back(0, c);
    for (int c = 17; c >= 1; c -= 2)
        path.emplace_back(1, c);
    path.emplace_back(2, 0);
    path.emplace_back(2, 2);
    std::vector<Chip*> chain;
    for (std::size_t i = 0; i < path.size(); ++i) {
        Chip* tile = board.Cell(path[i].first, path[i].second);
        tile->Set(std::string(1, word[i]), 2);
        chain.push_back(tile);
    }
    return chain;
}

}  // namespace

// The whole 20-letter word typed at once: the search looks through the board from scratch.
static void ChainForTwentyLettersOnFullBoard(benchmark::State& state)
{
    Board board(12, 9, ProcessRandom());
    LayWordOnFullBoard(board);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindChain(board, word, {}));
}
BENCHMARK(ChainForTwentyLettersOnFullBoard)->Unit(benchmark::kMicrosecond);

// The 20th letter typed after the other 19: the chain so far is kept and extended.
static void TwentiethLetterOnFullBoard(benchmark::State& state)
{
    Board board(12, 9, ProcessRandom());
    std::vector<Chip*> chain = LayWordOnFullBoard(board);
    chain.pop_back();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindChain(board, word, chain));
}
BENCHMARK(TwentiethLetterOnFullBoard)->Unit(benchmark::kMicrosecond);

// The worst board there is: one letter throughout but for an X walled in by two A tiles in the
// corner, and a word of that letter ending in X: every chain of E tiles is a way that fails, so
// the search runs until it gives up.
static void HopelessWordOnOneLetterBoard(benchmark::State& state)
{
    Board board(12, 9, ProcessRandom());
    for (int row = 0; row < 12; ++row)
        for (int column = row % 2; column < 18; column += 2)
            board.Cell(row, column)->Set("E", 2);
    board.Cell(0, 0)->Set("X", 8);
    board.Cell(0, 2)->Set("A", 2);
    board.Cell(1, 1)->Set("A", 2);
    const std::string hopeless = std::string(19, 'E') + "X";
    for (auto _ : state)
        benchmark::DoNotOptimize(FindChain(board, hopeless, {}));
}
BENCHMARK(HopelessWordOnOneLetterBoard)->Unit(benchmark::kMicrosecond);
