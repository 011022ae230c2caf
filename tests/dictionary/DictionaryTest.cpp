// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary reader against files of the shipped writer: the bytes the format fixes, words
// in and the same words out, broken or cut files read safely; the list of dictionaries and
// its shared cache.

#include "TsdFiles.h"

#include "dictionary/Dictionary.h"
#include "dictionary/Words.h"
#include "tools/glimdict/Cp1252Letters.h"

#include <functional>
#include <map>
#include <random>

// One word AB with the code 0 = 00, A = 01, B = 1 in a three-slot file. The offsets and bytes are
// written out by hand, so that a fault made alike in the writer and the reader, which the next
// test would let through, still shows.
TEST(TsdFormat, FieldsAndTheSectionSitWhereTheFormatPutsThem)
{
    CodeTable codes{};
    codes[0] = {2, 0}, codes['A'] = {2, 1}, codes['B'] = {1, 1};
    for (const auto& [version, offsets, symbols, sectionAt, section] :
         {std::tuple{0, 6, 114, 2164u, 0x06}, {1, 54, 1082, 3132u, 0x26}}) {
        SCOPED_TRACE(version);
        TsdWriter writer(version);
        ASSERT_TRUE(writer.Add("AB", true));
        const Bytes bytes = writer.Bytes(codes);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), std::string(version ? "TSD1" : "TSD0") + '\3' + '\0');
        EXPECT_EQ(U32At(bytes, offsets + 4) + U32At(bytes, offsets + 8), 2 * sectionAt)
            << "empty slot 1 shares slot 2's offset";
        EXPECT_EQ(U32At(bytes, offsets + 20), 1u) << "one word of two letters";
        EXPECT_EQ(U32At(bytes, symbols + 8 * 'B'), 0x00010142u) << "letter B, 1 bit, letter index 1";
        EXPECT_EQ(U32At(bytes, symbols + 8 * 'B' + 4), 1u) << "code 1";
        EXPECT_EQ(bytes.size(), sectionAt + 1);
        EXPECT_EQ(bytes.back(), section) << "01 1 00, the flag bit 1 in TSD1, then 00";
        for (std::size_t i = 0; version == 1 && i < 12; ++i)
            EXPECT_EQ(U32At(bytes, 6 + 4 * i), i < 3 || i >= 9 ? 0u : 0xFFFFFFFFu) << "reserved field " << i;
    }
}

