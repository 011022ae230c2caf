// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/PrefixFilter.h"

#include <algorithm>

namespace {

// FNV-1a, one byte at a time, so the hash of each start of a key comes on the way to the next.
constexpr std::uint32_t fnvBasis = 2166136261u;
constexpr std::uint32_t fnvPrime = 16777619u;
// Whole words are told apart from starts by a last step no letter makes.
constexpr std::uint8_t wordEnd = 0;

std::uint32_t Step(std::uint32_t hash, std::uint8_t byte)
{
    return (hash ^ byte) * fnvPrime;
}

std::uint32_t HashOf(std::string_view letters)
{
    std::uint32_t hash = fnvBasis;
    for (const char c : letters) {
        hash = Step(hash, static_cast<std::uint8_t>(c));
    }
    return hash;
}

}  // namespace

PrefixFilter::PrefixFilter() : bits((std::size_t{1} << bitsLog2) / 64, 0) {}

void PrefixFilter::Clear()
{
    std::fill(bits.begin(), bits.end(), 0);
}

void PrefixFilter::Add(std::string_view key)
{
    std::uint32_t hash = fnvBasis;
    for (const char c : key) {
        hash = Step(hash, static_cast<std::uint8_t>(c));
        Set(hash);
    }
    Set(Step(hash, wordEnd));
}

bool PrefixFilter::MayStart(std::string_view letters) const
{
    return Test(HashOf(letters));
}

bool PrefixFilter::MayBeWord(std::string_view letters) const
{
    return Test(Step(HashOf(letters), wordEnd));
}

bool PrefixFilter::Test(std::uint32_t hash) const
{
    // The top bits of a multiplicative mix spread FNV's weaker low bits over the table.
    const std::uint32_t bit = (hash * 0x9E3779B1u) >> (32 - bitsLog2);
    return (bits[bit / 64] >> (bit % 64)) & 1;
}

void PrefixFilter::Set(std::uint32_t hash)
{
    const std::uint32_t bit = (hash * 0x9E3779B1u) >> (32 - bitsLog2);
    bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
}
