// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/glimdict/WordFilter.h"

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reads a UTF-8 word list, one word per line, into the words a dictionary keeps, in list order,
// and counts the others by reason. Line ends may be LF or CRLF; surrounding blanks and tabs are
// trimmed, blank lines ignored, and a leading byte order mark dropped.
class WordListReader {
public:
    explicit WordListReader(FilterOptions options) : options(options) {}

    void AddLine(std::string_view line);
    // Reads every line of the stream; false on a read error.
    bool Read(std::istream& in);
    // Reads the named file; false with a message in error when it cannot be read.
    bool ReadFile(const std::string& path, std::string& error);

    // The kept words in Windows-1252, one per key: the first of a key, unless a later one is plain
    // where it was not (cant over can't, polish over Polish); the plain one takes its place.
    const std::vector<std::string>& Words() const { return words; }
    std::size_t Skipped(SkipReason reason) const { return skipped[static_cast<std::size_t>(reason)]; }
    std::size_t SkippedTotal() const;
    // Non-blank lines seen.
    std::size_t Lines() const { return lines; }

private:
    FilterOptions options;
    std::vector<std::string> words;
    // Per key, where its word is in `words` and whether that word is plain.
    std::unordered_map<std::string, std::pair<std::size_t, bool>> byKey;
    std::array<std::size_t, skipReasonCount> skipped{};
    std::size_t lines = 0;
    bool atStart = true;
};
