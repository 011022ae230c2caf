#include "TestDictionaryWriter.h"

#include "dictionary/LoadProgress.h"
#include "dictionary/Words.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz' -";

std::string WriteDictionary(const TempFolder& folder, const std::vector<std::string>& words)
{
    TestDictionaryWriter writer(1, 32);
    writer.UseAlphabet(alphabet);
    for (const std::string& word : words)
        writer.AddWord(word);
    return folder.Write("words.tsd", writer.Build());
}

// Records every report, and what the table showed when messages were let run.
class RecordingProgress : public LoadProgress {
public:
    explicit RecordingProgress(const Words& words) : words(words) {}
    void SetRange(std::uint32_t maximum) override { ranges.push_back(maximum); }
    void SetPosition(std::uint32_t position) override { positions.push_back(position); }
    void LetMessagesRun() override { namesSeen.push_back(words.FileName()); }

    const Words& words;
    std::vector<std::uint32_t> ranges;
    std::vector<std::uint32_t> positions;
    std::vector<std::string> namesSeen;
};

} // namespace

// High bytes enter sign-extended: 0xE9 is 0xFFFFFFE9.
TEST(WordHash, KnownValuesAndSignExtendedHighBytes)
{
    EXPECT_EQ(WordHash(""), 0u);
    EXPECT_EQ(WordHash("CAT"), 1376u);
    EXPECT_EQ(WordHash("WORDY"), 16553u);
    EXPECT_EQ(WordHash("\xE9"), 0xFFFFFFE9u);
    EXPECT_EQ(WordHash("A\xE9"), (65u << 2) ^ 0xFFFFFFE9u);
}

TEST(Words, LookupMatchesWholeKeysExactlyAndReturnsTheSpelling)
{
    TempFolder folder;
    const std::string path = WriteDictionary(folder, {"Tree", "Don't", "ice cream", "Polish", "polish",
                                                      "well-known"});
    Words words;
    words.Load(path);
    EXPECT_EQ(words.FileName(), path);
    EXPECT_EQ(words.LoadedCount(), 5u);
    struct Case { const char* letters; const char* spelling; };
    for (const Case& c : {Case{"TREE", "Tree"}, Case{"tree", ""}, Case{"TRE", ""}, Case{"TREES", ""},
                          Case{"DONT", "Don't"}, Case{"POLISH", "Polish"}, Case{"ICECREAM", ""},
                          Case{"WELLKNOWN", "well-known"}, Case{"", ""}}) {
        EXPECT_EQ(words.Lookup(c.letters), c.spelling) << c.letters;
    }
}

TEST(Words, ProgressRangeCountsEveryWordAndPositionMovesEvery256Stored)
{
    TempFolder folder;
    std::vector<std::string> list = {"ice cream"};
    // 511 distinct four-letter words: two positions reported, the range holds the skipped one.
    for (int i = 0; list.size() < 512; ++i)
        list.push_back(std::string{static_cast<char>('a' + i / 26 / 26 % 26), static_cast<char>('a' + i / 26 % 26),
                                   static_cast<char>('a' + i % 26), 'x'});
    const std::string path = WriteDictionary(folder, list);
    Words words;
    words.Load(folder.Path("missing.tsd").string());
    RecordingProgress progress(words);
    words.Load(path, &progress);
    EXPECT_EQ(progress.ranges, std::vector<std::uint32_t>{512});
    EXPECT_EQ(progress.positions, (std::vector<std::uint32_t>{256}));
    ASSERT_EQ(progress.namesSeen.size(), 2u);
    // Handlers during the load still see the previous path.
    EXPECT_EQ(progress.namesSeen[1], folder.Path("missing.tsd").string());
    EXPECT_EQ(words.LoadedCount(), 511u);

    // 255 stored words never move the position.
    list.resize(256);
    const std::string smaller = WriteDictionary(folder, list);
    RecordingProgress few(words);
    words.Load(smaller, &few);
    EXPECT_TRUE(few.positions.empty());
    EXPECT_EQ(few.namesSeen.size(), 1u);
}

TEST(Words, MissingFileEmptiesTheTableAndStillRecordsThePath)
{
    TempFolder folder;
    Words words;
    EXPECT_EQ(words.Lookup("CAT"), "") << "empty before any load";
    words.Load(WriteDictionary(folder, {"cat"}));
    ASSERT_EQ(words.Lookup("CAT"), "cat");
    const std::string missing = folder.Path("gone.tsd").string();
    words.Load(missing);
    EXPECT_EQ(words.Lookup("CAT"), "");
    EXPECT_EQ(words.LoadedCount(), 0u);
    EXPECT_EQ(words.FileName(), missing);
}

TEST(Words, PathWithSemicolonLoadsOnlyTheFirstWhenAllAreValid)
{
    TempFolder folder;
    const std::string path = WriteDictionary(folder, {"cat"});
    Words words;
    words.Load(path + ";" + path);
    EXPECT_EQ(words.Lookup("CAT"), "cat");
    words.Load(path + ";" + folder.Path("gone.tsd").string());
    EXPECT_EQ(words.Lookup("CAT"), "");
}

TEST(Words, RecordsWithTheWrongLetterCountForTheirSectionAreSkipped)
{
    TestDictionaryWriter writer(1, 32);
    writer.UseAlphabet(alphabet);
    writer.AddRecord(3, "cats");
    writer.AddRecord(3, "dog");
    writer.AddRecord(3, "ox");
    TempFolder folder;
    Words words;
    words.Load(folder.Write("w.tsd", writer.Build()));
    EXPECT_EQ(words.LoadedCount(), 1u);
    EXPECT_EQ(words.Lookup("DOG"), "dog");
    EXPECT_EQ(words.Lookup("CAT"), "");
    EXPECT_EQ(words.Lookup("CATS"), "");
}
