// Writes a handful of small valid dictionaries (both versions, a deep code, apostrophes, hyphens,
// accents and an empty one) with the shipped writer into the folder given as the only argument.

#include "tools/glimdict/TsdWriter.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: dictionary_fuzz_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const auto save = [&folder](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    };
    for (int version : {0, 1}) {
        TsdWriter writer(version);
        writer.SetDescription("seed dictionary");
        for (const char* word : {"Tree", "Don't", "ice cream", "Polish", "polish", "cat", "ox", "caf\xE9", "co-op"})
            writer.Add(word, true);
        save("words" + std::to_string(version) + ".tsd", writer.Bytes());
        // Doubling counts give codes as long as the format allows.
        SymbolCounts skewed{};
        for (std::size_t s = 0, rank = 0; s < 256; ++s)
            skewed[s] = writer.Counts()[s] ? std::uint64_t{1} << rank++ : 0;
        save("deep" + std::to_string(version) + ".tsd", writer.Bytes(BuildLimitedHuffmanCode(skewed, 32)));
    }
    save("empty.tsd", TsdWriter(1).Bytes());
    return 0;
}
