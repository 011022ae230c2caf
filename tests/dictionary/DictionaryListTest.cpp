#include "TestDictionaryWriter.h"

#include "dictionary/Dictionary.h"
#include "dictionary/TSDictionaryList.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

Bytes DictionaryWith(const std::string& word, const std::string& description)
{
    TestDictionaryWriter writer(1, 8);
    writer.UseAlphabet("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    writer.AddWord(word);
    writer.SetDescription(description);
    return writer.Build();
}

// Filesystem timestamps can be coarser than two quick writes; move the time on explicitly.
void Touch(const std::string& path)
{
    const auto time = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, time + std::chrono::seconds(2));
}

} // namespace

TEST(DictionaryList, FileListGivesOneEntryPerNameInOrder)
{
    TempFolder folder;
    const std::string a = folder.Write("a.tsd", DictionaryWith("cat", "first"));
    const std::string b = folder.Write("b.tsd", DictionaryWith("dog", "second"));
    {
        TSDictionaryList list(a + ";" + b);
        ASSERT_EQ(list.Size(), 2u);
        EXPECT_EQ(list.Entry(0).Description(), "first");
        EXPECT_EQ(list.Entry(1).Description(), "second");
        EXPECT_EQ(list.FailedName(), std::nullopt);
    }
    EXPECT_EQ(TSDictionaryList::CacheSize(), 0u);

    TSDictionaryList empty("");
    EXPECT_EQ(empty.Size(), 0u);
    EXPECT_EQ(empty.FailedName(), std::nullopt);

    TSDictionaryList trailing(a + ";");
    ASSERT_EQ(trailing.Size(), 2u);
    EXPECT_TRUE(trailing.IsValid(0));
    EXPECT_EQ(trailing.FailedName(), "");
    EXPECT_EQ(trailing.Entry(1).Description(), "-- DICTIONARY FILE NOT FOUND --");
}

TEST(DictionaryList, NamesDifferingInCaseShareOneReferenceCountedDictionary)
{
    TempFolder folder;
    const std::string a = folder.Write("a.tsd", DictionaryWith("cat", "shared"));
    std::string upper = a;
    upper.replace(upper.size() - 5, 5, "A.TSD");
    {
        TSDictionaryList list(a + ";" + upper);
        ASSERT_EQ(list.Size(), 2u);
        EXPECT_EQ(&list.Entry(0), &list.Entry(1));
        EXPECT_EQ(list.Entry(0).RefCount(), 2u);
        {
            TSDictionaryList other(a);
            EXPECT_EQ(&other.Entry(0), &list.Entry(0));
            EXPECT_EQ(list.Entry(0).RefCount(), 3u);
        }
        EXPECT_EQ(list.Entry(0).RefCount(), 2u);
        EXPECT_EQ(TSDictionaryList::CacheSize(), 1u);
    }
    EXPECT_EQ(TSDictionaryList::CacheSize(), 0u);
}

TEST(DictionaryList, RewrittenFileIsReadAgainAndDeletedFileTurnsNotFound)
{
    TempFolder folder;
    const std::string path = folder.Write("d.tsd", DictionaryWith("cat", "old"));
    TSDictionaryList list(path);
    ASSERT_EQ(list.WordCount(0, 3), 1u);

    folder.Write("d.tsd", DictionaryWith("horse", "new"));
    Touch(path);
    EXPECT_EQ(list.FailedName(), std::nullopt);
    EXPECT_EQ(list.Entry(0).Description(), "new");
    EXPECT_EQ(list.WordCount(0, 3), 0u);
    EXPECT_EQ(list.WordCount(0, 5), 1u);

    // An invalid rewrite, and then a valid one again.
    folder.Write("d.tsd", {'T', 'S', 'D'});
    Touch(path);
    EXPECT_EQ(list.FailedName(), path);
    folder.Write("d.tsd", DictionaryWith("cat", "back"));
    Touch(path);
    EXPECT_EQ(list.FailedName(), std::nullopt);

    std::filesystem::remove(path);
    EXPECT_EQ(list.FailedName(), path);
    EXPECT_EQ(list.Entry(0).Description(), "-- DICTIONARY FILE NOT FOUND --");
    EXPECT_EQ(list.WordCount(0, 3), 0u);
}

TEST(DictionaryList, WordCountBeyondTheSlotsIsZero)
{
    TempFolder folder;
    TSDictionaryList list(folder.Write("d.tsd", DictionaryWith("cat", "")));
    for (std::uint32_t length : {8u, 40u})
        EXPECT_EQ(list.WordCount(0, length), 0u) << length;
    EXPECT_EQ(list.SectionOffset(0, 40), 0u);
}

TEST(DictionaryList, OpenWithTheSameNameDoesNotReadAgain)
{
    TempFolder folder;
    const std::string path = folder.Write("d.tsd", DictionaryWith("cat", "kept"));
    TSDictionaryList::Dictionary dictionary;
    ASSERT_TRUE(dictionary.Open(path, false));
    std::filesystem::remove(path);
    EXPECT_TRUE(dictionary.Open(path, false));
    EXPECT_EQ(dictionary.Description(), "kept");

    // Another spelling of the name is another name to Open, so the file is read (and missed).
    std::string upper = path;
    upper.replace(upper.size() - 5, 5, "D.TSD");
    EXPECT_FALSE(dictionary.Open(upper, false));
    EXPECT_FALSE(dictionary.Open(std::nullopt, false));
    EXPECT_EQ(dictionary.Name(), "");
}

