#pragma once

// Dictionary files for tests: made by the shipped writer, patched at the offsets the format fixes
// where a test needs a broken or unusual file, and written to a temporary folder.

#include "dictionary/InputEngine.h"
#include "tools/glimdict/TsdWriter.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

using Bytes = std::vector<std::uint8_t>;

// Where the fields of a file with `slots` length slots start.
struct TsdLayout {
    TsdLayout(int version, std::size_t slots)
        : offsets(version ? 18 + 12 * slots : 6), counts(offsets + 4 * slots), description(counts + 4 * slots),
          symbols(description + (version ? 1004 : 84)) {}
    std::size_t offsets, counts, description, symbols;
    std::size_t Symbol(unsigned char s) const { return symbols + 8 * s; }
};

inline std::uint32_t U32At(const Bytes& bytes, std::size_t at)
{
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 | static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

inline Bytes Tsd(int version, const std::vector<std::string>& words, const CodeTable* codes = nullptr, const std::string& description = "")
{
    TsdWriter writer(version);
    writer.SetDescription(description);
    for (const std::string& word : words)
        if (!writer.Add(word))
            throw std::invalid_argument("the writer refuses " + word);
    return codes ? writer.Bytes(*codes) : writer.Bytes();
}

// The texts of a section's records as the engine returns them; none when it cannot seek there.
inline std::vector<std::string> SectionTexts(InputEngine& engine, std::uint32_t length)
{
    std::vector<std::string> texts;
    if (engine.SeekLength(length))
        for (const auto* record = &engine.Next(); !record->AtEnd(); record = &engine.Next())
            texts.emplace_back(record->Text());
    return texts;
}

// A folder under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<int> serial{0};
        path = std::filesystem::temp_directory_path() / ("glim-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream(File(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return File(name);
    }
    std::filesystem::path path;
};
