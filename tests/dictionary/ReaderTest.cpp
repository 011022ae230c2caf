// The dictionary reader against files of the shipped writer: the bytes the format fixes, words
// in and the same words out, and broken, cut or odd files read safely.

#include "TsdFiles.h"

#include "dictionary/Dictionary.h"
#include "dictionary/Words.h"
#include "tools/glimdict/Cp1252Letters.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

std::string KeyOf(const std::string& text)
{
    std::string key;
    for (char ch : text)
        if (const Cp1252Char c = ClassifyCp1252(static_cast<unsigned char>(ch)); c.kind == CharKind::Letter)
            key += c.capital;
    return key;
}

} // namespace

// One word AB with the code 0 = 00, A = 01, B = 1 in a three-slot file. The offsets and bytes are
// written out by hand, so that a fault made alike in the writer and the reader still shows.
TEST(TsdFormat, FieldsAndTheSectionSitWhereTheFormatPutsThem)
{
    CodeTable codes{};
    codes[0] = {2, 0};
    codes['A'] = {2, 1};
    codes['B'] = {1, 1};
    for (const auto& [version, sectionAt, section] : {std::tuple{0, 2164u, 0x06}, {1, 3132u, 0x26}}) {
        SCOPED_TRACE(version);
        TsdWriter writer(version);
        ASSERT_TRUE(writer.Add("AB", true));
        const Bytes bytes = writer.Bytes(codes);
        const std::size_t offsets = version ? 54 : 6, symbols = version ? 1082 : 114;
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), std::string(version ? "TSD1" : "TSD0") + '\3');
        EXPECT_EQ(U32At(bytes, offsets + 4) + U32At(bytes, offsets + 8), 2 * sectionAt) << "empty slot 1 shares slot 2's offset";
        EXPECT_EQ(U32At(bytes, offsets + 20), 1u) << "one word of two letters";
        EXPECT_EQ(U32At(bytes, symbols + 8 * 'B'), 0x00010142u) << "letter B, 1 bit, letter index 1";
        EXPECT_EQ(U32At(bytes, symbols + 8 * 'B' + 4), 1u) << "code 1";
        EXPECT_EQ(bytes.size(), sectionAt + 1);
        EXPECT_EQ(bytes.back(), section) << "01 1 00, the flag bit 1 in TSD1, then 00";
        for (std::size_t i = 0; version == 1 && i < 12; ++i)
            EXPECT_EQ(U32At(bytes, 6 + 4 * i), i < 3 || i >= 9 ? 0u : 0xFFFFFFFFu) << "reserved field " << i;

        TempFolder folder;
        TSDictionaryList list(folder.Write("ab.tsd", bytes));
        ASSERT_TRUE(list.IsValid(0));
        EXPECT_EQ(list.Entry(0).Version(), version);
        EXPECT_EQ(list.SectionOffset(0, 2), sectionAt);
        InputEngine engine(list, 0);
        EXPECT_EQ(SectionTexts(engine, 2), std::vector<std::string>{"AB"});
    }
}

