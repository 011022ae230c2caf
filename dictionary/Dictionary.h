// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary/DecodingTables.h"
#include "dictionary/TSDictionaryList.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The header and decoding tables of one dictionary file. Every field describes the file named by
// Name() as it was when last read; IsValid() reads the file again when it has been rewritten.
class TSDictionaryList::Dictionary {
public:
    static constexpr std::size_t maxSlots = 32;
    static constexpr std::size_t descriptionSize = 1000;

    Dictionary();
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // Reads the file's header and tables (and its blocks when loadAll). Returns at once, without
    // reading, when the dictionary is valid and name equals its current name exactly. With no name
    // it only resets. False when the file is missing, unreadable or breaks the format's limits.
    bool Open(std::optional<std::string> name, bool loadAll);
    // The last Open's outcome, after reading the file again when its last-write time changed.
    bool IsValid();

    const std::string& Name() const { return name ? *name : emptyName; }
    std::int32_t Version() const { return version; }
    std::uint16_t LengthSlots() const { return lengthSlots; }
    // slot must be below maxSlots. May lie past the end of the file (a file cut short, or an
    // empty slot), where the section reader finds no words.
    std::uint32_t SectionOffset(std::size_t slot) const { return sectionOffset[slot]; }
    std::uint32_t WordCount(std::size_t slot) const { return wordCount[slot]; }
    // Up to the first NUL; never more than the bytes of the description field.
    std::string Description() const;
    const DecodingTables& Tables() const { return tables; }
    std::uint32_t RefCount() const { return refCount; }
    std::int16_t BlockSize() const { return blockSize; }
    std::size_t BlockCount() const { return blocks.size(); }

private:
    friend class TSDictionaryList;

    // Clears every header field and table, leaving description as it is.
    void ResetHeader();
    // Reads the open file's header and tables; false on a short read or a broken limit.
    bool ReadHeader(std::istream& in, std::uint64_t fileSize);

    inline static const std::string emptyName;

    DecodingTables tables;
    std::optional<std::string> name;
    bool ok = false;
    bool loadAll = false;
    // Nanoseconds since the file clock's epoch; 0 before the first successful read.
    std::int64_t lastWriteTime = 0;
    std::uint32_t refCount = 1;
    std::array<char, descriptionSize> description{};
    std::int32_t version = 0;
    std::array<std::uint32_t, 3> reservedHeader{};
    std::uint16_t lengthSlots = 0;
    std::array<std::uint32_t, maxSlots> sectionOffset{};
    std::array<std::uint32_t, maxSlots> wordCount{};
    std::array<std::uint32_t, maxSlots> reservedTable1{};
    std::array<std::uint32_t, maxSlots> reservedTable2{};
    std::array<std::uint32_t, maxSlots> reservedTable3{};
    std::int16_t blockSize = 0;
    std::uint16_t reservedWord = 0;
    std::vector<std::vector<char>> blocks;
};
