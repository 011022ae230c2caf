// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"
#include "board/GameRandom.h"

#include <benchmark/benchmark.h>

#include <vector>

// One timer tick pair of play: a tile arrives and the board takes one falling step, on a
// 12 by 9 board kept about half full.
static void EvolveAndTumbleHalfFullBoard(benchmark::State& state)
{
    SeedGameRandom(2026);
    Board board(12, 9, ProcessRandom());
    board.Fill(6);
    std::vector<Chip*> changed;
    changed.reserve(128);
    for (auto _ : state) {
        changed.clear();
        if (board.Evolve(changed)) {
            state.PauseTiming();
            board.Fill(6);
            state.ResumeTiming();
        }
        board.Tumble(changed);
        benchmark::DoNotOptimize(changed.data());
    }
}
BENCHMARK(EvolveAndTumbleHalfFullBoard);
