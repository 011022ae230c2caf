#include "tools/glimdict/TsdWriter.h"

#include "TsdBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Symbol 0 = bits 00, A = 01, B = 1: the word AB then reads 01 1 00, and the terminator 00.
CodeTable ExampleCode()
{
    CodeTable codes{};
    codes[0] = {2, 0};
    codes['A'] = {2, 1};
    codes['B'] = {1, 1};
    return codes;
}

struct Layout {
    std::size_t sectionOffsets;
    std::size_t wordCounts;
    std::size_t description;
    std::size_t symbolTable;
};

Layout LayoutOf(int version, std::size_t slots)
{
    if (version == 0)
        return {6, 6 + 4 * slots, 6 + 8 * slots, 90 + 8 * slots};
    return {18 + 12 * slots, 18 + 16 * slots, 18 + 20 * slots, 1022 + 20 * slots};
}

} // namespace

TEST(TsdWriter, OneWordAbMatchesTheHandCodedFileInBothVersions)
{
    struct Case {
        int version;
        bool flag;
        std::uint8_t section;
    };
    for (const Case& c : {Case{0, false, 0x06}, Case{1, true, 0x26}, Case{1, false, 0x06}}) {
        TsdWriter writer(c.version);
        ASSERT_TRUE(writer.Add("AB", c.flag));
        const std::vector<std::uint8_t> bytes = writer.Bytes(ExampleCode());
        const Layout at = LayoutOf(c.version, 3);

        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), c.version == 0 ? "TSD0" : "TSD1");
        EXPECT_EQ(U16At(bytes, 4), 3u);
        // Symbol table, then an empty block section (2 bytes), then the one section.
        const std::size_t sectionStart = at.symbolTable + 256 * 8 + 2;
        EXPECT_EQ(U32At(bytes, at.sectionOffsets + 4 * 1), sectionStart) << "slot 1 is empty";
        EXPECT_EQ(U32At(bytes, at.sectionOffsets + 4 * 2), sectionStart);
        EXPECT_EQ(U32At(bytes, at.wordCounts + 4 * 1), 0u);
        EXPECT_EQ(U32At(bytes, at.wordCounts + 4 * 2), 1u);
        ASSERT_EQ(bytes.size(), sectionStart + 1);
        EXPECT_EQ(bytes.back(), c.section) << "version " << c.version << " flag " << c.flag;

        const std::size_t b = at.symbolTable + 8 * 'B';
        EXPECT_EQ(bytes[b], 'B');
        EXPECT_EQ(bytes[b + 1], 1);
        EXPECT_EQ(U16At(bytes, b + 2), 1u);
        EXPECT_EQ(U32At(bytes, b + 4), 1u);
        // The reserved fields of version 1 hold the version 0 values.
        for (std::size_t i = 0; c.version == 1 && i < 3; ++i) {
            EXPECT_EQ(U32At(bytes, 6 + 4 * i), 0u);
            EXPECT_EQ(U32At(bytes, 18 + 4 * i), 0xFFFFFFFFu);
            EXPECT_EQ(U32At(bytes, 18 + 12 + 4 * i), 0xFFFFFFFFu);
            EXPECT_EQ(U32At(bytes, 18 + 24 + 4 * i), 0u);
        }
    }
}

