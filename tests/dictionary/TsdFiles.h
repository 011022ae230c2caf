// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dictionary files for tests: made by the shipped writer, patched at the offsets the format fixes
// where a test needs a broken or unusual file, and written to a temporary folder.

#include "dictionary/InputEngine.h"
#include "tools/glimdict/TsdWriter.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using Bytes = std::vector<std::uint8_t>;

// Where a file's section offsets and symbol table start: fixed by the version and slot count.
inline std::size_t OffsetsAt(int version, std::size_t slots)
{
    return version ? 18 + 12 * slots : 6;
}
inline std::size_t SymbolsAt(int version, std::size_t slots)
{
    return OffsetsAt(version, slots) + 8 * slots + (version ? 1004 : 84);
}

inline std::uint32_t U32At(const Bytes& bytes, std::size_t at)
{
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 |
           static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

inline Bytes Tsd(int version, const std::vector<std::string>& words, const CodeTable* codes = nullptr,
                 const std::string& description = "")
{
    TsdWriter writer(version);
    writer.SetDescription(description);
    for (const std::string& word : words)
        EXPECT_TRUE(writer.Add(word)) << word;
    return codes ? writer.Bytes(*codes) : writer.Bytes();
}

// The texts of a section's records as the engine returns them; none when it cannot seek there.
inline std::vector<std::string> SectionTexts(InputEngine& engine, std::uint32_t length)
{
    std::vector<std::string> texts;
    for (const auto* record = engine.SeekLength(length) ? &engine.Next() : nullptr; record && !record->AtEnd();
         record = &engine.Next())
        texts.emplace_back(record->Text());
    return texts;
}

// A fresh folder under the system's temporary folder, removed with its contents.
struct TempFolder {
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream(File(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return File(name);
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "glim-test-XXXXXX").string();
    const std::filesystem::path path = ::mkdtemp(pattern.data());
};
