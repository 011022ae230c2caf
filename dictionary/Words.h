// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary/PrefixFilter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LoadProgress;

// The hash of a word table key before the bucket modulo: each byte, widened as a signed char,
// is XORed into the hash shifted two places left.
std::uint32_t WordHash(std::string_view text);

// The words of one dictionary in a fixed table of text buckets. Each bucket holds, in load
// order, "\n" key "\n" text for every word whose key hashes to it.
class Words {
public:
    static constexpr std::size_t bucketCount = 9851;
    static constexpr std::size_t bucketReserve = 400;

    Words();

    // Replaces the contents with the words of 2 to 31 letters of the dictionary at path (which
    // goes through file list parsing, so a ";" cuts it). A missing or invalid file leaves the
    // table empty. The path is recorded only at the very end, so handlers that run during
    // progress reports still see the previous one.
    void Load(const std::string& path, LoadProgress* progress = nullptr);
    // The dictionary's spelling of the word whose key is exactly letters, or an empty text.
    std::string Lookup(std::string_view letters) const;
    const std::string& FileName() const { return fileName; }
    std::uint32_t LoadedCount() const { return loadedCount; }
    // Whether the file's sections held fewer words than its header announces (a cut or damaged
    // file): the table then holds only the words before the damage.
    bool Damaged() const { return damaged; }
    // The words of 2 to 31 letters the file's header announces.
    std::uint64_t AnnouncedCount() const { return announcedCount; }
    // Every key loaded and every start of one, for searching the board for words.
    const PrefixFilter& Prefixes() const { return prefixes; }

private:
    friend class WordTableSink;

    std::vector<std::string> buckets;
    PrefixFilter prefixes;
    std::uint32_t loadedCount = 0;
    bool damaged = false;
    std::uint64_t announcedCount = 0;
    std::string fileName;
};
