#include "TestDictionaryWriter.h"

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "dictionary/TSDictionaryList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

const std::string invalidText = "-- INVALID DICTIONARY FILE --";
const std::string notFoundText = "-- DICTIONARY FILE NOT FOUND --";

// Version 0 with 8 slots, as SmallDictionary builds it.
constexpr std::size_t blockSizeAt = 86 + 8 * 8;
constexpr std::size_t symbolTableAt = 90 + 8 * 8;

void Put32At(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The example code: symbol 0 = bits 00, A = 01, B = 1.
void SetExampleCode(TestDictionaryWriter& writer)
{
    writer.Symbol(0) = {0, 2, -1, 0};
    writer.Symbol('A') = {'A', 2, 0, 1};
    writer.Symbol('B') = {'B', 1, 1, 1};
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

// The one-word section for AB, placed right after the tables of a three-slot file, must be
// found where the layout puts it in both versions and decode the same way.
TEST(DictionaryFile, ExampleSectionDecodesAtTheLayoutsOffsets)
{
    struct Case { int version; std::uint8_t section; std::size_t sectionStart; std::size_t symbolTable; };
    for (const Case& c : {Case{0, 0x06, 2162, 114}, Case{1, 0x26, 3130, 1082}}) {
        SCOPED_TRACE(c.version);
        TestDictionaryWriter writer(c.version, 3);
        SetExampleCode(writer);
        writer.SetRawSection(2, {c.section});
        Bytes bytes = writer.Build();
        ASSERT_EQ(bytes.size(), c.sectionStart + 1);
        ASSERT_EQ(bytes[c.symbolTable + 8 * 'B' + 1], 1); // B's code length
        TempFolder folder;
        TSDictionaryList list(folder.Write("ab.tsd", bytes));
        ASSERT_EQ(list.FailedName(), std::nullopt);
        EXPECT_EQ(list.SectionOffset(0, 2), c.sectionStart);
        EXPECT_EQ(list.Entry(0).Version(), c.version);

        InputEngine engine(list, 0);
        ASSERT_TRUE(engine.SeekLength(2));
        const auto& word = engine.Next();
        ASSERT_FALSE(word.AtEnd());
        EXPECT_EQ(word.Letter(0), 0);
        EXPECT_EQ(word.Letter(1), 1);
        EXPECT_EQ(word.Text(), "AB");
        EXPECT_TRUE(engine.Next().AtEnd());
    }
}

TEST(DictionaryFile, BrokenFilesAreInvalid)
{
    struct Case { const char* what; std::function<void(Bytes&)> spoil; };
    const Case cases[] = {
        {"3 bytes", [](Bytes& b) { b.resize(3); }},
        {"TSD2", [](Bytes& b) { b[3] = '2'; }},
        {"tsd0 in small letters", [](Bytes& b) { b[0] = 't'; b[1] = 's'; b[2] = 'd'; }},
        {"cut in the offset table", [](Bytes& b) { b.resize(20); }},
        {"cut in the description", [](Bytes& b) { b.resize(100); }},
        {"cut in the symbol table", [](Bytes& b) { b.resize(2000); }},
        {"more than 32 slots", [](Bytes& b) { b[4] = 33; }},
        {"letter index 255", [](Bytes& b) { b[symbolTableAt + 8 * 'A' + 2] = 255; }},
        {"code length 33", [](Bytes& b) { b[symbolTableAt + 8 * 'A' + 1] = 33; }},
        {"two symbols with one code", [](Bytes& b) { Put32At(b, symbolTableAt + 8 * 'B' + 4, 1); }},
        {"a code through another's leaf",
         [](Bytes& b) { b[symbolTableAt + 8 * 'B' + 1] = 7; Put32At(b, symbolTableAt + 8 * 'B' + 4, 0b0000010); }},
        {"a code that is a prefix of others",
         [](Bytes& b) { b[symbolTableAt + 8 * 'B' + 1] = 1; Put32At(b, symbolTableAt + 8 * 'B' + 4, 0); }},
        {"a section beyond the end of the file", [](Bytes& b) { Put32At(b, 6 + 4 * 3, 0x7FFFFFFF); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = SmallDictionary(0).Build();
        c.spoil(bytes);
        TempFolder folder;
        const std::string path = folder.Write("bad.tsd", bytes);
        TSDictionaryList list(path);
        EXPECT_EQ(list.FailedName(), path);
        EXPECT_FALSE(list.IsValid(0));
        // Nothing of a rejected file may be used.
        EXPECT_EQ(list.LengthSlots(0), 0);
        EXPECT_EQ(list.WordCount(0, 3), 0u);
        InputEngine engine(list, 0);
        EXPECT_FALSE(engine.SeekLength(3));
    }
}

TEST(DictionaryFile, DescriptionsTellMissingFromInvalid)
{
    TempFolder folder;
    TSDictionaryList missing(folder.Path("none.tsd").string());
    EXPECT_EQ(missing.Entry(0).Description(), notFoundText);

    Bytes bad = SmallDictionary(1).Build();
    bad[3] = '7';
    TSDictionaryList invalid(folder.Write("bad.tsd", bad));
    EXPECT_EQ(invalid.Entry(0).Description(), invalidText);

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
        const std::size_t size = version ? 1000 : 80;
        TestDictionaryWriter writer = SmallDictionary(version);
        writer.SetDescription(std::string(size, 'x'));
        TempFolder folder;
        TSDictionaryList list(folder.Write("d.tsd", writer.Build()));
        ASSERT_TRUE(list.IsValid(0));
        EXPECT_EQ(list.Entry(0).Description(), std::string(size, 'x'));
    }
}

TEST(DictionaryFile, NoSlotsIsAValidEmptyDictionary)
{
    for (std::uint16_t slots : {0, 1}) {
        TestDictionaryWriter writer(1, slots);
        writer.UseAlphabet("AB");
        TempFolder folder;
        TSDictionaryList list(folder.Write("empty.tsd", writer.Build()));
        EXPECT_EQ(list.FailedName(), std::nullopt);
        EXPECT_EQ(list.WordCount(0, 0), 0u);
        InputEngine engine(list, 0);
        EXPECT_FALSE(engine.SeekLength(1));
    }
}

TEST(DictionaryFile, LetterTableTakesTheHighestSymbolAndIgnoresCodes)
{
    TestDictionaryWriter writer(1, 4);
    writer.UseAlphabet("AB");
    // A later symbol without a code still names letter 0; index 7 is used by no symbol.
    writer.Symbol(200) = {'Q', 0, 0, 0};
    TempFolder folder;
    TSDictionaryList list(folder.Write("letters.tsd", writer.Build()));
    ASSERT_TRUE(list.IsValid(0));
    EXPECT_EQ(list.LetterChar(0, 0), 'Q');
    EXPECT_EQ(list.LetterChar(0, 1), 'B');
    EXPECT_EQ(list.LetterChar(0, 7), '!');
    EXPECT_EQ(list.LetterChar(0, 255), '!');
    EXPECT_EQ(list.LetterChar(0, 4000), '!');
    EXPECT_EQ(list.Entry(0).Tables().pairs[200][0], 0);
}

TEST(DictionaryFile, FullLoadReadsTheBlocksOrRejectsAShortFile)
{
    TestDictionaryWriter writer = SmallDictionary(0);
    Bytes bytes = writer.Build();
    bytes[blockSizeAt] = 3;
    TempFolder folder;
    {
        // The blocks follow the symbol table: a count of 2, then two blocks of 3 bytes. The
        // sections are dropped and every offset points at the end of the tables.
        Bytes withBlocks(bytes.begin(), bytes.begin() + static_cast<long>(writer.HeaderSize()));
        Bytes tail = {2, 0, 1, 2, 3, 4, 5, 6};
        withBlocks.insert(withBlocks.end(), tail.begin(), tail.end());
        for (std::size_t slot = 0; slot < 8; ++slot)
            Put32At(withBlocks, 6 + 4 * slot, static_cast<std::uint32_t>(writer.HeaderSize()));
        TSDictionaryList list(folder.Write("withblocks.tsd", withBlocks), true);
        ASSERT_TRUE(list.IsValid(0));
        EXPECT_EQ(list.Entry(0).BlockCount(), 2u);
    }
    Bytes claimsTooMuch(bytes.begin(), bytes.begin() + static_cast<long>(writer.HeaderSize()));
    claimsTooMuch.push_back(0xFF);
    claimsTooMuch.push_back(0xFF);
    for (std::size_t slot = 0; slot < 8; ++slot)
        Put32At(claimsTooMuch, 6 + 4 * slot, static_cast<std::uint32_t>(writer.HeaderSize()));
    TSDictionaryList list(folder.Write("toomuch.tsd", claimsTooMuch), true);
    EXPECT_FALSE(list.IsValid(0));
}
