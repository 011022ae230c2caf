#pragma once

// Builds dictionary files byte by byte for the tests, independent of the shipped tool, so the
// reader is checked against the file layout itself rather than against our own writer.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct TestSymbol {
    std::uint8_t letter = 0;
    std::uint8_t codeLength = 0;
    std::int16_t letterIndex = -1;
    std::uint32_t code = 0;
};

// Least significant bit first, as the sections are read.
class BitWriter {
public:
    void Bit(unsigned bit);
    // The code's highest bit first.
    void Code(std::uint32_t code, unsigned length);
    Bytes Take() const { return bytes; }

private:
    Bytes bytes;
    unsigned used = 8;
};

class TestDictionaryWriter {
public:
    explicit TestDictionaryWriter(int version = 1, std::uint16_t lengthSlots = 32);

    // Letters A-Z and a-z count as their capital; every byte in `alphabet` (and 0 and newline)
    // gets a fixed-length code of the same width, wide enough for all of them.
    void UseAlphabet(const std::string& alphabet);
    TestSymbol& Symbol(std::uint8_t value) { return symbols[value]; }

    // Appends a record (its symbols, then symbol 0, then a flag bit in version 1) to the section
    // of `slot`; the caller picks the slot, so wrong letter counts can be written on purpose.
    void AddRecord(std::uint32_t slot, const std::string& text, unsigned flag = 1);
    void AddWord(const std::string& text);
    // Raw section bytes instead of encoded records; the writer adds no terminator.
    void SetRawSection(std::uint32_t slot, const Bytes& section);
    void SetDescription(const std::string& text) { description = text; }
    void SetWordCount(std::uint32_t slot, std::uint32_t count) { countOverride[slot] = count; }

    Bytes Build() const;
    // Size of everything before the first section.
    std::size_t HeaderSize() const;

private:
    int version;
    std::uint16_t lengthSlots;
    TestSymbol symbols[256];
    std::string description;
    std::map<std::uint32_t, BitWriter> sections;
    std::map<std::uint32_t, Bytes> rawSections;
    std::map<std::uint32_t, std::uint32_t> counts;
    std::map<std::uint32_t, std::uint32_t> countOverride;
};

// A folder under the system's temporary folder, removed with its contents on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::filesystem::path Path(const std::string& name) const { return folder / name; }
    std::string Write(const std::string& name, const Bytes& bytes) const;

private:
    std::filesystem::path folder;
};

// Letters counted the way the test alphabet counts them.
std::uint32_t LetterCountOf(const std::string& text);
