// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/glimdict/HuffmanCode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Turns a list of words into the bytes of a .tsd dictionary. Words are Windows-1252 text; each
// letter symbol counts as its capital A to Z (letter index 0 to 25), so the game finds a word by
// the capitals of its tiles. Words are grouped by letter count and keep their order within a group.
class TsdWriter {
public:
    static constexpr std::size_t maxLetters = 31;  // the highest slot a 32-slot file holds
    static constexpr std::size_t maxTextBytes = 898;  // what a reader's record area holds
    static constexpr unsigned maxCodeLength = 32;

    // version 0 writes "TSD0", 1 writes "TSD1".
    explicit TsdWriter(int version);

    int Version() const { return version; }
    // The description field's size less its terminator: 79 bytes in TSD0, 999 in TSD1.
    std::size_t DescriptionCapacity() const;
    // Stores the text cut to DescriptionCapacity(); false when it had to be cut.
    bool SetDescription(std::string_view cp1252Text);

    // Refuses (false) a text with byte 0 or a newline (they end records), a letter without a
    // single capital, no letter or more than maxLetters, or more than maxTextBytes bytes. The
    // flag is the bit that follows each record in TSD1.
    bool Add(std::string_view cp1252Text, bool flag = false);
    std::size_t WordCount() const { return words.size(); }

    // The file with a minimum-redundancy code over the symbols that the words use.
    std::vector<std::uint8_t> Bytes() const;
    // The file with the caller's code, which must give every symbol that occurs (and symbol 0) a
    // code of 1 to 32 bits; throws std::invalid_argument otherwise.
    std::vector<std::uint8_t> Bytes(const CodeTable& codes) const;

    // The symbol counts that Bytes() builds its code from: every byte of every word, one symbol 0
    // per word and one per non-empty section.
    SymbolCounts Counts() const;

private:
    struct Word {
        std::string text;
        std::size_t letters = 0;
        bool flag = false;
    };

    int version;
    std::string description;
    std::vector<Word> words;
};
