// SPDX-License-Identifier: GPL-3.0-or-later
// Definitions from WordNet: creating the reader opens nothing, so it adds nothing to start-up; the
// first lookup opens the files; a lookup once they are open stays well under a millisecond.

#include "dictionary/WordNet.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

bool WordNetPresent(benchmark::State& state)
{
    if (std::filesystem::exists(WordNetFolder() + "/index.noun"))
        return true;
    state.SkipWithError("WordNet not found: install the Debian package wordnet-base");
    return false;
}

// Words as the game shows them: base forms, inflections found through the rules or the
// exception lists, and words WordNet lacks.
const std::vector<std::string> words = {"tiles",  "tumbled", "quartz", "leaves", "geese",  "running",
                                        "better", "zebras",  "jinxed", "xyzzy",  "qwerty", "abandon"};

void WordNetCreate(benchmark::State& state)
{
    for (auto _ : state) {
        WordNet wordNet(WordNetFolder());
        benchmark::DoNotOptimize(wordNet);
    }
}
BENCHMARK(WordNetCreate);

void WordNetOpenAndFirstLookup(benchmark::State& state)
{
    if (!WordNetPresent(state))
        return;
    for (auto _ : state) {
        WordNet wordNet(WordNetFolder());
        benchmark::DoNotOptimize(wordNet.Define("tiles"));
    }
}
BENCHMARK(WordNetOpenAndFirstLookup)->Unit(benchmark::kMicrosecond);

void WordNetLookup(benchmark::State& state)
{
    if (!WordNetPresent(state))
        return;
    WordNet wordNet(WordNetFolder());
    wordNet.Define("open");
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wordNet.Define(words[next]));
        next = (next + 1) % words.size();
    }
}
BENCHMARK(WordNetLookup)->Unit(benchmark::kMicrosecond);

void WordNetBriefText(benchmark::State& state)
{
    if (!WordNetPresent(state))
        return;
    WordNet wordNet(WordNetFolder());
    const std::vector<WordMeaning> meanings = wordNet.Define("running");
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatDefinition(meanings, DefinitionDetail::Brief));
}
BENCHMARK(WordNetBriefText);

}  // namespace
