// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as WordNet's noun files: split at its first two zero bytes, the input is the
// index.noun, data.noun and noun.exc of a folder of their own, in which a few words are looked up
// and their meanings formatted. Whatever the bytes, nothing may read or write outside its buffers.

#include "dictionary/WordNet.h"

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("glim-wordnet-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"index.noun", "data.noun", "noun.exc"}) {
        const std::size_t end = std::min(bytes.find('\0'), bytes.size());
        std::ofstream(folder / name, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
    WordNet wordNet(folder.string());
    for (const char* word : {"tile", "tiles", "geese", "ice cream", "boxes", "a", ""})
        (void)FormatDefinition(wordNet.Define(word), DefinitionDetail::Full);
    return 0;
}
