#include "tools/glimdict/WordListReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

TEST(WordListReader, KeepsListOrderAndCountsEachSkipByReason)
{
    std::istringstream list("\xEF\xBB\xBF" "zebra\r\n"
                            "  apple \n"
                            "\n"
                            "\t\r\n"
                            "zebra\n"
                            "Zebra\n"
                            "zebra's\n"
                            "café\n"
                            "cafe\n"
                            "ice cream\n"
                            "a\n"
                            "no-trailing-newline");
    WordListReader reader(FilterOptions{});
    ASSERT_TRUE(reader.Read(list));
    const std::vector<std::string> expected = {"zebra", "apple", "caf\xE9", "cafe", "no-trailing-newline"};
    EXPECT_EQ(reader.Words(), expected);
    EXPECT_EQ(reader.Lines(), 10u);
    EXPECT_EQ(reader.Skipped(SkipReason::Duplicate), 1u);
    EXPECT_EQ(reader.Skipped(SkipReason::ProperNoun), 1u);
    EXPECT_EQ(reader.Skipped(SkipReason::Possessive), 1u);
    EXPECT_EQ(reader.Skipped(SkipReason::Space), 1u);
    EXPECT_EQ(reader.Skipped(SkipReason::TooShort), 1u);
    EXPECT_EQ(reader.SkippedTotal(), 5u);
}

TEST(WordListReader, SpellingsThatDifferOnlyInCaseAreBothKept)
{
    WordListReader reader(FilterOptions{true, false});
    reader.AddLine("Polish");
    reader.AddLine("polish");
    reader.AddLine("Polish");
    EXPECT_EQ(reader.Words(), (std::vector<std::string>{"Polish", "polish"}));
    EXPECT_EQ(reader.Skipped(SkipReason::Duplicate), 1u);
}

TEST(WordListReader, MissingFileOrFolderIsAnErrorWithItsName)
{
    WordListReader reader(FilterOptions{});
    std::string error;
    EXPECT_FALSE(reader.ReadFile("/nonexistent/words.txt", error));
    EXPECT_NE(error.find("/nonexistent/words.txt"), std::string::npos);
    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_FALSE(reader.ReadFile(folder, error));
    EXPECT_NE(error.find("directory"), std::string::npos);
}
