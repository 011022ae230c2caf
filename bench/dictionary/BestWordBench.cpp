// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/WordFinder.h"
#include "dictionary/StoredWords.h"
#include "dictionary/TSDictionaryList.h"
#include "dictionary/Words.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

bool EnglishPresent(benchmark::State& state)
{
    if (std::filesystem::exists(GLIM_BENCH_DICTIONARY))
        return true;
    state.SkipWithError("English.tsd not found: build the dictionaries target first");
    return false;
}

std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

class KeyList final : public StoredWordSink {
public:
    void Store(std::string_view key, std::string_view) override { keys.emplace_back(key); }
    std::vector<std::string> keys;
};

}  // namespace

// The search at the end of a round: the best word on a full board of random tiles, asked of
// the English dictionary the way the game asks it.
static void BestWordOnFullBoard(benchmark::State& state)
{
    if (!EnglishPresent(state))
        return;
    Words words;
    words.Load(GLIM_BENCH_DICTIONARY);
    const PrefixFilter& prefixes = words.Prefixes();
    const WordQuestions ask{
        [&](std::string_view letters) { return prefixes.MayStart(letters); },
        [&](std::string_view letters) { return prefixes.MayBeWord(letters) && !words.Lookup(letters).empty(); }};
    Board board(12, 9, ProcessRandom());
    std::uint32_t seed = 1;
    FoundWord found;
    for (auto _ : state) {
        state.PauseTiming();
        SeedGameRandom(seed++);
        board.Fill(12);
        state.ResumeTiming();
        found = FindBestWord(board, ask);
        benchmark::DoNotOptimize(found.value);
    }
    state.SetLabel("last: " + found.letters + " " + std::to_string(found.value));
}
BENCHMARK(BestWordOnFullBoard)->Unit(benchmark::kMillisecond);

// What the search's filter adds to a dictionary load: every key and its starts recorded once.
// Compare with LoadEnglishDictionary, the whole load with the filter.
static void FilterPartOfLoad(benchmark::State& state)
{
    if (!EnglishPresent(state))
        return;
    KeyList list;
    TSDictionaryList file(GLIM_BENCH_DICTIONARY);
    ForEachStoredWord(file, 0, list);
    PrefixFilter filter;
    for (auto _ : state) {
        filter.Clear();
        for (const std::string& key : list.keys)
            filter.Add(key);
        benchmark::DoNotOptimize(filter.MayStart("Q"));
    }
    state.counters["keys"] = static_cast<double>(list.keys.size());
}
BENCHMARK(FilterPartOfLoad)->Unit(benchmark::kMillisecond);

// The heap a loaded English table holds, filter included, and the filter's own share.
static void MemoryOfLoadedTable(benchmark::State& state)
{
    if (!EnglishPresent(state))
        return;
    for (auto _ : state) {
        const std::size_t start = HeapInUse();
        auto filter = std::make_unique<PrefixFilter>();
        const std::size_t filterBytes = HeapInUse() - start;
        auto words = std::make_unique<Words>();
        words->Load(GLIM_BENCH_DICTIONARY);
        const std::size_t tableBytes = HeapInUse() - start - filterBytes;
        state.counters["table KiB"] = static_cast<double>(tableBytes) / 1024;
        state.counters["filter KiB"] = static_cast<double>(filterBytes) / 1024;
        state.counters["filter %"] =
            100.0 * static_cast<double>(filterBytes) / static_cast<double>(tableBytes - filterBytes);
    }
}
BENCHMARK(MemoryOfLoadedTable)->Iterations(1)->Unit(benchmark::kMillisecond);
