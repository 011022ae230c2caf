// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// One 8-byte symbol record of a dictionary file, as read (fields already little-endian decoded).
struct SymbolRecord {
    std::uint8_t letter = 0;
    std::uint8_t codeLength = 0;
    std::int16_t letterIndex = -1;
    std::uint32_t code = 0;
};

// The prefix-code tree, the 8-bit quick table and the letter table built from the 256 symbol
// records. Pairs 0..255 are (code length, letter index or notLetter) of each symbol; pairs
// 256..510 are the (branch 0, branch 1) node numbers of the inner nodes, unset while -1. A branch
// value below 256 is a leaf, that is a symbol.
struct DecodingTables {
    static constexpr std::int32_t root = 256;
    static constexpr std::int32_t unset = -1;
    static constexpr std::int32_t notLetter = 255;
    static constexpr std::uint32_t maxCodeLength = 32;

    std::array<std::array<std::int32_t, 2>, 511> pairs{};
    // For each byte b: the node reached from the root by b's bits, lowest first, stopping at a
    // leaf, at an unset branch or after 8 bits; and how many bits that took (8 for an inner node).
    std::array<std::int32_t, 256> quickNode{};
    std::array<std::int32_t, 256> quickLength{};
    // Letter index -> letter character; "!" for an index that no symbol uses.
    std::array<char, 256> letterTable{};
    // The letter field of every symbol record; kept for completeness, unused in play.
    std::array<char, 256> symbolLetters{};

    // Back to the empty state: no codes, no letters.
    void Reset();
    // Builds every table from the records. False when the records break a limit that the
    // reader relies on: a letter index above 254, a code length above 32, or codes that are not
    // a prefix code (one passes through another's leaf, two claim one leaf, or they need more
    // than 255 inner nodes). The tables are unusable after a false result.
    bool Build(const std::array<SymbolRecord, 256>& records);
};
