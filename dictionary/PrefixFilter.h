// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Answers, for the search of words on a board, whether some word of a dictionary may start with
// given letters and whether they may be a word. A "no" is always right; a "yes" is wrong for a
// few strings in a hundred, so a word found must still be looked up. It keeps one bit per hash
// of every word and of every start of one (a sorted copy of the keys would take several times
// the memory and the load time).
class PrefixFilter {
public:
    PrefixFilter();

    void Clear();
    // Records a word's key and every start of it.
    void Add(std::string_view key);

    bool MayStart(std::string_view letters) const;
    bool MayBeWord(std::string_view letters) const;

private:
    static constexpr unsigned bitsLog2 = 21;

    bool Test(std::uint32_t hash) const;
    void Set(std::uint32_t hash);

    std::vector<std::uint64_t> bits;
};
