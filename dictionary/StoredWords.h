// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class TSDictionaryList;

// Receives each word that the word table keeps: its key (the letter characters of its letters)
// and its text as the dictionary spells it, both Windows-1252, valid only during the call.
class StoredWordSink {
public:
    virtual ~StoredWordSink() = default;
    virtual void Store(std::string_view key, std::string_view text) = 0;
};

// Decodes the words of 2 to 31 letters of one entry of the list, lengths ascending and in file
// order within a length, and hands the kept ones to the sink. Records with a space in their text
// and records whose letter count differs from their section's length are left out. Returns how
// many records the sections held, kept or not: fewer than the header counts when a section breaks
// off early, as in a cut or damaged file.
std::uint64_t ForEachStoredWord(const TSDictionaryList& list, std::size_t index, StoredWordSink& sink);
// The words of 2 to 31 letters that the header of the list's entry announces.
std::uint64_t AnnouncedWordCount(const TSDictionaryList& list, std::size_t index);

// Lengths that the word table reads.
inline constexpr std::size_t firstStoredLength = 2;
inline constexpr std::size_t lastStoredLength = 31;
