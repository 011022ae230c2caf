#include "tools/glimdict/HuffmanCode.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Sum over coded symbols of 2^(32 - length): exactly 2^32 for a complete prefix code.
std::uint64_t KraftSum(const CodeTable& table)
{
    std::uint64_t sum = 0;
    for (const SymbolCode& c : table)
        if (c.length > 0)
            sum += std::uint64_t{1} << (32 - c.length);
    return sum;
}

bool IsPrefixOf(const SymbolCode& a, const SymbolCode& b)
{
    return a.length <= b.length && (b.code >> (b.length - a.length)) == a.code;
}

void ExpectPrefixFree(const CodeTable& table)
{
    for (std::size_t a = 0; a < table.size(); ++a)
        for (std::size_t b = 0; b < table.size(); ++b)
            if (a != b && table[a].length > 0 && table[b].length > 0) {
                EXPECT_FALSE(IsPrefixOf(table[a], table[b])) << "symbol " << a << " is a prefix of " << b;
            }
}

} // namespace

TEST(HuffmanCode, GivesFrequentSymbolsShorterCodes)
{
    SymbolCounts counts{};
    counts['A'] = 1;
    counts['B'] = 1;
    counts['C'] = 2;
    counts['D'] = 4;
    const CodeTable table = BuildLimitedHuffmanCode(counts, 32);
    EXPECT_EQ(table['A'].length, 3);
    EXPECT_EQ(table['B'].length, 3);
    EXPECT_EQ(table['C'].length, 2);
    EXPECT_EQ(table['D'].length, 1);
    EXPECT_EQ(table['E'].length, 0);
    EXPECT_EQ(KraftSum(table), std::uint64_t{1} << 32);
    ExpectPrefixFree(table);

    SymbolCounts lone{};
    lone[0] = 7;
    EXPECT_EQ(BuildLimitedHuffmanCode(lone, 32)[0].length, 1) << "a lone symbol gets one bit";
}

// Fibonacci counts make a plain Huffman tree as deep as it has symbols; the limit must hold and
// the code must stay complete and prefix-free.
TEST(HuffmanCode, SkewedCountsStayWithinTheLengthLimit)
{
    SymbolCounts counts{};
    std::uint64_t a = 1;
    std::uint64_t b = 1;
    for (std::size_t s = 0; s < 60; ++s) {
        counts[s] = a;
        const std::uint64_t next = a + b;
        a = b;
        b = next;
    }
    for (unsigned limit : {32u, 12u, 6u}) {
        const CodeTable table = BuildLimitedHuffmanCode(counts, limit);
        for (std::size_t s = 0; s < 60; ++s) {
            EXPECT_GE(table[s].length, 1);
            EXPECT_LE(table[s].length, limit);
        }
        EXPECT_EQ(KraftSum(table), std::uint64_t{1} << 32) << "limit " << limit;
        ExpectPrefixFree(table);
    }
    EXPECT_THROW(BuildLimitedHuffmanCode(counts, 5), std::invalid_argument);
}
