// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a dictionary file: opened in both modes, checked, loaded into the word
// table and looked up. Whatever the bytes, nothing may read or write outside its buffers.

#include "dictionary/Dictionary.h"
#include "dictionary/TSDictionaryList.h"
#include "dictionary/Words.h"

#include <unistd.h>
#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("glim-fuzz-" + std::to_string(::getpid()) + ".tsd")).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    {
        TSDictionaryList full(path, true);
        if (full.IsValid(0)) {
            for (std::uint32_t length = 0; length < 40; ++length)
                (void)full.WordCount(0, length);
            (void)full.Entry(0).Description();
        }
    }
    static Words words;
    words.Load(path);
    for (const char* letters : {"AB", "CAT", "TREE", "DONT", ""})
        (void)words.Lookup(letters);
    return 0;
}
