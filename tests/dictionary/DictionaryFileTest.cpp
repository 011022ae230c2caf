#include "TestDictionaryWriter.h"

#include "dictionary/Dictionary.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Version 0 with 8 slots, as SmallDictionary builds it.
constexpr std::size_t blockSizeAt = 86 + 8 * 8;
constexpr std::size_t symbolTableAt = 90 + 8 * 8;

void Put32At(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TestDictionaryWriter SmallDictionary(int version)
{
    TestDictionaryWriter writer(version, 8);
    writer.UseAlphabet("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz' -");
    writer.AddWord("Tree");
    writer.AddWord("cat");
    return writer;
}

} // namespace

// The one-word section for AB (symbol 0 = 00, A = 01, B = 1), right after the tables of a
// three-slot file, is found where the layout puts it in both versions.
TEST(DictionaryFile, ExampleSectionDecodesAtTheLayoutsOffsets)
{
    struct Case { int version; std::uint8_t section; std::size_t sectionStart; std::size_t symbolTable; };
    for (const Case& c : {Case{0, 0x06, 2162, 114}, Case{1, 0x26, 3130, 1082}}) {
        SCOPED_TRACE(c.version);
        TestDictionaryWriter writer(c.version, 3);
        writer.Symbol(0) = {0, 2, -1, 0};
        writer.Symbol('A') = {'A', 2, 0, 1};
        writer.Symbol('B') = {'B', 1, 1, 1};
        writer.SetRawSection(2, {c.section});
        const Bytes bytes = writer.Build();
        ASSERT_EQ(bytes.size(), c.sectionStart + 1);
        ASSERT_EQ(bytes[c.symbolTable + 8 * 'B' + 1], 1); // B's code length
        OpenedDictionary d(bytes);
        ASSERT_EQ(d.list.FailedName(), std::nullopt);
        EXPECT_EQ(d.list.SectionOffset(0, 2), c.sectionStart);
        EXPECT_EQ(d.list.Entry(0).Version(), c.version);
        ASSERT_TRUE(d.engine.SeekLength(2));
        const auto& word = d.engine.Next();
        ASSERT_FALSE(word.AtEnd());
        EXPECT_EQ(word.Letter(0), 0);
        EXPECT_EQ(word.Letter(1), 1);
        EXPECT_EQ(word.Text(), "AB");
        EXPECT_TRUE(d.engine.Next().AtEnd());
    }
}

