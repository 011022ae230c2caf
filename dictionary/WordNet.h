// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Where Debian's package wordnet-base puts WordNet's database.
inline constexpr const char* defaultWordNetFolder = "/usr/share/wordnet";
// The folder of WordNet's database the game reads: WNSEARCHDIR when it is set, as WordNet's own
// tools have it, else the default.
std::string WordNetFolder();

// One entry of WordNet for a word: a base form in one part of speech and its senses, most
// frequent first. Each gloss is WordNet's text: the definition, then any examples after "; ".
struct WordMeaning {
    std::string lemma;  // spaces where WordNet has underscores
    std::string partOfSpeech;  // "noun", "verb", "adjective" or "adverb"
    std::vector<std::string> glosses;

    friend bool operator==(const WordMeaning&, const WordMeaning&) = default;
};

// Reads the definitions of English words from WordNet's database files (index.*, data.* and
// *.exc) in one folder. It opens nothing until the first lookup; a missing folder or a missing
// or damaged file gives no meanings (a damaged line is skipped) and never reads outside a line.
//
// Read directly rather than through WordNet's own C library: that library keeps global state,
// reads its folder from the environment, copies lines into fixed buffers without bounds checks
// and would make WordNet a hard dependency, while the game must run well without it.
class WordNet {
public:
    explicit WordNet(std::string folder);
    ~WordNet();
    WordNet(const WordNet&) = delete;
    WordNet& operator=(const WordNet&) = delete;

    // The meanings of `word` (letter case ignored) and of its base forms, found through the
    // exception lists and the suffix rules ("tiles" finds "tile", "tumbled" "tumble"): nouns,
    // then verbs, adjectives and adverbs, each the word itself before its base forms.
    std::vector<WordMeaning> Define(std::string_view word);

private:
    struct Files;
    std::string folder;
    std::unique_ptr<Files> files;
    bool tried = false;
};

// How much of the meanings a text shows.
enum class DefinitionDetail {
    Brief,  // a few lines: two senses of up to three meanings, definitions without examples
    Full,  // every sense with its examples
};

// The meanings as lines of text: "lemma (part of speech)" and under it "  1. gloss" per sense.
// Empty for no meanings.
std::string FormatDefinition(const std::vector<WordMeaning>& meanings, DefinitionDetail detail);
