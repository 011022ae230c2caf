#include "TestDictionaryWriter.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz' -";

struct Decoded {
    std::string letters; // as capitals
    std::string text;
};

std::vector<Decoded> ReadSection(InputEngine& engine, std::uint32_t length)
{
    std::vector<Decoded> out;
    for (;;) {
        const InputEngine::Record& record = engine.Next();
        if (record.AtEnd())
            return out;
        Decoded word;
        for (std::uint32_t i = 0; i < std::min<std::uint32_t>(length, InputEngine::Record::letterBytes); ++i)
            word.letters.push_back(static_cast<char>('A' + record.Letter(i)));
        word.text = std::string(record.Text());
        out.push_back(word);
    }
}

std::string Capitals(const std::string& text)
{
    std::string out;
    for (char c : text.substr(0, text.find('\n')))
        if (std::isalpha(static_cast<unsigned char>(c)))
            out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return out;
}

// A random prefix code over the given symbols, lengths up to 32, with some codes left unused so
// the tree is incomplete; deep chains are grown on purpose to exercise long codes.
void AssignRandomCode(TestDictionaryWriter& writer, const std::string& symbols, std::mt19937& random)
{
    std::vector<std::pair<std::uint32_t, unsigned>> leaves = {{0, 1}, {1, 1}};
    const std::size_t wanted = symbols.size() + 1 + symbols.size() / 8;
    while (leaves.size() < wanted) {
        std::size_t pick = random() % leaves.size();
        if (random() % 4 == 0)
            for (std::size_t i = 0; i < leaves.size(); ++i)
                if (leaves[i].second > leaves[pick].second)
                    pick = i;
        const auto [code, length] = leaves[pick];
        if (length >= 32)
            continue;
        leaves[pick] = {code << 1, length + 1};
        leaves.push_back({(code << 1) | 1u, length + 1});
    }
    std::shuffle(leaves.begin(), leaves.end(), random);
    const std::string all = std::string(1, '\0') + symbols;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto c = static_cast<unsigned char>(all[i]);
        TestSymbol& symbol = writer.Symbol(c);
        symbol.code = leaves[i].first;
        symbol.codeLength = static_cast<std::uint8_t>(leaves[i].second);
        if (std::isalpha(c)) {
            symbol.letter = static_cast<std::uint8_t>(std::toupper(c));
            symbol.letterIndex = static_cast<std::int16_t>(std::toupper(c) - 'A');
        }
    }
}

std::string RandomWord(std::mt19937& random, std::uint32_t letters)
{
    const std::string others = "'-";
    std::string word;
    while (Capitals(word).size() < letters) {
        if (random() % 8 == 0)
            word.push_back(others[random() % others.size()]);
        else
            word.push_back(alphabet[random() % 52]);
    }
    if (random() % 5 == 0)
        word += "\nnote " + std::to_string(random() % 1000);
    return word;
}

} // namespace

TEST(InputEngine, SeekOutsideTheSlotsFailsAndMarksTheLetterPosition)
{
    TestDictionaryWriter writer(1, 6);
    writer.UseAlphabet(alphabet);
    writer.AddWord("cat");
    OpenedDictionary d(writer.Build());
    for (std::uint32_t length : {0u, 6u, 7u, 31u, 49u, 50u, 1000u}) {
        SCOPED_TRACE(length);
        ASSERT_TRUE(d.engine.SeekLength(3));
        d.engine.Next();
        EXPECT_FALSE(d.engine.SeekLength(length));
        EXPECT_FALSE(d.engine.HasHandle());
        const auto& bytes = d.engine.Next().bytes;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            EXPECT_EQ(bytes[i], (i == 0 || (i == length && length < 50)) ? 0xFF : 0) << i;
    }
    // An empty slot (its offset not below the next one's) is not opened.
    EXPECT_FALSE(d.engine.SeekLength(2));
    EXPECT_FALSE(d.engine.HasHandle());
}

TEST(InputEngine, RandomCodesDecodeAcrossWordAndBlockBoundaries)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const int version = static_cast<int>(seed % 2);
        TestDictionaryWriter writer(version, 32);
        AssignRandomCode(writer, "\n" + alphabet + "0123456789", random);
        std::map<std::uint32_t, std::vector<std::string>> expected;
        for (int i = 0; i < 3000; ++i) {
            const std::uint32_t letters = 2 + static_cast<std::uint32_t>(random() % 30);
            const std::string word = RandomWord(random, letters);
            writer.AddRecord(letters, word, static_cast<unsigned>(random() % 2));
            expected[letters].push_back(word);
        }
        OpenedDictionary d(writer.Build());
        ASSERT_EQ(d.list.FailedName(), std::nullopt);
        InputEngine& engine = d.engine;
        for (std::uint32_t length = 1; length < 32; ++length) {
            const bool any = expected.count(length) != 0;
            ASSERT_EQ(engine.SeekLength(length), any) << length;
            if (!any)
                continue;
            const auto decoded = ReadSection(engine, length);
            ASSERT_EQ(decoded.size(), expected[length].size()) << length;
            for (std::size_t i = 0; i < decoded.size(); ++i) {
                const std::string& word = expected[length][i];
                EXPECT_EQ(decoded[i].text, word.substr(0, word.find('\n')));
                EXPECT_EQ(decoded[i].letters, Capitals(word));
            }
        }
    }
}

