// Writes a handful of small valid dictionaries (both versions, with annotations, apostrophes and
// an empty one) into the folder given as the only argument.

#include "TestDictionaryWriter.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void Save(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes)
{
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: dictionary_fuzz_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz' -";
    for (int version : {0, 1}) {
        TestDictionaryWriter writer(version, 8);
        writer.UseAlphabet(alphabet);
        writer.SetDescription("seed dictionary");
        for (const char* word : {"Tree", "Don't", "ice cream", "Polish", "polish", "cat", "ox"})
            writer.AddWord(word);
        writer.AddRecord(3, "dog\nan animal");
        Save(folder, "words" + std::to_string(version) + ".tsd", writer.Build());
    }
    TestDictionaryWriter example(0, 3);
    example.Symbol(0) = {0, 2, -1, 0};
    example.Symbol('A') = {'A', 2, 0, 1};
    example.Symbol('B') = {'B', 1, 1, 1};
    example.SetRawSection(2, {0x06});
    Save(folder, "example.tsd", example.Build());
    TestDictionaryWriter empty(1, 0);
    Save(folder, "empty.tsd", empty.Build());
    return 0;
}
