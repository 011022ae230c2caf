#include "dictionary/TSDictionaryList.h"
#include "dictionary/Words.h"
#include "tools/glimdict/AtomicFile.h"
#include "tools/glimdict/Cp1252Letters.h"
#include "tools/glimdict/TsdWriter.h"
#include "tools/glimdict/WordListReader.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <unordered_map>

namespace {

// The capitals the game's tiles show for a word.
std::string KeyOf(const std::string& cp1252Text)
{
    std::string key;
    for (char ch : cp1252Text) {
        const Cp1252Char c = ClassifyCp1252(static_cast<unsigned char>(ch));
        if (c.kind == CharKind::Letter)
            key.push_back(c.capital);
    }
    return key;
}

void WriteDictionary(const TsdWriter& writer, const std::string& path)
{
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, writer.Bytes(), error)) << error;
}

// Loads the file as the game does and checks every word: its key finds the first word of the
// list with that key (Polish before polish), and the file's word counts match the list.
void ExpectGameFindsEveryWord(const std::vector<std::string>& words, const std::string& path)
{
    std::unordered_map<std::string, std::string> firstByKey;
    std::map<std::size_t, std::uint32_t> perLength;
    for (const std::string& word : words) {
        const std::string key = KeyOf(word);
        firstByKey.emplace(key, word);
        ++perLength[key.size()];
    }

    TSDictionaryList list(path);
    ASSERT_FALSE(list.FailedName().has_value());
    for (std::uint32_t letter = 0; letter < 26; ++letter)
        EXPECT_EQ(list.LetterChar(0, letter), static_cast<char>('A' + letter));
    for (std::uint32_t length = 0; length < 32; ++length)
        EXPECT_EQ(list.WordCount(0, length), perLength[length]) << "length " << length;

    Words table;
    table.Load(path);
    EXPECT_EQ(table.LoadedCount(), words.size());
    std::size_t misses = 0;
    for (const std::string& word : words) {
        const std::string key = KeyOf(word);
        const std::string found = table.Lookup(key);
        if (found != firstByKey[key] && ++misses <= 10)
            ADD_FAILURE() << "key " << key << " gives \"" << found << "\", expected \"" << firstByKey[key] << "\"";
    }
    EXPECT_EQ(misses, 0u);
}

std::vector<std::string> KeptWords(const std::string& listPath, FilterOptions options)
{
    WordListReader reader(options);
    std::string error;
    EXPECT_TRUE(reader.ReadFile(listPath, error)) << error;
    return reader.Words();
}

} // namespace

TEST(RoundTrip, AccentsApostrophesAndHyphensKeepTheirSpelling)
{
    const std::vector<std::string> words = {
        "caf\xE9", "Don't", "na\xEFve", "Polish", "polish", "co-op", "\xF1" "and\xFA", "\x8Akoda", "\xC5ngstr\xF6m", "ab",
        std::string(31, 'q'),
    };
    for (int version : {0, 1}) {
        TempFolder folder;
        TsdWriter writer(version);
        for (const std::string& word : words)
            ASSERT_TRUE(writer.Add(word)) << word;
        WriteDictionary(writer, folder.File("mixed.tsd"));
        ExpectGameFindsEveryWord(words, folder.File("mixed.tsd"));

        Words table;
        table.Load(folder.File("mixed.tsd"));
        EXPECT_EQ(table.Lookup("CAFE"), "caf\xE9");
        EXPECT_EQ(table.Lookup("DONT"), "Don't");
        EXPECT_EQ(table.Lookup("POLISH"), "Polish");
        EXPECT_EQ(table.Lookup("ANGSTROM"), "\xC5ngstr\xF6m");
        EXPECT_EQ(table.Lookup("cafe"), "");
    }
}

// All kept words in version 1; every tenth in version 0 with proper nouns and possessives kept, so
// that words sharing their letters (Polish, polish) occur.
TEST(RoundTrip, EnglishWordsAreAllFound)
{
    struct Case { int version; FilterOptions options; std::size_t stride; };
    for (const Case& c : {Case{1, FilterOptions{}, 1}, Case{0, FilterOptions{true, true}, 10}}) {
        SCOPED_TRACE(c.version);
        const std::vector<std::string> all = KeptWords(GLIM_ENGLISH_LIST, c.options);
        ASSERT_GT(all.size(), 50000u);
        std::vector<std::string> words;
        for (std::size_t i = 0; i < all.size(); i += c.stride)
            words.push_back(all[i]);
        TempFolder folder;
        TsdWriter writer(c.version);
        for (const std::string& word : words)
            ASSERT_TRUE(writer.Add(word)) << word;
        WriteDictionary(writer, folder.File("English.tsd"));
        ExpectGameFindsEveryWord(words, folder.File("English.tsd"));
    }
}