// Accented, apostrophised and random words of 1 to 31 letters, in both versions, with the
// writer's own code and with a skewed code of up to 32 bits per symbol: each section holds its
// words in order, and the word table finds the first spelling of every key and nothing else.
// The filter of the board search knows every key and start of one.
TEST(TsdFormat, WordsWrittenAreTheWordsRead)
{
    const auto keyOf = [](const std::string& text) {
        std::string key;
        for (char ch : text)
            if (const Cp1252Char c = ClassifyCp1252(static_cast<unsigned char>(ch)); c.kind == CharKind::Letter)
                key += c.capital;
        return key;
    };
    std::vector<std::string> words = {"caf\xE9",        "Don't", "ice cream",         "Polish",
                                      "polish",         "co-op", "\361and\372",       "\x8Akoda",
                                      "\xC5ngstr\xF6m", "x",     std::string(31, 'q')};
    std::mt19937 random(5);
    const std::string pool = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ\xE0\xE9\xF1\xFC\xC7\x9A'-";
    while (words.size() < 3000) {
        std::string word;
        for (std::size_t letters = 2 + random() % 30; keyOf(word).size() < letters;)
            word += pool[random() % pool.size()];
        words.push_back(word);
    }
    std::map<std::size_t, std::vector<std::string>> byLength;
    std::map<std::string, std::string> firstByKey = {{"CAFEX", ""}, {"CAF", ""}, {"cafe", ""},
                                                     {"", ""},      {"X", ""},   {"ICECREAM", ""}};
    for (const std::string& word : words)
        byLength[keyOf(word).size()].push_back(word), firstByKey.emplace(keyOf(word), word);
    for (int version : {0, 1}) {
        TsdWriter writer(version);
        std::for_each(words.begin(), words.end(), [&writer](const std::string& word) { writer.Add(word); });
        SymbolCounts skewed{};
        for (std::size_t s = 0, rank = 0; s < 256; ++s)
            skewed[s] = writer.Counts()[s] ? std::uint64_t{1} << std::min<std::size_t>(rank++, 60) : 0;
        const CodeTable deep = BuildLimitedHuffmanCode(skewed, 32);
        for (const SymbolCode& code : deep)
            EXPECT_EQ(std::uint64_t{code.code} >> code.length, 0u) << "each code within its length";
        for (const CodeTable* codes : {static_cast<const CodeTable*>(nullptr), &deep}) {
            SCOPED_TRACE(testing::Message() << "version " << version << (codes ? ", skewed code" : ""));
            TempFolder folder;
            const std::string path = folder.Write("d.tsd", Tsd(version, words, codes));
            TSDictionaryList list(path);
            InputEngine engine(list, 0);
            for (std::uint32_t length = 0; length <= 32; ++length) {
                EXPECT_EQ(list.WordCount(0, length), byLength[length].size()) << length;
                EXPECT_EQ(SectionTexts(engine, length), byLength[length]) << length;
            }
            Words table;
            table.Load(path);
            EXPECT_EQ(table.LoadedCount(), words.size() - 2) << "ice cream and x are left out";
            // The board search's filter never turns down a word or a start of one.
            for (const auto& [key, first] : firstByKey) {
                ASSERT_EQ(table.Lookup(key), first) << key;
                for (std::size_t n = 1; !first.empty() && n <= key.size(); ++n)
                    ASSERT_TRUE(table.Prefixes().MayStart(key.substr(0, n)) && table.Prefixes().MayBeWord(key)) << key;
            }
            EXPECT_FALSE(table.Prefixes().MayBeWord("CAF") || table.Prefixes().MayStart("ICEC"));
            table.Load(path + ".missing");
            EXPECT_FALSE(table.Prefixes().MayStart("CAFE")) << "a new load starts afresh";
        }
    }
}