// The game keys a word by the letter character of the highest symbol with each letter index, so
// every symbol of an index must carry the same capital, coded or not.
TEST(TsdWriter, EveryLetterIndexResolvesToItsCapital)
{
    TsdWriter writer(1);
    ASSERT_TRUE(writer.Add("caf\xE9"));
    const std::vector<std::uint8_t> bytes = writer.Bytes();
    const std::size_t table = LayoutOf(1, 5).symbolTable;

    std::string letterTable(256, '!');
    for (std::size_t s = 0; s < 256; ++s) {
        const auto index = static_cast<std::int16_t>(U16At(bytes, table + 8 * s + 2));
        if (index >= 0)
            letterTable[static_cast<std::size_t>(index)] = static_cast<char>(bytes[table + 8 * s]);
    }
    EXPECT_EQ(letterTable.substr(0, 26), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(letterTable.substr(26), std::string(230, '!'));

    struct Symbol {
        unsigned char value;
        char letter;
        int index;
    };
    for (const Symbol& s : {Symbol{'e', 'E', 4}, Symbol{0xE9, 'E', 4}, Symbol{0xF1, 'N', 13}, Symbol{0xC7, 'C', 2},
                            Symbol{0xFC, 'U', 20}, Symbol{0x9A, 'S', 18}, Symbol{'\'', 0, -1}, Symbol{'-', 0, -1},
                            Symbol{0xE6, 0, -1}, Symbol{0xDF, 0, -1}, Symbol{0, 0, -1}, Symbol{'\n', 0, -1}}) {
        const std::size_t at = table + 8 * s.value;
        EXPECT_EQ(bytes[at], static_cast<std::uint8_t>(s.letter)) << "symbol " << int(s.value);
        EXPECT_EQ(static_cast<std::int16_t>(U16At(bytes, at + 2)), s.index) << "symbol " << int(s.value);
    }
    // Only what occurs is coded: c, a, f, é and the record end.
    int coded = 0;
    for (std::size_t s = 0; s < 256; ++s)
        coded += bytes[table + 8 * s + 1] != 0;
    EXPECT_EQ(coded, 5);
    EXPECT_NE(bytes[table + 8 * 0xE9 + 1], 0);
    EXPECT_EQ(bytes[table + 8 * 'e' + 1], 0);
}

TEST(TsdWriter, RefusesWhatNoRecordCanHold)
{
    struct Case {
        std::string text;
        bool accepted;
    };
    const Case cases[] = {
        {"", false},
        {"'-", false},                          // no letter
        {"ab\ncd", false},                      // newline starts an annotation
        {std::string("ab\0cd", 5), false},      // 0 ends the record
        {"encyclop\xE6" "dia", false},          // æ has no single capital
        {std::string(31, 'x'), true},
        {std::string(32, 'x'), false},
        {"a" + std::string(897, '-'), true},    // 898 bytes
        {"a" + std::string(898, '-'), false},
        {"o'clock", true},
        {"A", true},                            // one letter: slot 1
    };
    for (const Case& c : cases) {
        TsdWriter writer(0);
        EXPECT_EQ(writer.Add(c.text), c.accepted) << c.text.size() << " bytes: " << c.text.substr(0, 20);
        EXPECT_EQ(writer.WordCount(), c.accepted ? 1u : 0u);
    }
}

TEST(TsdWriter, SlotsEndAtTheLongestWordAndEmptySlotsShareTheNextOffset)
{
    TsdWriter writer(0);
    ASSERT_TRUE(writer.Add("abcde"));
    ASSERT_TRUE(writer.Add("ab"));
    ASSERT_TRUE(writer.Add("xy"));
    const std::vector<std::uint8_t> bytes = writer.Bytes();
    ASSERT_EQ(U16At(bytes, 4), 6u);
    const Layout at = LayoutOf(0, 6);
    const std::uint32_t expectedCounts[] = {0, 0, 2, 0, 0, 1};
    for (std::size_t slot = 0; slot < 6; ++slot)
        EXPECT_EQ(U32At(bytes, at.wordCounts + 4 * slot), expectedCounts[slot]) << "slot " << slot;
    const auto offset = [&](std::size_t slot) { return U32At(bytes, at.sectionOffsets + 4 * slot); };
    EXPECT_EQ(offset(1), offset(2));
    EXPECT_LT(offset(2), offset(3));
    EXPECT_EQ(offset(3), offset(4));
    EXPECT_EQ(offset(4), offset(5));
    EXPECT_LT(offset(5), bytes.size());
}

TEST(TsdWriter, DescriptionIsCutToItsFieldWithATerminator)
{
    TsdWriter tsd0(0);
    EXPECT_TRUE(tsd0.SetDescription(std::string(79, 'd')));
    EXPECT_FALSE(tsd0.SetDescription(std::string(200, 'd')));
    ASSERT_TRUE(tsd0.Add("ab"));
    const std::vector<std::uint8_t> bytes = tsd0.Bytes();
    const std::size_t at = LayoutOf(0, 3).description;
    EXPECT_EQ(std::string(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at) + 79),
              std::string(79, 'd'));
    EXPECT_EQ(bytes[at + 79], 0);
    EXPECT_EQ(TsdWriter(1).DescriptionCapacity(), 999u);
}