// Records are 6 symbols of 6 bits, plus a flag bit in version 1: 36 or 37 bits. Cut after 97
// bytes, a version 1 file loses the flag bit of record 21; cut after 98, either version keeps 21
// records and a part of the next, which the buffer's zero padding must not complete. The section
// of 6 letters, which the cut leaves past the end, is empty.
TEST(InputEngine, SectionCutShortReturnsTheRecordsBeforeTheCut)
{
    struct Case { int version; std::size_t kept; std::size_t records; };
    for (const Case& c : {Case{1, 97, 20}, Case{1, 98, 21}, Case{0, 98, 21}}) {
        TestDictionaryWriter writer(c.version, 7);
        writer.UseAlphabet(alphabet);
        for (int i = 0; i < 200; ++i)
            writer.AddWord("abcde");
        writer.AddWord("abcdef");
        Bytes bytes = writer.Build();
        bytes.resize(writer.HeaderSize() + c.kept);
        OpenedDictionary d(bytes);
        ASSERT_TRUE(d.engine.SeekLength(5));
        const auto decoded = ReadSection(d.engine, 5);
        ASSERT_EQ(decoded.size(), c.records) << "version " << c.version << ", " << c.kept << " bytes";
        EXPECT_EQ(decoded.back().text, "abcde");
        EXPECT_TRUE(d.engine.Next().AtEnd());
        EXPECT_FALSE(d.engine.SeekLength(6));
    }
}

// A record of only a note, an unset branch of the code tree, and a record longer than the
// buffer: each is handled and the words around it still read.
TEST(InputEngine, OddRecordsAreHandledInPlace)
{
    {
        TestDictionaryWriter writer(0, 4);
        writer.UseAlphabet(alphabet);
        writer.AddRecord(3, "\nnote only");
        writer.AddRecord(3, "cat");
        OpenedDictionary d(writer.Build());
        ASSERT_TRUE(d.engine.SeekLength(3));
        const auto& first = d.engine.Next();
        ASSERT_FALSE(first.AtEnd()) << "a record starting with newline is not the end";
        EXPECT_EQ(first.Text(), "");
        EXPECT_EQ(d.engine.LetterCount(), 0u);
        EXPECT_EQ(d.engine.Next().Text(), "cat");
        EXPECT_TRUE(d.engine.Next().AtEnd());
    }
    {
        // Codes 00 = end, 01 = A; branch 1 of the root is unset. AA, end, AA, then bits 1 1.
        TestDictionaryWriter writer(0, 4);
        writer.Symbol(0) = {0, 2, -1, 0};
        writer.Symbol('A') = {'A', 2, 0, 1};
        BitWriter bits;
        for (unsigned b : {0u, 1u, 0u, 1u, 0u, 0u, 0u, 1u, 0u, 1u, 0u, 0u, 1u, 1u})
            bits.Bit(b);
        writer.SetRawSection(2, bits.Take());
        OpenedDictionary d(writer.Build());
        ASSERT_TRUE(d.engine.SeekLength(2));
        EXPECT_EQ(d.engine.Next().Text(), "AA");
        EXPECT_EQ(d.engine.Next().Text(), "AA");
        EXPECT_TRUE(d.engine.Next().AtEnd()) << "an unknown bit path ends the section";
        EXPECT_TRUE(d.engine.Next().AtEnd());
    }
    {
        TestDictionaryWriter writer(1, 6);
        writer.UseAlphabet(alphabet);
        writer.AddRecord(3, std::string(60, 'a') + "\n" + std::string(2000, '-'));
        writer.AddRecord(3, "dog");
        OpenedDictionary d(writer.Build());
        ASSERT_TRUE(d.engine.SeekLength(3));
        const auto& first = d.engine.Next();
        ASSERT_FALSE(first.AtEnd());
        EXPECT_EQ(d.engine.LetterCount(), 60u);
        EXPECT_EQ(first.Text(), std::string(60, 'a')) << "an overlong record is cut";
        EXPECT_EQ(first.bytes[999], 0);
        EXPECT_EQ(first.bytes[50], 0); // the reserved area stays untouched
        EXPECT_EQ(d.engine.Next().Text(), "dog");
        EXPECT_TRUE(d.engine.Next().AtEnd());
    }
}

// When only one more file can be opened, a second engine takes the first one's handle, and the
// first reopens its file (taking the handle back) to continue exactly after its last block.
TEST(InputEngine, EnginesShareOneHandleWhenFilesRunOut)
{
    TestDictionaryWriter writer(1, 8);
    writer.UseAlphabet(alphabet);
    std::vector<std::string> words;
    for (int i = 0; i < 8000; ++i)
        words.push_back(std::string{'w', static_cast<char>('a' + i % 26), static_cast<char>('a' + i / 26 % 26),
                                    static_cast<char>('a' + i / 676 % 26), 'z'});
    for (const std::string& word : words)
        writer.AddWord(word);
    TempFolder folder;
    TSDictionaryList list(folder.Write("share.tsd", writer.Build()));
    ASSERT_EQ(list.FailedName(), std::nullopt);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InputEngine first(list, 0);
        InputEngine second(list, 0);
        const int lowestFree = dup(0);
        close(lowestFree);
        rlimit limit{};
        getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(lowestFree) + 1;
        if (setrlimit(RLIMIT_NOFILE, &limit) != 0)
            _exit(10);
        if (!first.SeekLength(5) || !second.SeekLength(5))
            _exit(11);
        if (first.HasHandle() || !second.HasHandle())
            _exit(12);
        for (InputEngine* engine : {&first, &second}) {
            std::size_t count = 0;
            for (const auto& record = engine->Next(); !record.AtEnd(); engine->Next()) {
                if (count >= words.size() || record.Text() != words[count])
                    _exit(13);
                ++count;
            }
            if (count != words.size())
                _exit(14);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
