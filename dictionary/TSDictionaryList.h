// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The dictionaries named in a ";"-separated file list. Dictionaries are shared through one
// process-wide cache: lists alive at the same time that name the same file (ignoring letter case)
// hold references on one Dictionary, which the cache destroys when its last reference goes.
// Building a list never fails as a whole; a missing or bad file is an entry that is not valid.
class TSDictionaryList {
public:
    class Dictionary;

    // Names are not trimmed; an empty name (";;" or a trailing ";") is an entry that is not found.
    explicit TSDictionaryList(std::string_view fileList, bool loadAll = false);
    ~TSDictionaryList();
    TSDictionaryList(const TSDictionaryList&) = delete;
    TSDictionaryList& operator=(const TSDictionaryList&) = delete;

    // The name of the first entry that is not valid (each entry is checked, which re-reads a
    // file that changed), or none.
    std::optional<std::string> FailedName() const;
    std::size_t Size() const { return dictionaries.size(); }
    bool IsValid(std::size_t index) const;
    std::uint16_t LengthSlots(std::size_t index) const;
    // 0 when length is not below the entry's slot count.
    std::uint32_t WordCount(std::size_t index, std::uint32_t length) const;
    // Meaningful for length below the slot count; 0 for lengths no slot table can hold.
    std::uint32_t SectionOffset(std::size_t index, std::uint32_t length) const;
    // The letter table's character for a letter index; "!" for an unused or impossible index.
    char LetterChar(std::size_t index, std::uint32_t letterIndex) const;
    // index must be below Size().
    Dictionary& Entry(std::size_t index) const;

    // The number of dictionaries alive in the process-wide cache.
    static std::size_t CacheSize();

private:
    // The cached dictionary of that name with one more reference, or a new one opened now.
    static Dictionary* Acquire(const std::string& name, bool loadAll);

    std::string fileList;
    std::vector<Dictionary*> dictionaries;
};
