// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Words.h"

#include "dictionary/LoadProgress.h"
#include "dictionary/StoredWords.h"
#include "dictionary/TSDictionaryList.h"

#include <algorithm>
#include <cstdint>

std::uint32_t WordHash(std::string_view text)
{
    std::uint32_t hash = 0;
    for (char c : text) {
        // Bytes of 128 and above enter sign-extended, whatever the platform's char signedness.
        const auto widened = static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
        hash = (hash << 2) ^ widened;
    }
    return hash;
}

namespace {

constexpr std::uint32_t progressStep = 256;

std::size_t BucketOf(std::string_view text)
{
    return WordHash(text) % Words::bucketCount;
}

}  // namespace

// Appends each kept word to its bucket and reports progress every progressStep words.
class WordTableSink final : public StoredWordSink {
public:
    WordTableSink(Words& words, LoadProgress* progress) : words(words), progress(progress) {}

    void Store(std::string_view key, std::string_view text) override
    {
        std::string& bucket = words.buckets[BucketOf(key)];
        bucket.push_back('\n');
        bucket.append(key);
        bucket.push_back('\n');
        bucket.append(text);
        words.prefixes.Add(key);
        ++words.loadedCount;
        if (progress && words.loadedCount % progressStep == 0) {
            progress->SetPosition(words.loadedCount);
            progress->LetMessagesRun();
        }
    }

private:
    Words& words;
    LoadProgress* progress;
};

// The buckets get their room at the first load: a table that never loads costs the program
// nothing at start-up.
Words::Words() : buckets(bucketCount) {}

void Words::Load(const std::string& path, LoadProgress* progress)
{
    loadedCount = 0;
    damaged = false;
    announcedCount = 0;
    for (std::string& bucket : buckets) {
        bucket.clear();
        bucket.reserve(bucketReserve);
    }
    prefixes.Clear();
    {
        TSDictionaryList list(path, false);
        if (!list.FailedName() && list.Size() >= 1) {
            announcedCount = AnnouncedWordCount(list, 0);
            if (progress) {
                progress->SetRange(static_cast<std::uint32_t>(std::min<std::uint64_t>(announcedCount, UINT32_MAX)));
                progress->LetMessagesRun();
            }
            WordTableSink sink(*this, progress);
            damaged = ForEachStoredWord(list, 0, sink) < announcedCount;
        }
    }
    fileName = path;
}

std::string Words::Lookup(std::string_view letters) const
{
    const std::string& bucket = buckets[BucketOf(letters)];
    // "\n" letters "\n", built on the stack for every key a dictionary can hold.
    constexpr std::size_t shortNeedle = 64;
    char stackNeedle[shortNeedle];
    std::string longNeedle;
    std::string_view needle;
    if (letters.size() + 2 <= shortNeedle) {
        stackNeedle[0] = '\n';
        letters.copy(stackNeedle + 1, letters.size());
        stackNeedle[letters.size() + 1] = '\n';
        needle = std::string_view(stackNeedle, letters.size() + 2);
    } else {
        longNeedle = '\n' + std::string(letters) + '\n';
        needle = longNeedle;
    }
    const std::size_t found = bucket.find(needle);
    if (found == std::string::npos)
        return {};
    const std::size_t start = found + needle.size();
    const std::size_t stop = bucket.find('\n', start);
    return bucket.substr(start, stop == std::string::npos ? std::string::npos : stop - start);
}
