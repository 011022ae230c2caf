// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/TSDictionaryList.h"

#include "dictionary/Dictionary.h"

#include <algorithm>
#include <memory>

namespace {

// Every dictionary that some list refers to, in order of first opening; owns them.
std::vector<std::unique_ptr<TSDictionaryList::Dictionary>>& Cache()
{
    static std::vector<std::unique_ptr<TSDictionaryList::Dictionary>> cache;
    return cache;
}

// Windows file names compare without regard to letter case; lists keep that rule so that two
// spellings of one name share a dictionary.
bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

TSDictionaryList::Dictionary* TSDictionaryList::Acquire(const std::string& name, bool loadAll)
{
    auto& cache = Cache();
    for (auto& dictionary : cache) {
        if (SameNameIgnoringCase(dictionary->Name(), name)) {
            ++dictionary->refCount;
            return dictionary.get();
        }
    }
    auto created = std::make_unique<TSDictionaryList::Dictionary>();
    created->Open(name, loadAll);
    cache.push_back(std::move(created));
    return cache.back().get();
}

TSDictionaryList::TSDictionaryList(std::string_view list, bool loadAll) : fileList(list)
{
    if (fileList.empty())
        return;
    std::string_view rest = fileList;
    for (;;) {
        const auto separator = rest.find(';');
        dictionaries.push_back(Acquire(std::string(rest.substr(0, separator)), loadAll));
        if (separator == std::string_view::npos)
            break;
        rest.remove_prefix(separator + 1);
    }
}

TSDictionaryList::~TSDictionaryList()
{
    auto& cache = Cache();
    for (Dictionary* dictionary : dictionaries) {
        if (--dictionary->refCount != 0)
            continue;
        const auto found =
            std::find_if(cache.begin(), cache.end(), [&](const auto& held) { return held.get() == dictionary; });
        if (found != cache.end())
            cache.erase(found);
    }
}

std::optional<std::string> TSDictionaryList::FailedName() const
{
    // Every entry is checked, so each one that changed on disk is read again now.
    std::optional<std::string> failed;
    for (Dictionary* dictionary : dictionaries)
        if (!dictionary->IsValid() && !failed)
            failed = dictionary->Name();
    return failed;
}

bool TSDictionaryList::IsValid(std::size_t index) const
{
    return Entry(index).IsValid();
}

std::uint16_t TSDictionaryList::LengthSlots(std::size_t index) const
{
    return Entry(index).LengthSlots();
}

std::uint32_t TSDictionaryList::WordCount(std::size_t index, std::uint32_t length) const
{
    const Dictionary& dictionary = Entry(index);
    return length < dictionary.LengthSlots() ? dictionary.WordCount(length) : 0;
}

std::uint32_t TSDictionaryList::SectionOffset(std::size_t index, std::uint32_t length) const
{
    return length < Dictionary::maxSlots ? Entry(index).SectionOffset(length) : 0;
}

char TSDictionaryList::LetterChar(std::size_t index, std::uint32_t letterIndex) const
{
    return letterIndex < 256 ? Entry(index).Tables().letterTable[letterIndex] : '!';
}

TSDictionaryList::Dictionary& TSDictionaryList::Entry(std::size_t index) const
{
    return *dictionaries.at(index);
}

std::size_t TSDictionaryList::CacheSize()
{
    return Cache().size();
}
