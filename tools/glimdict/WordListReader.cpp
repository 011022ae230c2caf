// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/glimdict/WordListReader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>

namespace {

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace

void WordListReader::AddLine(std::string_view line)
{
    if (atStart) {
        atStart = false;
        constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
        if (line.substr(0, byteOrderMark.size()) == byteOrderMark)
            line.remove_prefix(byteOrderMark.size());
    }
    line = Trim(line);
    if (line.empty())
        return;
    ++lines;
    WordVerdict verdict = ClassifyWord(line, options);
    if (verdict.reason != SkipReason::None) {
        ++skipped[static_cast<std::size_t>(verdict.reason)];
        return;
    }
    const auto [entry, isNew] = byKey.try_emplace(verdict.key, words.size(), verdict.plain);
    if (isNew) {
        words.push_back(std::move(verdict.text));
        return;
    }
    ++skipped[static_cast<std::size_t>(SkipReason::Duplicate)];
    auto& [index, plain] = entry->second;
    if (verdict.plain && !plain)
        words[index] = std::move(verdict.text), plain = true;
}

bool WordListReader::Read(std::istream& in)
{
    std::string line;
    while (std::getline(in, line))
        AddLine(line);
    return !in.bad();
}

bool WordListReader::ReadFile(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + ": is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    if (!Read(in)) {
        error = path + ": read error";
        return false;
    }
    return true;
}

std::size_t WordListReader::SkippedTotal() const
{
    return std::accumulate(skipped.begin(), skipped.end(), std::size_t{0});
}