TEST(DictionaryFile, BrokenFilesAreInvalid)
{
    struct Case { const char* what; std::function<void(Bytes&)> spoil; };
    const std::size_t a = symbolTableAt + 8 * 'A';
    const std::size_t b = symbolTableAt + 8 * 'B';
    const Case cases[] = {
        {"3 bytes", [](Bytes& x) { x.resize(3); }},
        {"TSD2", [](Bytes& x) { x[3] = '2'; }},
        {"tsd0 in small letters", [](Bytes& x) { x[0] = 't'; x[1] = 's'; x[2] = 'd'; }},
        {"cut in the offset table", [](Bytes& x) { x.resize(20); }},
        {"cut in the description", [](Bytes& x) { x.resize(100); }},
        {"cut in the symbol table", [](Bytes& x) { x.resize(2000); }},
        {"more than 32 slots", [](Bytes& x) { x[4] = 33; }},
        {"letter index 255", [a](Bytes& x) { x[a + 2] = 255; }},
        {"code length 33", [a](Bytes& x) { x[a + 1] = 33; }},
        {"two symbols with one code", [b](Bytes& x) { Put32At(x, b + 4, 1); }},
        {"a code through another's leaf", [b](Bytes& x) { x[b + 1] = 7; Put32At(x, b + 4, 0b0000010); }},
        {"a code that is a prefix of others", [b](Bytes& x) { x[b + 1] = 1; Put32At(x, b + 4, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = SmallDictionary(0).Build();
        c.spoil(bytes);
        OpenedDictionary d(bytes);
        EXPECT_EQ(d.list.FailedName(), d.folder.Path("d.tsd").string());
        EXPECT_FALSE(d.list.IsValid(0));
        // Nothing of a rejected file may be used.
        EXPECT_EQ(d.list.LengthSlots(0), 0);
        EXPECT_EQ(d.list.WordCount(0, 3), 0u);
        EXPECT_FALSE(d.engine.SeekLength(3));
    }
}

TEST(DictionaryFile, DescriptionsTellMissingFromInvalid)
{
    TempFolder folder;
    EXPECT_EQ(TSDictionaryList(folder.Path("none.tsd").string()).Entry(0).Description(),
              "-- DICTIONARY FILE NOT FOUND --");
    Bytes bad = SmallDictionary(1).Build();
    bad[3] = '7';
    EXPECT_EQ(TSDictionaryList(folder.Write("bad.tsd", bad)).Entry(0).Description(), "-- INVALID DICTIONARY FILE --");

    // Once read, the file's own description stays even though a later field is cut off.
    TestDictionaryWriter writer = SmallDictionary(1);
    writer.SetDescription("Words of a test");
    Bytes cut = writer.Build();
    cut.resize(writer.HeaderSize() - 100);
    TSDictionaryList truncated(folder.Write("cut.tsd", cut));
    EXPECT_FALSE(truncated.IsValid(0));
    EXPECT_EQ(truncated.Entry(0).Description(), "Words of a test");
}

TEST(DictionaryFile, DescriptionWithoutTerminatorStopsAtItsField)
{
    for (int version : {0, 1}) {
        const std::string full(version ? 1000 : 80, 'x');
        TestDictionaryWriter writer = SmallDictionary(version);
        writer.SetDescription(full);
        OpenedDictionary d(writer.Build());
        ASSERT_TRUE(d.list.IsValid(0));
        EXPECT_EQ(d.list.Entry(0).Description(), full);
    }
}

TEST(DictionaryFile, NoSlotsIsAValidEmptyDictionary)
{
    for (std::uint16_t slots : {0, 1}) {
        TestDictionaryWriter writer(1, slots);
        writer.UseAlphabet("AB");
        OpenedDictionary d(writer.Build());
        EXPECT_EQ(d.list.FailedName(), std::nullopt);
        EXPECT_EQ(d.list.WordCount(0, 0), 0u);
        EXPECT_FALSE(d.engine.SeekLength(1));
    }
}

// A later symbol without a code still names letter 0; unused indexes read as '!'.
TEST(DictionaryFile, LetterTableTakesTheHighestSymbolAndIgnoresCodes)
{
    TestDictionaryWriter writer(1, 4);
    writer.UseAlphabet("AB");
    writer.Symbol(200) = {'Q', 0, 0, 0};
    OpenedDictionary d(writer.Build());
    ASSERT_TRUE(d.list.IsValid(0));
    EXPECT_EQ(d.list.LetterChar(0, 0), 'Q');
    EXPECT_EQ(d.list.LetterChar(0, 1), 'B');
    for (std::uint32_t unused : {7u, 255u, 4000u})
        EXPECT_EQ(d.list.LetterChar(0, unused), '!') << unused;
    EXPECT_EQ(d.list.Entry(0).Tables().pairs[200][0], 0);
}

// With blocks of 3 bytes the tables end in a block count and the blocks; the sections are
// dropped and every offset points at the end of the tables.
TEST(DictionaryFile, FullLoadReadsTheBlocksOrRejectsAShortFile)
{
    TestDictionaryWriter writer = SmallDictionary(0);
    Bytes header = writer.Build();
    header[blockSizeAt] = 3;
    header.resize(writer.HeaderSize());
    for (std::size_t slot = 0; slot < 8; ++slot)
        Put32At(header, 6 + 4 * slot, static_cast<std::uint32_t>(writer.HeaderSize()));
    struct Case { Bytes tail; bool valid; };
    for (const Case& c : {Case{{2, 0, 1, 2, 3, 4, 5, 6}, true}, Case{{0xFF, 0xFF}, false}}) {
        Bytes bytes = header;
        bytes.insert(bytes.end(), c.tail.begin(), c.tail.end());
        TempFolder folder;
        TSDictionaryList list(folder.Write("blocks.tsd", bytes), true);
        ASSERT_EQ(list.IsValid(0), c.valid);
        if (c.valid) {
            EXPECT_EQ(list.Entry(0).BlockCount(), 2u);
        }
    }
}