// Accented, apostrophised and random words of 1 to 31 letters, in both versions, with the
// writer's own code and with a skewed code of up to 32 bits per symbol: each section holds its
// words in order, and the word table finds the first spelling of every key.
TEST(TsdFormat, WordsWrittenAreTheWordsRead)
{
    std::vector<std::string> words = {"caf\xE9", "Don't", "ice cream", "Polish", "polish", "co-op", "\xF1" "and\xFA",
                                      "\x8Akoda", "\xC5ngstr\xF6m", "ab", "x", std::string(31, 'q')};
    std::mt19937 random(5);
    const std::string pool = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ\xE0\xE9\xF1\xFC\xC7\x9A'-";
    while (words.size() < 3000) {
        std::string word;
        for (std::size_t letters = 2 + random() % 30; KeyOf(word).size() < letters;)
            word += pool[random() % pool.size()];
        words.push_back(word);
    }
    std::map<std::size_t, std::vector<std::string>> byLength;
    std::map<std::string, std::string> firstByKey;
    for (const std::string& word : words) {
        byLength[KeyOf(word).size()].push_back(word);
        firstByKey.emplace(KeyOf(word), word);
    }
    for (int version : {0, 1}) {
        TsdWriter writer(version);
        for (const std::string& word : words)
            writer.Add(word);
        SymbolCounts skewed{};
        for (std::size_t s = 0, rank = 0; s < 256; ++s)
            skewed[s] = writer.Counts()[s] ? std::uint64_t{1} << std::min<std::size_t>(rank++, 60) : 0;
        const CodeTable deep = BuildLimitedHuffmanCode(skewed, 32);
        for (const CodeTable* codes : {static_cast<const CodeTable*>(nullptr), &deep}) {
            SCOPED_TRACE(testing::Message() << "version " << version << (codes ? ", skewed code" : ""));
            TempFolder folder;
            const std::string path = folder.Write("d.tsd", Tsd(version, words, codes));
            TSDictionaryList list(path);
            ASSERT_TRUE(list.IsValid(0));
            for (std::uint32_t letter = 0; letter < 300; ++letter)
                EXPECT_EQ(list.LetterChar(0, letter), letter < 26 ? static_cast<char>('A' + letter) : '!');
            InputEngine engine(list, 0);
            for (std::uint32_t length = 0; length <= 32; ++length) {
                EXPECT_EQ(list.WordCount(0, length), byLength[length].size()) << length;
                EXPECT_EQ(SectionTexts(engine, length), byLength[length]) << length;
            }
            Words table;
            table.Load(path);
            EXPECT_EQ(table.LoadedCount(), words.size() - 2) << "ice cream and x are left out";
            for (const auto& [key, first] : firstByKey)
                ASSERT_EQ(table.Lookup(key), key == "ICECREAM" || key == "X" ? "" : first) << key;
        }
    }
}