// Every broken file is refused as a whole and nothing of it is used; one cut after its
// description still shows it. A file cut in a section keeps the records before the cut: with
// records of 6 symbols of 6 bits, and a flag bit in TSD1 (36 or 37 bits), a cut 97 bytes into
// the section loses record 21's flag bit in TSD1; one after 98 keeps 21 records and part of the
// next, which the zero padding of the buffer must not complete.
TEST(TsdFormat, BrokenFilesAreRefusedAsAWhole)
{
    const std::size_t symbols = SymbolsAt(0, 7), a = symbols + 8 * 'a', c = symbols + 8 * 'c';
    const auto copyCode = [&](Bytes& x, int extraBits) {  // c gets a's code, one bit longer or shorter
        x[c + 1] = static_cast<std::uint8_t>(x[a + 1] + extraBits);
        for (int i = 0; i < 4; ++i)
            x[c + 4 + i] = static_cast<std::uint8_t>(
                (extraBits > 0 ? U32At(x, a + 4) << 1 : U32At(x, a + 4) >> -extraBits) >> 8 * i);
    };
    CodeTable sixBits{};
    for (const unsigned char s : {'\0', 'a', 'b', 'c', 'd', 'e', 'f', 't'})
        sixBits[s] = {6, s};
    std::vector<std::string> words(200, "abcde");
    words.insert(words.end(), {"cat", "abcdef"});
    const auto cut = [&](int version, std::size_t kept) {
        return [=, &words, &sixBits](Bytes& x) {
            x = Tsd(version, words, &sixBits, "test");
            x.resize(U32At(x, OffsetsAt(version, 7) + 4 * 5) + kept);
        };
    };
    const std::string invalid = "-- INVALID DICTIONARY FILE --";
    // What is spoilt, how, whether the file stays valid, the description read and the five-letter words read.
    const std::tuple<const char*, std::function<void(Bytes&)>, bool, std::string, std::size_t> cases[] = {
        {"as written", [](Bytes&) {}, true, "test", 200},
        {"TSD2", [](Bytes& x) { x[3] = '2'; }, false, invalid, 0},
        {"cut in the description", [](Bytes& x) { x.resize(80); }, false, invalid, 0},
        {"cut in the symbol table", [&](Bytes& x) { x.resize(symbols + 900); }, false, "test", 0},
        {"letter index 255", [&](Bytes& x) { x[a + 2] = 255; }, false, "test", 0},
        {"two symbols with one code", [&](Bytes& x) { copyCode(x, 0); }, false, "test", 0},
        {"a code through another's leaf", [&](Bytes& x) { copyCode(x, 1); }, false, "test", 0},
        {"a code that is a prefix of another", [&](Bytes& x) { copyCode(x, -1); }, false, "test", 0},
        {"description without a terminator", [](Bytes& x) { std::fill_n(x.begin() + 62, 80, 'x'); }, true,
         std::string(80, 'x'), 200},
        {"TSD1 cut in a record's flag bit", cut(1, 97), true, "test", 20},
        {"TSD1 cut in a record", cut(1, 98), true, "test", 21},
    };
    for (const auto& [what, spoil, valid, description, records] : cases) {
        SCOPED_TRACE(what);
        Bytes bytes = Tsd(0, words, &sixBits, "test");
        spoil(bytes);
        TempFolder folder;
        TSDictionaryList list(folder.Write("d.tsd", bytes));
        EXPECT_EQ(list.FailedName(), valid ? std::optional<std::string>() : folder.File("d.tsd"));
        EXPECT_EQ(list.Entry(0).Description(), description);
        EXPECT_EQ(list.WordCount(0, 3), valid ? 1u : 0u);
        InputEngine engine(list, 0);
        EXPECT_EQ(SectionTexts(engine, 5), std::vector<std::string>(records, "abcde"));
        // A cut file is told apart from a whole one, with the words before the cut kept: cat, the
        // fives read, and abcdef when nothing is cut.
        Words table;
        table.Load(folder.File("d.tsd"));
        const bool whole = records == 200;
        EXPECT_EQ(std::pair(table.Damaged(), table.LoadedCount()),
                  std::pair(valid && !whole, valid ? static_cast<std::uint32_t>(records + 1 + whole) : 0u));
    }
}

// Entries follow the ';'-separated names (an empty last name is not found); names differing in
// case share one reference-counted dictionary; a list checks its files again, so a deleted one
// turns not found.
TEST(DictionaryList, EntriesFollowTheFileListAndShareOneDictionaryPerName)
{
    TempFolder folder;
    const std::string a = folder.Write("a.tsd", Tsd(1, {"cat"}, nullptr, "first"));
    const std::string b = folder.Write("b.tsd", Tsd(1, {"dog"}, nullptr, "second"));
    {
        TSDictionaryList list(a + ";" + b + ";" + folder.File("A.TSD") + ";");
        ASSERT_EQ(list.Size(), 4u);
        EXPECT_EQ(list.Entry(0).Description() + "," + list.Entry(1).Description(), "first,second");
        EXPECT_EQ(&list.Entry(2), &list.Entry(0));
        EXPECT_EQ(&TSDictionaryList(b).Entry(0), &list.Entry(1)) << "another list shares it too";
        EXPECT_EQ(list.Entry(0).RefCount() * 10 + list.Entry(1).RefCount() + TSDictionaryList::CacheSize() * 100, 321u);
        EXPECT_EQ(list.WordCount(0, 4) + list.WordCount(0, 40) + list.SectionOffset(0, 40), 0u) << "beyond the slots";
    }
    TSDictionaryList list(b);
    ASSERT_EQ(list.WordCount(0, 3), 1u);
    std::filesystem::remove(b);
    EXPECT_EQ(list.FailedName(), b);
    EXPECT_EQ(list.Entry(0).Description() + std::to_string(list.WordCount(0, 3)), "-- DICTIONARY FILE NOT FOUND --0");
}
