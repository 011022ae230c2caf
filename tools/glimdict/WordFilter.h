// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Why a line of a word list does not become a dictionary word.
enum class SkipReason {
    None,  // kept
    NotEncodable,  // malformed UTF-8, or a character Windows-1252 cannot hold
    NoSingleCapital,  // a letter such as æ, œ or ß that no one capital stands for
    OtherCharacter,  // a digit, punctuation or symbol: only letters, apostrophes and hyphens
    Space,  // the game never loads words with a space
    TooShort,  // fewer than 2 letters
    TooLong,  // more than 31 letters, or too much text for one record
    ProperNoun,  // begins with a capital letter
    InnerCapital,  // a capital after the first letter, as in a trademark or unit (iPad, kHz)
    Apostrophe,  // a possessive or contraction (cat's, she'll)
    Fragment,  // ends in an apostrophe (aujourd'): never a word of its own
    Duplicate,  // an earlier word, or a plainer one, has the same letters
};
constexpr std::size_t skipReasonCount = 12;

// Short plural phrase for the build summary ("proper nouns").
const char* SkipReasonText(SkipReason reason);

struct FilterOptions {
    bool keepProperNouns = false;  // also keeps capitals inside a word
    bool keepPossessives = false;  // keeps every word with an apostrophe that does not end in one
};

struct WordVerdict {
    SkipReason reason = SkipReason::None;
    std::string text;  // the word in Windows-1252 when it is kept
    std::string key;  // its letters as the tiles spell them (A to Z), when it is kept
    bool plain = false;  // lower-case letters only: the spelling a shared key prefers
};

// Judges one word (UTF-8, without line end) on its own; duplicates are the list's business.
WordVerdict ClassifyWord(std::string_view utf8Word, const FilterOptions& options);
