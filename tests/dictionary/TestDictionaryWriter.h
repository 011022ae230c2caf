#pragma once

// Builds dictionary files byte by byte, independent of the shipped tool, so the reader is checked
// against the file layout itself rather than against our own writer.

#include "dictionary/InputEngine.h"
#include "dictionary/TSDictionaryList.h"

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

// Least significant bit first, as the sections are read; codes go highest bit first.
class BitWriter {
public:
    void Bit(unsigned bit);
    void Code(std::uint32_t code, unsigned length);
    Bytes Take() const { return bytes; }

private:
    Bytes bytes;
    unsigned used = 8;
};

class TestDictionaryWriter {
public:
    explicit TestDictionaryWriter(int version = 1, std::uint16_t lengthSlots = 32)
        : version(version), lengthSlots(lengthSlots) {}

    // A-Z and a-z count as their capital; every byte of `alphabet` (and 0 and newline) gets a
    // fixed-length code of one width.
    void UseAlphabet(const std::string& alphabet);
    TestSymbol& Symbol(std::uint8_t value) { return symbols[value]; }

    // A record (symbols, symbol 0, and a flag bit in version 1) in the section of `slot`; the
    // caller picks the slot, so wrong letter counts can be written on purpose.
    void AddRecord(std::uint32_t slot, const std::string& text, unsigned flag = 1);
    void AddWord(const std::string& text);
    // Raw section bytes, written without a terminator.
    void SetRawSection(std::uint32_t slot, const Bytes& section) { rawSections[slot] = section; }
    void SetDescription(const std::string& text) { description = text; }

    Bytes Build() const;
    // Size of everything before the first section.
    std::size_t HeaderSize() const { return version > 0 ? 3070 + 20u * lengthSlots : 2138 + 8u * lengthSlots; }

private:
    int version;
    std::uint16_t lengthSlots;
    TestSymbol symbols[256];
    std::string description;
    std::map<std::uint32_t, BitWriter> sections;
    std::map<std::uint32_t, Bytes> rawSections;
    std::map<std::uint32_t, std::uint32_t> counts;
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

// A built file opened as the game opens it, with an engine on its first dictionary.
struct OpenedDictionary {
    explicit OpenedDictionary(const Bytes& bytes) : list(folder.Write("d.tsd", bytes)), engine(list, 0) {}
    TempFolder folder;
    TSDictionaryList list;
    InputEngine engine;
};

// Letters counted the way the test alphabet counts them.
std::uint32_t LetterCountOf(const std::string& text);
