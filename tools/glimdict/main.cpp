// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/glimdict/Commands.h"

#include <iostream>
#include <string>

namespace {

constexpr const char* usage =
    "usage: glimdict COMMAND ARGUMENTS\n"
    "  build [--format 0|1] [--description TEXT] [--proper-nouns] [--possessives] WORDLIST OUT.tsd\n"
    "        make a dictionary from a UTF-8 word list, one word per line\n"
    "  info FILE.tsd             whether the file is valid, its version, slots, word counts, description\n"
    "  words FILE.tsd            every word the game loads: key, TAB, spelling\n"
    "  lookup FILE.tsd LETTERS...  the spelling the game finds for each key; exit 1 if one is missing\n"
    "  define [--brief] [--wordnet FOLDER] WORDS...\n"
    "        what each word means, as the game shows it (--brief: its tool tip) from WordNet's files\n"
    "        (by default in $WNSEARCHDIR, else /usr/share/wordnet); exit 1 if one has no definition\n";

}  // namespace

// Exit status: 0 success, 1 a failure of the command (or a word not found by lookup), 2 a usage error.
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << usage;
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << usage;
        return 0;
    }
    if (command == "build")
        return RunBuild(argc - 2, argv + 2);
    if (command == "info")
        return RunInfo(argc - 2, argv + 2);
    if (command == "words")
        return RunWords(argc - 2, argv + 2);
    if (command == "lookup")
        return RunLookup(argc - 2, argv + 2);
    if (command == "define")
        return RunDefine(argc - 2, argv + 2);
    std::cerr << "glimdict: unknown command \"" << command << "\"\n" << usage;
    return 2;
}
