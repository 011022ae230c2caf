// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/glimdict/HuffmanCode.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

// One item of the package-merge lists: a symbol, or a package of two items of the list below.
struct Item {
    std::uint64_t weight = 0;
    int symbol = -1;
    std::size_t left = 0;
    std::size_t right = 0;
};

void CountLeaves(const std::vector<Item>& items, std::size_t index, std::array<unsigned, 256>& depth)
{
    const Item& item = items[index];
    if (item.symbol >= 0) {
        ++depth[static_cast<std::size_t>(item.symbol)];
        return;
    }
    CountLeaves(items, item.left, depth);
    CountLeaves(items, item.right, depth);
}

// Package-merge (Larmore and Hirschberg): optimal code lengths under a length limit. A plain
// Huffman tree needs no limit for ordinary word lists, but skewed counts can make it deeper than
// a dictionary may store.
std::array<unsigned, 256> LimitedLengths(const SymbolCounts& counts, unsigned maxLength)
{
    std::array<unsigned, 256> lengths{};
    std::vector<Item> items;
    std::vector<std::size_t> leaves;
    for (int s = 0; s < 256; ++s) {
        if (counts[static_cast<std::size_t>(s)] > 0) {
            leaves.push_back(items.size());
            items.push_back({counts[static_cast<std::size_t>(s)], s, 0, 0});
        }
    }
    const std::size_t n = leaves.size();
    if (n == 0)
        return lengths;
    if (n == 1) {
        lengths[static_cast<std::size_t>(items[leaves[0]].symbol)] = 1;
        return lengths;
    }
    if (maxLength < 32 && n > (std::size_t{1} << maxLength))
        throw std::invalid_argument("too many symbols for the code length limit");

    const auto lighter = [&items](std::size_t a, std::size_t b) { return items[a].weight < items[b].weight; };
    std::stable_sort(leaves.begin(), leaves.end(), lighter);

    std::vector<std::size_t> list = leaves;
    for (unsigned level = 1; level < maxLength; ++level) {
        std::vector<std::size_t> packages;
        for (std::size_t i = 0; i + 1 < list.size(); i += 2) {
            packages.push_back(items.size());
            items.push_back({items[list[i]].weight + items[list[i + 1]].weight, -1, list[i], list[i + 1]});
        }
        std::vector<std::size_t> merged;
        merged.reserve(leaves.size() + packages.size());
        std::merge(leaves.begin(), leaves.end(), packages.begin(), packages.end(), std::back_inserter(merged), lighter);
        list = std::move(merged);
    }
    for (std::size_t i = 0; i < 2 * n - 2; ++i)
        CountLeaves(items, list[i], lengths);
    return lengths;
}

}  // namespace

CodeTable BuildLimitedHuffmanCode(const SymbolCounts& counts, unsigned maxLength)
{
    if (maxLength < 1 || maxLength > 32)
        throw std::invalid_argument("code length limit must be 1 to 32");
    const std::array<unsigned, 256> lengths = LimitedLengths(counts, maxLength);

    std::vector<int> order;
    for (int s = 0; s < 256; ++s)
        if (lengths[static_cast<std::size_t>(s)] > 0)
            order.push_back(s);
    std::stable_sort(order.begin(), order.end(), [&lengths](int a, int b) {
        return lengths[static_cast<std::size_t>(a)] < lengths[static_cast<std::size_t>(b)];
    });

    CodeTable table{};
    std::uint64_t next = 0;
    unsigned previousLength = 0;
    for (int s : order) {
        const unsigned length = lengths[static_cast<std::size_t>(s)];
        next <<= (length - previousLength);
        previousLength = length;
        table[static_cast<std::size_t>(s)] = {static_cast<std::uint8_t>(length), static_cast<std::uint32_t>(next)};
        ++next;
    }
    return table;
}
