// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/DecodingTables.h"

void DecodingTables::Reset()
{
    for (std::size_t s = 0; s < 256; ++s)
        pairs[s] = {0, notLetter};
    for (std::size_t n = 256; n < pairs.size(); ++n)
        pairs[n] = {unset, unset};
    quickNode.fill(unset);
    quickLength.fill(0);
    letterTable.fill('!');
    symbolLetters.fill(0);
}

bool DecodingTables::Build(const std::array<SymbolRecord, 256>& records)
{
    Reset();
    std::int32_t nextFree = root + 1;
    for (std::int32_t s = 0; s < 256; ++s) {
        const SymbolRecord& record = records[static_cast<std::size_t>(s)];
        symbolLetters[static_cast<std::size_t>(s)] = static_cast<char>(record.letter);
        if (record.codeLength > maxCodeLength || record.letterIndex > 254)
            return false;
        if (record.codeLength != 0) {
            // Walk the code's bits from the highest down to bit 1, creating inner nodes only
            // along the path taken; bit 0 then names the branch that becomes the leaf.
            std::int32_t node = root;
            for (std::uint32_t bit = record.codeLength - 1; bit >= 1; --bit) {
                auto& branch = pairs[static_cast<std::size_t>(node)][(record.code >> bit) & 1u];
                if (branch == unset) {
                    if (nextFree >= static_cast<std::int32_t>(pairs.size()))
                        return false;
                    branch = nextFree++;
                } else if (branch < root) {
                    return false;  // passes through another symbol's leaf
                }
                node = branch;
            }
            auto& leaf = pairs[static_cast<std::size_t>(node)][record.code & 1u];
            if (leaf != unset)
                return false;  // the leaf is taken, or the code is a prefix of another
            leaf = s;
            pairs[static_cast<std::size_t>(s)][0] = record.codeLength;
        }
        if (record.letterIndex >= 0) {
            pairs[static_cast<std::size_t>(s)][1] = record.letterIndex;
            letterTable[static_cast<std::size_t>(record.letterIndex)] = static_cast<char>(record.letter);
        }
    }

    for (std::uint32_t b = 0; b < 256; ++b) {
        std::int32_t node = root;
        std::int32_t used = 0;
        while (used < 8 && node >= root) {
            node = pairs[static_cast<std::size_t>(node)][(b >> used) & 1u];
            ++used;
        }
        quickNode[b] = node;
        quickLength[b] = used;
    }
    return true;
}
