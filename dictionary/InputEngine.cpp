// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/InputEngine.h"

#include "dictionary/Dictionary.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <limits>

InputEngine* InputEngine::oldest = nullptr;
InputEngine* InputEngine::newest = nullptr;

namespace {

constexpr unsigned char endMarker = 0xFF;
constexpr std::int32_t flagBitMode = 2;
constexpr std::int32_t newlineSymbol = 10;
// The last text byte is never written, so the text area always ends with a zero.
constexpr std::size_t textLimit = InputEngine::Record::textBytes - 1;

}  // namespace

std::string_view InputEngine::Record::Text() const
{
    const auto* start = reinterpret_cast<const char*>(bytes.data() + textStart);
    return std::string_view(start, strnlen(start, textBytes));
}

InputEngine::InputEngine(const TSDictionaryList& list, std::size_t index)
    : list(list), index(index), dictionary(list.Entry(index))
{
    previous = newest;
    if (newest)
        newest->next = this;
    else
        oldest = this;
    newest = this;
}

InputEngine::~InputEngine()
{
    CloseHandle();
    (previous ? previous->next : oldest) = next;
    (next ? next->previous : newest) = previous;
}

void InputEngine::CloseHandle()
{
    if (handle >= 0)
        ::close(handle);
    handle = -1;
}

bool InputEngine::TakeOldestHandle()
{
    for (InputEngine* engine = oldest; engine; engine = engine->next) {
        if (engine->handle < 0)
            continue;
        const off_t position = ::lseek(engine->handle, 0, SEEK_CUR);
        // An unknown position resumes at the largest offset, which reads nothing and so ends
        // that engine's section rather than replaying it.
        engine->resumeOffset = (position < 0 || position > std::numeric_limits<std::uint32_t>::max())
                                   ? std::numeric_limits<std::uint32_t>::max()
                                   : static_cast<std::uint32_t>(position);
        engine->CloseHandle();
        return true;
    }
    return false;
}

bool InputEngine::OpenHandle()
{
    for (;;) {
        handle = ::open(dictionary.Name().c_str(), O_RDONLY | O_CLOEXEC);
        if (handle >= 0)
            break;
        if ((errno != EMFILE && errno != ENFILE) || !TakeOldestHandle())
            return false;
    }
    if (resumeOffset != 0 && ::lseek(handle, static_cast<off_t>(resumeOffset), SEEK_SET) < 0)
        return false;
    return true;
}

bool InputEngine::Fill()
{
    if (handle < 0 && !OpenHandle())
        return false;
    std::size_t received = 0;
    while (received < buffer.size()) {
        const ssize_t got = ::read(handle, buffer.data() + received, buffer.size() - received);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        received += static_cast<std::size_t>(got);
    }
    // Whole words are decoded, so the bytes up to the next word boundary must be defined; their
    // bits lie past the end of the file and are never taken as data.
    const std::size_t rounded = (received + 3) / 4 * 4;
    std::memset(buffer.data() + received, 0, rounded - received);
    dataBits = received * 8;
    bitPosition = 0;
    wordIndex = 0;
    endWord = rounded / 4;
    current = endWord > 0 ? WordAt(0) : 0;
    return received > 0;
}

std::uint32_t InputEngine::WordAt(std::size_t at) const
{
    const unsigned char* p = buffer.data() + at * 4;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool InputEngine::SeekLength(std::uint32_t newLength)
{
    length = newLength;
    mode = dictionary.Version() > 0 ? flagBitMode : 0;
    CloseHandle();
    sectionOpen = false;
    bitPosition = 0;
    wordIndex = endWord = 0;
    if (list.IsValid(index) && length >= 1 && length < list.LengthSlots(index)) {
        resumeOffset = list.SectionOffset(index, length);
        const bool lastSlot = length + 1u == list.LengthSlots(index);
        const bool emptySlot = !lastSlot && list.SectionOffset(index, length + 1) <= resumeOffset;
        if (!emptySlot && !Fill())
            CloseHandle();
    }
    record.bytes.fill(0);
    if (length < Record::letterBytes)
        record.bytes[length] = endMarker;
    sectionOpen = handle >= 0;
    return sectionOpen;
}

void InputEngine::EndSection()
{
    record.bytes[0] = endMarker;
    bitPosition = 0;
    wordIndex = endWord;
    sectionOpen = false;
}

bool InputEngine::NextWord()
{
    if (wordIndex + 1 < endWord) {
        ++wordIndex;
        current = WordAt(wordIndex);
        bitPosition = 0;
        return true;
    }
    return Fill();
}

std::int32_t InputEngine::TakeBit()
{
    if (bitPosition >= 32 && !NextWord())
        return noMoreData;
    if (BitsTaken() >= dataBits)
        return noMoreData;
    return static_cast<std::int32_t>((current >> bitPosition++) & 1u);
}

std::int32_t InputEngine::DecodeSymbol()
{
    const DecodingTables& tables = dictionary.Tables();
    if (bitPosition >= 32 && !NextWord())
        return noMoreData;

    // Up to 8 bits at once through the quick table; its entry counts only when every bit it
    // used is real data, otherwise the remaining bits are joined with the next word's.
    const std::uint32_t left = 32 - bitPosition;
    const std::uint32_t bits = current >> bitPosition;
    std::uint32_t byte = bits & 0xFFu;
    std::int32_t node = tables.quickNode[byte];
    auto used = static_cast<std::uint32_t>(tables.quickLength[byte]);
    if (used <= left) {
        bitPosition += used;
    } else if (wordIndex + 1 < endWord) {
        const std::uint32_t following = WordAt(wordIndex + 1);
        byte = (bits | following << left) & 0xFFu;
        node = tables.quickNode[byte];
        used = static_cast<std::uint32_t>(tables.quickLength[byte]);
        if (used <= left) {
            bitPosition += used;
        } else {
            ++wordIndex;
            current = following;
            bitPosition = used - left;
        }
    } else {
        node = DecodingTables::root;
    }
    if (BitsTaken() > dataBits)
        return noMoreData;

    while (node >= DecodingTables::root) {
        const std::int32_t bit = TakeBit();
        if (bit < 0)
            return noMoreData;
        node = tables.pairs[static_cast<std::size_t>(node)][static_cast<std::size_t>(bit)];
    }
    return node;
}

const InputEngine::Record& InputEngine::Next()
{
    letterCount = 0;
    if (!sectionOpen) {
        record.bytes[0] = endMarker;
        return record;
    }
    const DecodingTables& tables = dictionary.Tables();
    unsigned char* text = record.bytes.data() + Record::textStart;
    std::size_t textLength = 0;
    bool newlineSeen = false;
    for (;;) {
        const std::int32_t symbol = DecodeSymbol();
        if (symbol < 0) {
            EndSection();
            return record;
        }
        if (symbol == 0) {
            if (textLength < textLimit)
                text[textLength] = 0;
            break;
        }
        const bool newline = symbol == newlineSymbol;
        if (textLength < textLimit)
            text[textLength++] = newline ? 0 : static_cast<unsigned char>(symbol);
        if (newline) {
            newlineSeen = true;
        } else if (!newlineSeen) {
            const auto letter = static_cast<unsigned char>(tables.pairs[static_cast<std::size_t>(symbol)][1]);
            if (letter != DecodingTables::notLetter) {
                if (letterCount < Record::letterBytes)
                    record.bytes[letterCount] = letter;
                ++letterCount;
            }
        }
    }
    if (letterCount == 0 && !newlineSeen) {
        --mode;
        EndSection();
        return record;
    }
    if (mode == flagBitMode && TakeBit() < 0)
        EndSection();
    return record;
}
