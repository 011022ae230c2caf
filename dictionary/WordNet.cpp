// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/WordNet.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>

namespace {

// Longer than any line of WordNet 3.0 (13 kB) with room to spare; a longer line is damage.
constexpr std::uint64_t maxLine = 32 * 1024;
// The first read of a line; index lines are a few hundred bytes.
constexpr std::uint64_t firstRead = 512;
// Longer than any entry of WordNet, so a longer word is not looked up at all.
constexpr std::size_t maxWord = 100;
// More base forms than any exception of WordNet lists; a damaged list may not cost more lookups.
constexpr std::size_t maxExceptionBases = 8;

// One database file, read at byte offsets without a buffer of its own: a bisection jumps around
// the file and a buffer would read 8 kB at every jump.
class LineFile {
public:
    bool Open(const std::string& path)
    {
        // Only a plain file: opening a pipe would wait for a writer.
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return false;
        file.pubsetbuf(nullptr, 0);
        if (file.open(path, std::ios::in | std::ios::binary) == nullptr)
            return false;
        const auto end = file.pubseekoff(0, std::ios::end, std::ios::in);
        size = end < 0 ? 0 : static_cast<std::uint64_t>(end);
        return true;
    }

    // The line starting at `offset`, without its newline; none past the end or when no newline
    // (or the file's end) comes within maxLine bytes.
    std::optional<std::string> LineAt(std::uint64_t offset)
    {
        for (std::uint64_t want = firstRead; offset < size; want *= 2) {
            const std::string text = Read(offset, std::min(want, maxLine + 1));
            const std::size_t newline = text.find('\n');
            if (newline != std::string::npos)
                return text.substr(0, newline);
            if (offset + text.size() >= size && text.size() <= maxLine)
                return text;
            if (text.size() > maxLine || text.size() < std::min(want, maxLine + 1))
                return std::nullopt;
        }
        return std::nullopt;
    }

    // The line whose first field (the text before its first space) is `key`, by bisection over
    // lines sorted by their bytes. Each step at least halves the range, so a damaged or unsorted
    // file ends the search as quickly; it then merely finds nothing.
    std::optional<std::string> Find(std::string_view key)
    {
        std::uint64_t low = 0;
        std::uint64_t high = size;
        while (low < high) {
            const std::uint64_t middle = low + (high - low) / 2;
            const std::uint64_t start = NextLineStart(middle);
            if (start >= high) {
                high = middle;
                continue;
            }
            std::optional<std::string> line = LineAt(start);
            if (!line)
                return std::nullopt;
            const int order = key.compare(std::string_view(*line).substr(0, line->find(' ')));
            if (order == 0)
                return line;
            if (order < 0)
                high = middle;
            else
                low = start + line->size() + 1;
        }
        return std::nullopt;
    }

private:
    std::string Read(std::uint64_t offset, std::uint64_t count)
    {
        std::string text(static_cast<std::size_t>(count), '\0');
        if (file.pubseekpos(static_cast<std::streamoff>(offset), std::ios::in) < 0)
            return {};
        text.resize(static_cast<std::size_t>(
            std::max<std::streamsize>(file.sgetn(text.data(), static_cast<std::streamsize>(text.size())), 0)));
        return text;
    }

    // Where the first line starting at or after `offset` begins; the file's size for none
    // within maxLine bytes.
    std::uint64_t NextLineStart(std::uint64_t offset)
    {
        if (offset == 0)
            return 0;
        for (std::uint64_t from = offset - 1; from < size && from < offset + maxLine; from += firstRead) {
            const std::string text = Read(from, firstRead);
            const std::size_t newline = text.find('\n');
            if (newline != std::string::npos)
                return from + newline + 1;
            if (text.empty())
                break;
        }
        return size;
    }

    std::filebuf file;
    std::uint64_t size = 0;
};

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        if (end > at)
            fields.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return fields;
}