// Every broken file is refused as a whole and nothing of it is used; a file cut after its
// description still shows it. A full load also reads the blocks, or refuses a count that the
// file cannot hold.
TEST(TsdFormat, BrokenFilesAreRefusedWithoutReadingOutsideThem)
{
    const TsdLayout at(0, 5);
    const std::size_t a = at.Symbol('a'), c = at.Symbol('c');
    const auto copyCode = [](Bytes& x, std::size_t to, std::size_t from, int extraBits) {
        x[to + 1] = static_cast<std::uint8_t>(x[from + 1] + extraBits);
        const std::uint32_t code = extraBits > 0 ? U32At(x, from + 4) << 1 : U32At(x, from + 4) >> -extraBits;
        for (int i = 0; i < 4; ++i)
            x[to + 4 + i] = static_cast<std::uint8_t>(code >> 8 * i);
    };
    const std::string invalid = "-- INVALID DICTIONARY FILE --";
    const struct { const char* what; bool loadAll; std::function<void(Bytes&)> spoil; bool valid; std::string description; } cases[] = {
        {"as written", false, [](Bytes&) {}, true, "test"},
        {"3 bytes", false, [](Bytes& x) { x.resize(3); }, false, invalid},
        {"TSD2", false, [](Bytes& x) { x[3] = '2'; }, false, invalid},
        {"magic in small letters", false, [](Bytes& x) { x[0] = 't'; }, false, invalid},
        {"33 slots", false, [](Bytes& x) { x[4] = 33; }, false, invalid},
        {"cut in the offsets", false, [](Bytes& x) { x.resize(20); }, false, invalid},
        {"cut in the description", false, [&](Bytes& x) { x.resize(at.description + 40); }, false, invalid},
        {"cut in the symbol table", false, [&](Bytes& x) { x.resize(at.symbols + 900); }, false, "test"},
        {"letter index 255", false, [&](Bytes& x) { x[a + 2] = 255; }, false, "test"},
        {"code of 33 bits", false, [&](Bytes& x) { x[a + 1] = 33; }, false, "test"},
        {"two symbols with one code", false, [&](Bytes& x) { copyCode(x, c, a, 0); }, false, "test"},
        {"a code through another's leaf", false, [&](Bytes& x) { copyCode(x, c, a, 1); }, false, "test"},
        {"a code that is a prefix of another", false, [&](Bytes& x) { copyCode(x, c, a, -1); }, false, "test"},
        {"description without a terminator", false, [&](Bytes& x) { std::fill_n(x.begin() + at.description, 80, 'x'); }, true, std::string(80, 'x')},
        {"two blocks of 2 bytes", true, [&](Bytes& x) { x[at.symbols - 4] = 2; x[at.symbols + 2048] = 2; }, true, "test"},
        {"more blocks than bytes", true, [&](Bytes& x) { x[at.symbols - 4] = 2; x[at.symbols + 2049] = 0xFF; }, false, "test"},
        {"negative block size", true, [&](Bytes& x) { x[at.symbols - 3] = 0x80; }, false, "test"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        Bytes bytes = Tsd(0, {"cat", "tree"}, nullptr, "test");
        k.spoil(bytes);
        TempFolder folder;
        TSDictionaryList list(folder.Write("d.tsd", bytes), k.loadAll);
        EXPECT_EQ(list.FailedName(), k.valid ? std::optional<std::string>() : folder.File("d.tsd"));
        EXPECT_EQ(list.Entry(0).Description(), k.description);
        EXPECT_EQ(list.Entry(0).BlockCount(), k.valid && k.loadAll ? 2u : 0u);
        EXPECT_EQ(list.WordCount(0, 3), k.valid ? 1u : 0u);
        InputEngine engine(list, 0);
        EXPECT_EQ(SectionTexts(engine, 3), k.valid ? std::vector<std::string>{"cat"} : std::vector<std::string>{});
    }
    TSDictionaryList missing("/nonexistent/d.tsd");
    EXPECT_EQ(missing.Entry(0).Description(), "-- DICTIONARY FILE NOT FOUND --");
}

// Records of 6 symbols of 6 bits, and a flag bit in TSD1: 36 or 37 bits. Cut 97 bytes into the
// section, a TSD1 file loses record 21's flag bit; cut after 98, either version keeps 21 records
// and part of the next, which the zero padding of the buffer must not complete. The next section
// then starts past the end of the file and holds nothing.
TEST(TsdFormat, FileCutInASectionYieldsTheRecordsBeforeTheCut)
{
    CodeTable codes{};
    for (const unsigned char s : {'\0', 'a', 'b', 'c', 'd', 'e', 'f'})
        codes[s] = {6, s};
    std::vector<std::string> words(200, "abcde");
    words.push_back("abcdef");
    for (const auto& [version, kept, records] : {std::tuple{1, 97u, 20u}, {1, 98u, 21u}, {0, 98u, 21u}}) {
        Bytes bytes = Tsd(version, words, &codes);
        bytes.resize(U32At(bytes, TsdLayout(version, 7).offsets + 4 * 5) + kept);
        TempFolder folder;
        TSDictionaryList list(folder.Write("cut.tsd", bytes));
        InputEngine engine(list, 0);
        EXPECT_EQ(SectionTexts(engine, 5), std::vector<std::string>(records, "abcde")) << version << ", " << kept;
        EXPECT_FALSE(engine.SeekLength(6));
    }
}

// Records the writer cannot make, made by swapping two symbols' codes in the table: '#' read as
// a newline starts an annotation (letters after it do not count, a record may start with it);
// the record end read as 'z' runs 41 records into one longer than the record area, which is cut
// without spilling; and a code that leads nowhere ends the section.
TEST(TsdFormat, OddRecordsAreReadSafely)
{
    const auto swapCodes = [](Bytes& x, std::size_t at1, std::size_t at2) {
        for (const std::size_t i : {1, 4, 5, 6, 7})
            std::swap(x[at1 + i], x[at2 + i]);
    };
    TempFolder folder;
    Bytes notes = Tsd(0, {"ox#1", "#no", "ab#cd"});
    swapCodes(notes, TsdLayout(0, 5).Symbol('#'), TsdLayout(0, 5).Symbol('\n'));
    TSDictionaryList annotated(folder.Write("notes.tsd", notes));
    InputEngine engine(annotated, 0);
    EXPECT_EQ(SectionTexts(engine, 2), (std::vector<std::string>{"ox", ""}));
    EXPECT_EQ(SectionTexts(engine, 4), std::vector<std::string>{"ab"});
    Words table;
    table.Load(annotated.Entry(0).Name());
    EXPECT_EQ(table.LoadedCount(), 1u) << "records whose letters do not fit their section are left out";
    EXPECT_EQ(table.Lookup("OX"), "ox");

    std::vector<std::string> words(40, std::string(31, 'a'));
    words.insert(words.end(), {std::string(30, 'a') + "z", std::string(31, 'c'), std::string(30, 'd') + "z"});
    Bytes runOn = Tsd(0, words);
    swapCodes(runOn, TsdLayout(0, 32).Symbol(0), TsdLayout(0, 32).Symbol('z'));
    TSDictionaryList list(folder.Write("run-on.tsd", runOn));
    InputEngine reader(list, 0);
    ASSERT_TRUE(reader.SeekLength(31));
    const InputEngine::Record& record = reader.Next();
    EXPECT_EQ(reader.LetterCount(), 40 * 32 + 30u);
    EXPECT_EQ(record.Text().size(), 899u);
    EXPECT_EQ(record.bytes[InputEngine::Record::letterBytes], 0) << "letters never spill into the reserved bytes";
    EXPECT_EQ(record.Text().substr(0, 33), std::string(31, 'a') + "za");
    EXPECT_EQ(reader.Next().Text(), "z" + std::string(31, 'c') + "z" + std::string(30, 'd'));
    EXPECT_TRUE(reader.Next().AtEnd());

    // Codes 00 = end, 01 = a, 10 = b; the second record's b is patched to 11, which leads nowhere.
    CodeTable codes{};
    codes[0] = {2, 0};
    codes['a'] = {2, 1};
    codes['b'] = {2, 2};
    Bytes nowhere = Tsd(0, {"ab", "ab", "ab"}, &codes);
    nowhere[U32At(nowhere, 6 + 8) + 1] |= 0x02;
    TSDictionaryList broken(folder.Write("nowhere.tsd", nowhere));
    InputEngine decoder(broken, 0);
    EXPECT_EQ(SectionTexts(decoder, 2), std::vector<std::string>{"ab"});
}

// Seeking a length without a section fails and leaves an all-zero record marked at byte 0 and
// at the length's letter position.
TEST(InputEngine, SeekOutsideTheSectionsFails)
{
    TempFolder folder;
    TSDictionaryList list(folder.Write("d.tsd", Tsd(1, {"cat", "horse"})));
    InputEngine engine(list, 0);
    for (const std::uint32_t length : {0u, 2u, 4u, 6u, 31u, 49u, 50u, 1000u}) {
        SCOPED_TRACE(length);
        ASSERT_TRUE(engine.SeekLength(3));
        engine.Next();
        EXPECT_FALSE(engine.SeekLength(length));
        EXPECT_FALSE(engine.HasHandle());
        const auto& bytes = engine.Next().bytes;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            ASSERT_EQ(bytes[i], (i == 0 || (i == length && length < 50)) ? 0xFF : 0) << i;
    }
}

// With one file handle left, a second engine takes the first one's; the first reopens its file
// (taking it back) and goes on exactly after its last block.
TEST(InputEngine, EnginesShareOneHandleWhenFilesRunOut)
{
    std::vector<std::string> words;
    for (int i = 0; i < 8000; ++i)
        words.push_back({'w', char('a' + i % 26), char('a' + i / 26 % 26), char('a' + i / 676 % 26), 'z'});
    TempFolder folder;
    TSDictionaryList list(folder.Write("share.tsd", Tsd(1, words)));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InputEngine first(list, 0), second(list, 0);
        const int lowestFree = dup(0);
        close(lowestFree);
        rlimit limit{};
        getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(lowestFree) + 1;
        if (setrlimit(RLIMIT_NOFILE, &limit) != 0 || !first.SeekLength(5) || !second.SeekLength(5))
            _exit(10);
        if (first.HasHandle() || !second.HasHandle())
            _exit(11);
        for (InputEngine* engine : {&first, &second}) {
            std::vector<std::string> texts;
            for (const auto* record = &engine->Next(); !record->AtEnd(); record = &engine->Next())
                texts.emplace_back(record->Text());
            if (texts != words)
                _exit(12);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
