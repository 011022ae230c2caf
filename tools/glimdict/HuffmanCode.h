// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// A prefix code over the 256 byte values, as a dictionary's symbol table stores it.
struct SymbolCode {
    std::uint8_t length = 0;  // bits; 0 for a symbol without a code
    std::uint32_t code = 0;  // in the low `length` bits, first bit of the code the highest
};
using CodeTable = std::array<SymbolCode, 256>;
using SymbolCounts = std::array<std::uint64_t, 256>;

// A minimum-redundancy code for the symbols with a count above 0, no code longer than maxLength
// bits (1 to 32). A lone symbol gets a one-bit code. Codes are canonical: shorter codes come first
// and codes of one length follow symbol order.
CodeTable BuildLimitedHuffmanCode(const SymbolCounts& counts, unsigned maxLength);
