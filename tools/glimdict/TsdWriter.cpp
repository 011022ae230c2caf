// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/glimdict/TsdWriter.h"

#include "tools/glimdict/Cp1252Letters.h"

#include <stdexcept>

namespace {

constexpr std::size_t symbolCount = 256;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

void SetU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

// Appends bits to a byte vector, least significant bit of each byte first.
class BitSink {
public:
    explicit BitSink(std::vector<std::uint8_t>& out) : out(out) {}

    void Bit(bool bit)
    {
        if (used == 0)
            out.push_back(0);
        if (bit)
            out.back() = static_cast<std::uint8_t>(out.back() | (1u << used));
        used = (used + 1) % 8;
    }
    // A code goes out from its highest bit down.
    void Code(const SymbolCode& code)
    {
        for (unsigned k = code.length; k-- > 0;)
            Bit(((code.code >> k) & 1u) != 0);
    }
    // The next section starts on a fresh byte.
    void Align() { used = 0; }

private:
    std::vector<std::uint8_t>& out;
    unsigned used = 0;
};

// Letter index of a symbol: its capital's place in the alphabet, or -1 for a non-letter.
int LetterIndexOf(unsigned char symbol)
{
    const Cp1252Char c = ClassifyCp1252(symbol);
    return c.kind == CharKind::Letter ? c.capital - 'A' : -1;
}

}  // namespace

TsdWriter::TsdWriter(int version) : version(version)
{
    if (version != 0 && version != 1)
        throw std::invalid_argument("dictionary version must be 0 or 1");
}

std::size_t TsdWriter::DescriptionCapacity() const
{
    return version == 0 ? 79 : 999;
}

bool TsdWriter::SetDescription(std::string_view cp1252Text)
{
    description = std::string(cp1252Text.substr(0, DescriptionCapacity()));
    return description.size() == cp1252Text.size();
}

bool TsdWriter::Add(std::string_view cp1252Text, bool flag)
{
    if (cp1252Text.size() > maxTextBytes)
        return false;
    std::size_t letters = 0;
    for (char ch : cp1252Text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == 0 || byte == '\n')
            return false;
        const CharKind kind = ClassifyCp1252(byte).kind;
        if (kind == CharKind::LetterNoCapital)
            return false;
        if (kind == CharKind::Letter)
            ++letters;
    }
    if (letters == 0 || letters > maxLetters)
        return false;
    words.push_back({std::string(cp1252Text), letters, flag});
    return true;
}

SymbolCounts TsdWriter::Counts() const
{
    SymbolCounts counts{};
    std::array<bool, maxLetters + 1> used{};
    for (const Word& word : words) {
        for (char ch : word.text)
            ++counts[static_cast<unsigned char>(ch)];
        ++counts[0];
        used[word.letters] = true;
    }
    for (bool slot : used)
        if (slot)
            ++counts[0];
    return counts;
}

std::vector<std::uint8_t> TsdWriter::Bytes() const
{
    return Bytes(BuildLimitedHuffmanCode(Counts(), maxCodeLength));
}

std::vector<std::uint8_t> TsdWriter::Bytes(const CodeTable& codes) const
{
    const SymbolCounts counts = Counts();
    for (std::size_t s = 0; s < symbolCount; ++s) {
        if (codes[s].length > maxCodeLength || (counts[s] > 0 && codes[s].length == 0))
            throw std::invalid_argument("code table misses a symbol or has a code over 32 bits");
    }

    std::size_t longest = 0;
    for (const Word& word : words)
        longest = std::max(longest, word.letters);
    // Slot L holds the words of L letters; slot 0 is unused. No slot beyond the longest word.
    const std::size_t slots = words.empty() ? 0 : longest + 1;

    std::vector<std::uint8_t> out{'T', 'S', 'D', static_cast<std::uint8_t>('0' + version)};
    PutU16(out, static_cast<std::uint16_t>(slots));
    if (version == 1) {
        // The reserved fields hold what a TSD0 file stands for.
        for (int i = 0; i < 3; ++i)
            PutU32(out, 0);
        for (std::size_t i = 0; i < 2 * slots; ++i)
            PutU32(out, 0xFFFFFFFFu);
        for (std::size_t i = 0; i < slots; ++i)
            PutU32(out, 0);
    }
    const std::size_t offsetsAt = out.size();
    std::vector<std::uint32_t> wordCounts(slots, 0);
    for (const Word& word : words)
        ++wordCounts[word.letters];
    for (std::size_t i = 0; i < slots; ++i)
        PutU32(out, 0);  // section offsets, filled in below
    for (std::uint32_t count : wordCounts)
        PutU32(out, count);

    std::string field = description;
    field.resize(DescriptionCapacity() + 1, '\0');
    out.insert(out.end(), field.begin(), field.end());
    PutU16(out, 0);  // block size: no block section
    PutU16(out, 0);  // reserved word

    for (std::size_t s = 0; s < symbolCount; ++s) {
        const int letterIndex = LetterIndexOf(static_cast<unsigned char>(s));
        out.push_back(letterIndex >= 0 ? static_cast<std::uint8_t>('A' + letterIndex) : 0);
        out.push_back(codes[s].length);
        PutU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(letterIndex)));
        PutU32(out, codes[s].code);
    }
    // An empty block section, so that a reader that loads blocks finds a complete file.
    PutU16(out, 0);

    BitSink bits(out);
    for (std::size_t length = 0; length < slots; ++length) {
        if (out.size() > 0xFFFFFFFFu)
            throw std::length_error("dictionary larger than 4 GiB");
        SetU32(out, offsetsAt + 4 * length, static_cast<std::uint32_t>(out.size()));
        if (length == 0 || wordCounts[length] == 0)
            continue;  // the next slot starts at the same offset, which marks this one empty
        for (const Word& word : words) {
            if (word.letters != length)
                continue;
            for (char ch : word.text)
                bits.Code(codes[static_cast<unsigned char>(ch)]);
            bits.Code(codes[0]);
            if (version == 1)
                bits.Bit(word.flag);
        }
        bits.Code(codes[0]);
        bits.Align();
    }
    return out;
}
