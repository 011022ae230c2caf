// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/StoredWords.h"
#include "dictionary/TSDictionaryList.h"
#include "dictionary/Words.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

bool DictionaryPresent(benchmark::State& state)
{
    if (std::filesystem::exists(GLIM_BENCH_DICTIONARY))
        return true;
    state.SkipWithError("English.tsd not found: build the dictionaries target first");
    return false;
}

// The keys of a loaded dictionary are not kept apart, so hits are keys of common words.
const std::vector<std::string> hits = {"CAT",    "TREE",     "WORDY",   "HOUSE", "DONT",          "ELEPHANT",
                                       "GARDEN", "QUESTION", "ABANDON", "ZEBRA", "INTERNATIONAL", "BE"};
const std::vector<std::string> misses = {"QXZ",  "TREEE",     "WORDX",      "HOUSX", "AAAAAA", "ELEPHANTS Z",
                                         "GRDN", "QUESTIONX", "ZZZZZZZZZZ", "XQ",    "BCDFG",  "EEEE"};

// A plain list of exactly the words the dictionary stores, one spelling per line, written once.
class StoredWordFile final : public StoredWordSink {
public:
    static const std::string& Path()
    {
        static const std::string path = Write();
        return path;
    }
    void Store(std::string_view, std::string_view text) override
    {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.put('\n');
    }

private:
    explicit StoredWordFile(const std::string& path) : out(path, std::ios::binary | std::ios::trunc) {}
    static std::string Write()
    {
        const std::string path = (std::filesystem::temp_directory_path() / "glim-bench-stored-words.txt").string();
        StoredWordFile file(path);
        TSDictionaryList list(GLIM_BENCH_DICTIONARY);
        ForEachStoredWord(list, 0, file);
        return path;
    }
    std::ofstream out;
};

// The baseline: words read line by line from a plain list into a hash set.
void LoadPlainListIntoHashSet(benchmark::State& state, const std::string& path)
{
    std::size_t size = 0;
    for (auto _ : state) {
        std::ifstream in(path);
        if (!in) {
            state.SkipWithError("the plain word list is not there");
            return;
        }
        std::unordered_set<std::string> set;
        std::string line;
        while (std::getline(in, line))
            set.insert(line);
        size = set.size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["words"] = static_cast<double>(size);
}

}  // namespace

static void LoadEnglishDictionary(benchmark::State& state)
{
    if (!DictionaryPresent(state))
        return;
    Words words;
    for (auto _ : state) {
        words.Load(GLIM_BENCH_DICTIONARY);
        benchmark::DoNotOptimize(words.LoadedCount());
    }
    state.counters["words"] = words.LoadedCount();
}
BENCHMARK(LoadEnglishDictionary)->Unit(benchmark::kMillisecond);

// The whole source list, proper nouns and possessives included.
static void BaselineWholeSourceList(benchmark::State& state)
{
    LoadPlainListIntoHashSet(state, GLIM_BENCH_WORDLIST);
}
BENCHMARK(BaselineWholeSourceList)->Unit(benchmark::kMillisecond);

// Exactly the words that the dictionary load stores.
static void BaselineSameWords(benchmark::State& state)
{
    if (!DictionaryPresent(state))
        return;
    LoadPlainListIntoHashSet(state, StoredWordFile::Path());
}
BENCHMARK(BaselineSameWords)->Unit(benchmark::kMillisecond);

static void LookupWords(benchmark::State& state, const std::vector<std::string>& keys)
{
    if (!DictionaryPresent(state))
        return;
    Words words;
    words.Load(GLIM_BENCH_DICTIONARY);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(words.Lookup(keys[i]));
        i = (i + 1) % keys.size();
    }
}
BENCHMARK_CAPTURE(LookupWords, Hits, hits);
BENCHMARK_CAPTURE(LookupWords, Misses, misses);
