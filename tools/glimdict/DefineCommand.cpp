// SPDX-License-Identifier: GPL-3.0-or-later
// glimdict define: the definitions the game shows for words, through the game's own WordNet reader.

#include "tools/glimdict/Commands.h"

#include "dictionary/WordNet.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* usage = "usage: glimdict define [--brief] [--wordnet FOLDER] WORD...\n";

}  // namespace

int RunDefine(int argc, char** argv)
{
    std::string folder = WordNetFolder();
    DefinitionDetail detail = DefinitionDetail::Full;
    int first = 0;
    for (; first < argc && std::string_view(argv[first]).starts_with("--"); ++first) {
        const std::string_view option = argv[first];
        if (option == "--brief") {
            detail = DefinitionDetail::Brief;
        } else if (option == "--wordnet" && first + 1 < argc) {
            folder = argv[++first];
        } else {
            std::cerr << "glimdict: "
                      << (option == "--wordnet" ? "--wordnet needs a folder" : "unknown option " + std::string(option))
                      << "\n"
                      << usage;
            return 2;
        }
    }
    if (first == argc) {
        std::cerr << usage;
        return 2;
    }
    WordNet wordNet(folder);
    bool allFound = true;
    bool printed = false;
    for (int i = first; i < argc; ++i) {
        const std::string text = FormatDefinition(wordNet.Define(argv[i]), detail);
        if (text.empty()) {
            std::cerr << "glimdict: no definition of " << argv[i] << "\n";
            allFound = false;
            continue;
        }
        std::cout << (printed ? "\n" : "") << argv[i] << "\n" << text;
        printed = true;
    }
    return allFound ? 0 : 1;
}
