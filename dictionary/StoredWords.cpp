// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/StoredWords.h"

#include "dictionary/InputEngine.h"

#include <array>

std::uint64_t AnnouncedWordCount(const TSDictionaryList& list, std::size_t index)
{
    std::uint64_t total = 0;
    for (std::uint32_t length = firstStoredLength; length <= lastStoredLength; ++length)
        total += list.WordCount(index, length);
    return total;
}

std::uint64_t ForEachStoredWord(const TSDictionaryList& list, std::size_t index, StoredWordSink& sink)
{
    std::uint64_t records = 0;
    InputEngine engine(list, index);
    std::array<char, lastStoredLength> key{};
    for (std::uint32_t length = firstStoredLength; length <= lastStoredLength; ++length) {
        if (!engine.SeekLength(length))
            continue;
        for (;;) {
            const InputEngine::Record& record = engine.Next();
            if (record.AtEnd())
                break;
            ++records;
            const std::string_view text = record.Text();
            if (engine.LetterCount() != length || text.find(' ') != std::string_view::npos)
                continue;
            for (std::uint32_t i = 0; i < length; ++i)
                key[i] = list.LetterChar(index, record.Letter(i));
            sink.Store(std::string_view(key.data(), length), text);
        }
    }
    return records;
}
