// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Dictionary.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr char notFoundText[] = "-- DICTIONARY FILE NOT FOUND --";
constexpr char invalidText[] = "-- INVALID DICTIONARY FILE --";

// The file's last-write time at the clock's full resolution, or none when it cannot be read.
std::optional<std::int64_t> ReadLastWriteTime(const std::string& path)
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return static_cast<std::int64_t>(time.time_since_epoch().count());
}

// Little-endian reads that report a short read instead of leaving garbage.
class LittleEndianReader {
public:
    explicit LittleEndianReader(std::istream& in) : in(in) {}

    bool Bytes(char* out, std::size_t count)
    {
        in.read(out, static_cast<std::streamsize>(count));
        return static_cast<std::size_t>(in.gcount()) == count;
    }
    template <typename T>
    bool Number(T& out)
    {
        unsigned char raw[sizeof(T)];
        if (!Bytes(reinterpret_cast<char*>(raw), sizeof(T)))
            return false;
        std::uint64_t value = 0;
        for (std::size_t i = sizeof(T); i-- > 0;)
            value = (value << 8) | raw[i];
        out = static_cast<T>(value);
        return true;
    }
    bool Table(std::array<std::uint32_t, TSDictionaryList::Dictionary::maxSlots>& table, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            if (!Number(table[i]))
                return false;
        return true;
    }

private:
    std::istream& in;
};

void SetDescription(std::array<char, TSDictionaryList::Dictionary::descriptionSize>& field, const char* text)
{
    field.fill(0);
    std::memcpy(field.data(), text, std::strlen(text));
}

}  // namespace

TSDictionaryList::Dictionary::Dictionary()
{
    tables.Reset();
    SetDescription(description, invalidText);
}

TSDictionaryList::Dictionary::~Dictionary()
{
    Open(std::nullopt, false);
}

void TSDictionaryList::Dictionary::ResetHeader()
{
    tables.Reset();
    version = 0;
    reservedHeader.fill(0);
    lengthSlots = 0;
    sectionOffset.fill(0);
    wordCount.fill(0);
    reservedTable1.fill(0xFFFFFFFFu);
    reservedTable2.fill(0xFFFFFFFFu);
    reservedTable3.fill(0);
    blockSize = 0;
    reservedWord = 0;
    blocks.clear();
}

bool TSDictionaryList::Dictionary::Open(std::optional<std::string> newName, bool newLoadAll)
{
    if (ok && newName && name && *newName == *name)
        return true;

    ok = false;
    loadAll = newLoadAll;
    lastWriteTime = 0;
    name = std::move(newName);
    ResetHeader();
    SetDescription(description, invalidText);
    if (!name)
        return false;

    std::ifstream in(*name, std::ios::binary);
    const auto writeTime = in ? ReadLastWriteTime(*name) : std::nullopt;
    if (!writeTime) {
        SetDescription(description, notFoundText);
        return false;
    }
    lastWriteTime = *writeTime;

    std::error_code error;
    const std::uint64_t fileSize = std::filesystem::file_size(*name, error);
    if (error || !ReadHeader(in, fileSize)) {
        ResetHeader();
        return false;
    }
    ok = true;
    return true;
}

bool TSDictionaryList::Dictionary::ReadHeader(std::istream& in, std::uint64_t fileSize)
{
    LittleEndianReader read(in);
    char magic[4];
    if (!read.Bytes(magic, 4) || std::memcmp(magic, "TSD", 3) != 0 || (magic[3] != '0' && magic[3] != '1'))
        return false;
    version = magic[3] - '0';
    if (!read.Number(lengthSlots) || lengthSlots > maxSlots)
        return false;
    if (version > 0) {
        for (auto& field : reservedHeader)
            if (!read.Number(field))
                return false;
        if (!read.Table(reservedTable1, lengthSlots) || !read.Table(reservedTable2, lengthSlots) ||
            !read.Table(reservedTable3, lengthSlots))
            return false;
    }
    if (!read.Table(sectionOffset, lengthSlots) || !read.Table(wordCount, lengthSlots))
        return false;

    // Once the field is read it replaces the stock text, even if a later read fails.
    const std::size_t descriptionBytes = version > 0 ? descriptionSize : 80;
    std::array<char, descriptionSize> text{};
    if (!read.Bytes(text.data(), descriptionBytes))
        return false;
    description = text;

    if (!read.Number(blockSize) || !read.Number(reservedWord))
        return false;
    std::array<SymbolRecord, 256> records;
    for (auto& record : records)
        if (!read.Number(record.letter) || !read.Number(record.codeLength) || !read.Number(record.letterIndex) ||
            !read.Number(record.code))
            return false;
    if (!tables.Build(records))
        return false;

    if (loadAll) {
        std::uint16_t blockCount = 0;
        if (!read.Number(blockCount) || blockSize < 0)
            return false;
        // Check the claimed size against the file before allocating for it.
        const auto wanted = static_cast<std::uint64_t>(blockCount) * static_cast<std::uint64_t>(blockSize);
        if (wanted > fileSize)
            return false;
        blocks.assign(blockCount, std::vector<char>(static_cast<std::size_t>(blockSize)));
        for (auto& block : blocks)
            if (!read.Bytes(block.data(), block.size()))
                return false;
    }
    return true;
}

bool TSDictionaryList::Dictionary::IsValid()
{
    if (name) {
        const auto writeTime = ReadLastWriteTime(*name);
        if (writeTime && *writeTime == lastWriteTime)
            return ok;
    }
    std::optional<std::string> copy = name;
    const bool wasLoadAll = loadAll;
    Open(std::nullopt, false);
    Open(std::move(copy), wasLoadAll);
    return ok;
}

std::string TSDictionaryList::Dictionary::Description() const
{
    const auto end = std::find(description.begin(), description.end(), '\0');
    return std::string(description.begin(), end);
}
