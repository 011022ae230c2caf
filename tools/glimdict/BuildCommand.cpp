// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Cp1252.h"
#include "tools/glimdict/AtomicFile.h"
#include "tools/glimdict/Commands.h"
#include "tools/glimdict/TsdWriter.h"
#include "tools/glimdict/WordListReader.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

struct BuildArguments {
    int version = 1;
    std::optional<std::string> description;  // UTF-8
    FilterOptions filter;
    std::string wordList;
    std::string output;
};

int UsageError(const std::string& message)
{
    std::cerr << "glimdict build: " << message << "\n"
              << "usage: glimdict build [--format 0|1] [--description TEXT] [--proper-nouns] "
                 "[--possessives] WORDLIST OUT.tsd\n";
    return exitUsage;
}

// Returns an exit status when the arguments are unusable.
std::optional<int> ParseArguments(int argc, char** argv, BuildArguments& args)
{
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--format" || arg == "--description") {
            if (i + 1 >= argc)
                return UsageError(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--description")
                args.description = value;
            else if (value == "0" || value == "1")
                args.version = value[0] - '0';
            else
                return UsageError("--format must be 0 or 1, not \"" + value + "\"");
        } else if (arg == "--proper-nouns") {
            args.filter.keepProperNouns = true;
        } else if (arg == "--possessives") {
            args.filter.keepPossessives = true;
        } else {
            return UsageError("unknown option " + arg);
        }
    }
    if (positional.size() != 2)
        return UsageError("expected a word list and an output file");
    args.wordList = positional[0];
    args.output = positional[1];
    return std::nullopt;
}

std::string Summary(const BuildArguments& args, const WordListReader& list, std::size_t bytes)
{
    std::string text = args.output + ": " + std::to_string(list.Words().size()) + " words written (TSD" +
                       std::to_string(args.version) + "), " + std::to_string(list.SkippedTotal()) + " skipped";
    std::string reasons;
    for (std::size_t r = 1; r < skipReasonCount; ++r) {
        const auto reason = static_cast<SkipReason>(r);
        if (list.Skipped(reason) == 0)
            continue;
        reasons += (reasons.empty() ? "" : ", ") + std::to_string(list.Skipped(reason)) + " " + SkipReasonText(reason);
    }
    if (!reasons.empty())
        text += " (" + reasons + ")";
    return text + ", " + std::to_string(bytes) + " bytes";
}

}  // namespace

int RunBuild(int argc, char** argv)
{
    BuildArguments args;
    if (const auto status = ParseArguments(argc, argv, args))
        return *status;

    TsdWriter writer(args.version);
    const std::string descriptionUtf8 =
        args.description.value_or("Words from " + std::filesystem::path(args.wordList).filename().string());
    const auto description = Utf8ToCp1252(descriptionUtf8);
    if (!description)
        return UsageError("the description cannot be written in Windows-1252");
    if (!writer.SetDescription(*description))
        std::cerr << "glimdict build: description cut to " << writer.DescriptionCapacity() << " bytes\n";

    WordListReader list(args.filter);
    std::string error;
    if (!list.ReadFile(args.wordList, error)) {
        std::cerr << "glimdict build: cannot read " << error << "\n";
        return exitFailure;
    }
    if (list.Lines() == 0) {
        std::cerr << "glimdict build: " << args.wordList << " holds no words\n";
        return exitFailure;
    }
    if (list.Words().empty()) {
        std::cerr << "glimdict build: none of the " << list.Lines() << " words of " << args.wordList
                  << " can be stored; nothing written\n";
        return exitFailure;
    }
    for (const std::string& word : list.Words()) {
        if (!writer.Add(word)) {
            // The filter keeps only what the writer accepts; a refusal here is a bug.
            std::cerr << "glimdict build: internal error: cannot store \"" << Cp1252ToUtf8(word) << "\"\n";
            return exitFailure;
        }
    }

    const std::vector<std::uint8_t> bytes = writer.Bytes();
    if (!WriteFileAtomically(args.output, bytes, error)) {
        std::cerr << "glimdict build: " << error << "\n";
        return exitFailure;
    }
    std::cout << Summary(args, list, bytes.size()) << "\n";
    return 0;
}
