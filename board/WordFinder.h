// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Board;
class Chip;

// A word that a chain on the board spells, and what the chain is worth.
struct FoundWord {
    // The chain's letters (a QU tile gives both), empty when no word was found.
    std::string letters;
    std::uint32_t value = 0;
    std::vector<Chip*> chain;
};

// What the search asks of a dictionary: whether some word may start with these letters (a
// "yes" may be wrong, a "no" must not be), and whether they are a word.
struct WordQuestions {
    std::function<bool(std::string_view)> mayStart;
    std::function<bool(std::string_view)> isWord;
};

// The highest-valued word of 2 to 31 letters that any chain of adjacent occupied tiles spells
// (no tile twice), valued as a selection is: the product of its tiles' values. Among words of
// equal value the first one met wins, searching from the lowest tiles up.
FoundWord FindBestWord(Board& board, const WordQuestions& ask);
