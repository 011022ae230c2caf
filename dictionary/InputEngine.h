// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary/TSDictionaryList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Decodes the word sections of one dictionary of a list, one record per Next(). Reads the file
// through its own POSIX handle in 16384-byte blocks. Live engines are linked oldest first, so
// that when the process runs out of file handles a new engine can take the handle of an older
// one, which reopens its file and resumes where it stopped on its next read. The list must
// outlive the engine; engines are meant to live on their caller's stack.
class InputEngine {
public:
    static constexpr std::size_t blockSize = 16384;

    // One decoded record: letter indices in bytes 0..49 (byte 0 is 0xFF at the end of the
    // section), bytes 50..99 reserved, text in bytes 100..999: the record's characters,
    // zero-terminated where its first newline stood, then the annotation and a zero. Letters
    // beyond the current record keep what an earlier record left there.
    struct Record {
        static constexpr std::size_t letterBytes = 50;
        static constexpr std::size_t textStart = 100;
        static constexpr std::size_t textBytes = 900;

        std::array<unsigned char, 1000> bytes{};

        bool AtEnd() const { return bytes[0] == 0xFF; }
        unsigned char Letter(std::size_t position) const { return bytes[position]; }
        // The word's own text: up to its first newline (or zero), never past the text area.
        std::string_view Text() const;
    };

    InputEngine(const TSDictionaryList& list, std::size_t index);
    ~InputEngine();
    InputEngine(const InputEngine&) = delete;
    InputEngine& operator=(const InputEngine&) = delete;

    // Positions the engine at the section of words of `length` letters and reads its first
    // block. False for an invalid dictionary, a length without a slot, an empty slot, or a file
    // that cannot be opened or yields no byte; the record is then all zero but for letters byte
    // `length`, which is 0xFF.
    bool SeekLength(std::uint32_t length);
    // The next record of the section, or the end marker when the section is over: after its
    // terminator, at the end of the file (a record or flag bit that the file cuts off is not
    // returned), on a read error or on a bit path the code does not know. Records longer than
    // the record area are cut, not spilled.
    const Record& Next();
    // How many letters the last record had before its first newline; may exceed letterBytes, in
    // which case only the first letterBytes were kept.
    std::uint32_t LetterCount() const { return letterCount; }
    bool HasHandle() const { return handle >= 0; }

private:
    // Decoding outcomes besides a symbol value 0..255.
    static constexpr std::int32_t unsetBranch = -1;
    static constexpr std::int32_t noMoreData = -2;

    bool Fill();
    bool OpenHandle();
    void CloseHandle();
    // Takes the handle of the oldest engine that has one; false when none has.
    static bool TakeOldestHandle();
    bool NextWord();
    std::int32_t TakeBit();
    std::int32_t DecodeSymbol();
    void EndSection();
    std::uint32_t WordAt(std::size_t wordIndex) const;
    // Bits of the buffer used so far; those from dataBits on are padding, not file data.
    std::size_t BitsTaken() const { return wordIndex * 32 + bitPosition; }

    static InputEngine* oldest;
    static InputEngine* newest;

    InputEngine* next = nullptr;
    InputEngine* previous = nullptr;
    const TSDictionaryList& list;
    std::size_t index;
    TSDictionaryList::Dictionary& dictionary;
    int handle = -1;
    std::uint32_t resumeOffset = 0;
    Record record;
    std::array<unsigned char, blockSize> buffer{};
    std::uint32_t current = 0;
    std::size_t wordIndex = 0;
    std::size_t endWord = 0;
    std::size_t dataBits = 0;
    std::uint32_t bitPosition = 0;
    std::uint32_t length = 0;
    std::int32_t mode = 0;
    bool sectionOpen = false;
    std::uint32_t letterCount = 0;
};
