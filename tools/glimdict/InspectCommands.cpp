// SPDX-License-Identifier: GPL-3.0-or-later
// glimdict info, words and lookup: they read dictionaries through the game's own reader, so what
// they print is what the game sees.

#include "dictionary/Cp1252.h"
#include "tools/glimdict/Commands.h"

#include "dictionary/Dictionary.h"
#include "dictionary/StoredWords.h"
#include "dictionary/TSDictionaryList.h"
#include "dictionary/Words.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr int failure = 1;
constexpr int usageError = 2;

// The file as a list of one, or none (with a message) when it cannot be read as a dictionary.
bool CheckReadable(const TSDictionaryList& list, const std::string& path)
{
    if (list.Size() == 1 && !list.FailedName())
        return true;
    const std::string reason = list.Size() == 0 ? "no file named" : Cp1252ToUtf8(list.Entry(0).Description());
    std::cerr << "glimdict: " << path << ": " << reason << "\n";
    return false;
}

// Counts the words the game would keep.
struct CountingSink final : StoredWordSink {
    void Store(std::string_view, std::string_view) override { ++count; }
    std::uint64_t count = 0;
};

// Prints key TAB spelling per word; buffered by stdio, as a large dictionary has 100,000 lines.
class PrintingSink final : public StoredWordSink {
public:
    void Store(std::string_view key, std::string_view text) override
    {
        line.assign(key);
        line.push_back('\t');
        line.append(Cp1252ToUtf8(text));
        line.push_back('\n');
        std::fwrite(line.data(), 1, line.size(), stdout);
    }

private:
    std::string line;
};

}  // namespace

int RunInfo(int argc, char** argv)
{
    if (argc != 1) {
        std::cerr << "usage: glimdict info FILE.tsd\n";
        return usageError;
    }
    const std::string path = argv[0];
    TSDictionaryList list(path);
    if (list.Size() != 1) {
        std::cerr << "glimdict: " << path << ": no file named\n";
        return failure;
    }
    TSDictionaryList::Dictionary& dictionary = list.Entry(0);
    const bool valid = dictionary.IsValid();
    const std::string description = Cp1252ToUtf8(dictionary.Description());
    if (!valid) {
        std::cout << path << ": not valid\n" << description << "\n";
        return failure;
    }
    // Reads every section as the game does: a cut or damaged file holds fewer words than it says.
    CountingSink readable;
    const bool damaged = ForEachStoredWord(list, 0, readable) < AnnouncedWordCount(list, 0);
    std::cout << path << ": "
              << (damaged ? "damaged: " + std::to_string(readable.count) + " of its words can be read" : "valid")
              << "\n";
    std::cout << "version: " << dictionary.Version() << "\n";
    std::cout << "slots: " << dictionary.LengthSlots() << "\n";
    std::uint64_t total = 0;
    for (std::uint32_t length = 1; length < dictionary.LengthSlots(); ++length) {
        const std::uint32_t count = list.WordCount(0, length);
        total += count;
        if (count != 0)
            std::cout << "words of " << length << " letters: " << count << "\n";
    }
    std::cout << "words: " << total << "\n";
    std::cout << "description: " << description << "\n";
    return damaged ? failure : 0;
}

int RunWords(int argc, char** argv)
{
    if (argc != 1) {
        std::cerr << "usage: glimdict words FILE.tsd\n";
        return usageError;
    }
    const std::string path = argv[0];
    TSDictionaryList list(path);
    if (!CheckReadable(list, path))
        return failure;
    PrintingSink sink;
    ForEachStoredWord(list, 0, sink);
    return std::fflush(stdout) == 0 ? 0 : failure;
}

int RunLookup(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: glimdict lookup FILE.tsd LETTERS...\n";
        return usageError;
    }
    const std::string path = argv[0];
    {
        TSDictionaryList list(path);
        if (!CheckReadable(list, path))
            return failure;
    }
    Words words;
    words.Load(path);
    bool allFound = true;
    for (int i = 1; i < argc; ++i) {
        const auto letters = Utf8ToCp1252(argv[i]);
        const std::string spelling = letters ? words.Lookup(*letters) : std::string();
        allFound = allFound && !spelling.empty();
        std::cout << Cp1252ToUtf8(spelling) << "\n";
    }
    return allFound ? 0 : failure;
}