std::optional<std::uint64_t> Number(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

struct SuffixRule {
    std::string_view suffix;
    std::string_view ending;
};

// WordNet's rules for detaching inflectional endings, by part of speech.
constexpr SuffixRule nounRules[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                                    {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr SuffixRule verbRules[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                                    {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr SuffixRule adjectiveRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

struct PartOfSpeech {
    std::string_view file;  // the files' name part: index.noun, data.noun, noun.exc
    std::string_view name;
    const SuffixRule* rules;
    std::size_t ruleCount;
};

constexpr std::array<PartOfSpeech, 4> partsOfSpeech{{
    {"noun", "noun", nounRules, std::size(nounRules)},
    {"verb", "verb", verbRules, std::size(verbRules)},
    {"adj", "adjective", adjectiveRules, std::size(adjectiveRules)},
    {"adv", "adverb", nullptr, 0},
}};

}  // namespace

struct WordNet::Files {
    struct Part {
        bool open = false;
        LineFile index;
        LineFile data;
        LineFile exceptions;
    };
    std::array<Part, partsOfSpeech.size()> parts;
};

std::string WordNetFolder()
{
    const char* chosen = std::getenv("WNSEARCHDIR");
    return chosen != nullptr && *chosen != '\0' ? chosen : defaultWordNetFolder;
}

WordNet::WordNet(std::string folder) : folder(std::move(folder)) {}

WordNet::~WordNet() = default;

std::vector<WordMeaning> WordNet::Define(std::string_view word)
{
    if (!tried) {
        tried = true;
        files = std::make_unique<Files>();
        for (std::size_t p = 0; p < partsOfSpeech.size(); ++p) {
            Files::Part& part = files->parts[p];
            const std::string name(partsOfSpeech[p].file);
            part.open = part.index.Open(folder + "/index." + name) && part.data.Open(folder + "/data." + name);
            part.exceptions.Open(folder + "/" + name + ".exc");
        }
    }
    std::vector<WordMeaning> meanings;
    if (!files || word.empty() || word.size() > maxWord)
        return meanings;
    std::string key(word);
    for (char& c : key)
        c = c == ' ' ? '_' : (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);

    for (std::size_t p = 0; p < partsOfSpeech.size(); ++p) {
        Files::Part& part = files->parts[p];
        if (!part.open)
            continue;
        std::vector<std::string> candidates{key};
        if (const std::optional<std::string> line = part.exceptions.Find(key)) {
            const std::vector<std::string_view> fields = Fields(*line);
            candidates.insert(
                candidates.end(), fields.begin() + 1,
                fields.begin() + static_cast<std::ptrdiff_t>(std::min(fields.size(), maxExceptionBases + 1)));
        }
        const PartOfSpeech& pos = partsOfSpeech[p];
        for (const SuffixRule& rule : std::span(pos.rules, pos.ruleCount)) {
            if (key.size() > rule.suffix.size() && key.ends_with(rule.suffix))
                candidates.push_back(key.substr(0, key.size() - rule.suffix.size()).append(rule.ending));
        }
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            if (std::find(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(c), candidates[c]) !=
                candidates.begin() + static_cast<std::ptrdiff_t>(c))
                continue;
            const std::optional<std::string> entry = part.index.Find(candidates[c]);
            if (!entry)
                continue;
            // lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt synset_offset...
            const std::vector<std::string_view> fields = Fields(*entry);
            const std::optional<std::uint64_t> synsets = fields.size() > 3 ? Number(fields[2]) : std::nullopt;
            const std::optional<std::uint64_t> pointers = fields.size() > 3 ? Number(fields[3]) : std::nullopt;
            if (!synsets || !pointers || *synsets > fields.size() || *pointers > fields.size() ||
                *synsets + *pointers + 6 != fields.size())
                continue;
            WordMeaning meaning{std::string(fields[0]), std::string(pos.name), {}};
            std::replace(meaning.lemma.begin(), meaning.lemma.end(), '_', ' ');
            for (std::size_t s = fields.size() - *synsets; s < fields.size(); ++s) {
                // synset_offset lex_filenum ss_type w_cnt word lex_id ... | gloss
                const std::optional<std::uint64_t> offset = Number(fields[s]);
                const std::optional<std::string> synset = offset ? part.data.LineAt(*offset) : std::nullopt;
                const std::size_t bar = synset ? synset->find(" | ") : std::string::npos;
                if (bar == std::string::npos || synset->substr(0, synset->find(' ')) != fields[s])
                    continue;
                std::string gloss = synset->substr(bar + 3);
                gloss.erase(gloss.find_last_not_of(' ') + 1);
                if (!gloss.empty())
                    meaning.glosses.push_back(std::move(gloss));
            }
            if (!meaning.glosses.empty())
                meanings.push_back(std::move(meaning));
        }
    }
    return meanings;
}

std::string FormatDefinition(const std::vector<WordMeaning>& meanings, DefinitionDetail detail)
{
    const bool brief = detail == DefinitionDetail::Brief;
    const std::size_t meaningCount = brief ? std::min<std::size_t>(meanings.size(), 3) : meanings.size();
    std::string text;
    for (std::size_t m = 0; m < meaningCount; ++m) {
        const WordMeaning& meaning = meanings[m];
        text += meaning.lemma + " (" + meaning.partOfSpeech + ")\n";
        const std::size_t senses = brief ? std::min<std::size_t>(meaning.glosses.size(), 2) : meaning.glosses.size();
        for (std::size_t s = 0; s < senses; ++s) {
            const std::string& gloss = meaning.glosses[s];
            // Examples follow the definition as quoted text after "; ".
            const std::string_view shown = brief ? std::string_view(gloss).substr(0, gloss.find("; \"")) : gloss;
            text += "  " + std::to_string(s + 1) + ". ";
            text.append(shown);
            text += '\n';
        }
    }
    return text;
}
