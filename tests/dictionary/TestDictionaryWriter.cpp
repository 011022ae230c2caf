#include "TestDictionaryWriter.h"

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

void Put(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

std::uint32_t LetterCountOf(const std::string& text)
{
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < text.size() && text[i] != '\n'; ++i)
        count += IsLetter(text[i]) ? 1 : 0;
    return count;
}

void BitWriter::Bit(unsigned bit)
{
    if (used == 8) {
        bytes.push_back(0);
        used = 0;
    }
    bytes.back() = static_cast<std::uint8_t>(bytes.back() | ((bit & 1u) << used++));
}

void BitWriter::Code(std::uint32_t code, unsigned length)
{
    for (unsigned bit = length; bit-- > 0;)
        Bit((code >> bit) & 1u);
}

void TestDictionaryWriter::UseAlphabet(const std::string& alphabet)
{
    const std::string all = std::string(1, '\0') + "\n" + alphabet;
    unsigned width = 1;
    while ((1u << width) < all.size())
        ++width;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char c = all[i];
        TestSymbol& symbol = symbols[static_cast<unsigned char>(c)];
        symbol = {0, static_cast<std::uint8_t>(width), -1, static_cast<std::uint32_t>(i)};
        if (IsLetter(c)) {
            const char capital = c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
            symbol.letter = static_cast<std::uint8_t>(capital);
            symbol.letterIndex = static_cast<std::int16_t>(capital - 'A');
        }
    }
}

void TestDictionaryWriter::AddRecord(std::uint32_t slot, const std::string& text, unsigned flag)
{
    BitWriter& bits = sections[slot];
    for (char c : text) {
        const TestSymbol& symbol = symbols[static_cast<unsigned char>(c)];
        if (symbol.codeLength == 0)
            throw std::logic_error("symbol without a code in test record");
        bits.Code(symbol.code, symbol.codeLength);
    }
    bits.Code(symbols[0].code, symbols[0].codeLength);
    if (version > 0)
        bits.Bit(flag);
    ++counts[slot];
}

void TestDictionaryWriter::AddWord(const std::string& text)
{
    AddRecord(LetterCountOf(text), text);
}

Bytes TestDictionaryWriter::Build() const
{
    std::vector<Bytes> bodies(lengthSlots);
    for (std::uint32_t slot = 1; slot < lengthSlots; ++slot) {
        if (rawSections.count(slot)) {
            bodies[slot] = rawSections.at(slot);
        } else if (sections.count(slot)) {
            BitWriter bits = sections.at(slot);
            bits.Code(symbols[0].code, symbols[0].codeLength);
            bodies[slot] = bits.Take();
        }
    }
    Bytes out = {'T', 'S', 'D', static_cast<std::uint8_t>('0' + version)};
    Put(out, lengthSlots, 2);
    if (version > 0) {
        out.insert(out.end(), 12, 0);
        for (std::uint32_t fill : {0xFFFFFFFFu, 0xFFFFFFFFu, 0u})
            for (std::uint32_t slot = 0; slot < lengthSlots; ++slot)
                Put(out, fill, 4);
    }
    std::size_t position = HeaderSize();
    for (std::uint32_t slot = 0; slot < lengthSlots; ++slot) {
        Put(out, static_cast<std::uint32_t>(position), 4);
        position += bodies[slot].size();
    }
    for (std::uint32_t slot = 0; slot < lengthSlots; ++slot)
        Put(out, counts.count(slot) ? counts.at(slot) : 0, 4);
    const std::size_t descriptionSize = version > 0 ? 1000 : 80;
    for (std::size_t i = 0; i < descriptionSize; ++i)
        out.push_back(i < description.size() ? static_cast<std::uint8_t>(description[i]) : 0);
    Put(out, 0, 4);
    for (const TestSymbol& symbol : symbols) {
        out.push_back(symbol.letter);
        out.push_back(symbol.codeLength);
        Put(out, static_cast<std::uint16_t>(symbol.letterIndex), 2);
        Put(out, symbol.code, 4);
    }
    if (out.size() != HeaderSize())
        throw std::logic_error("test writer layout is off");
    for (const Bytes& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

TempFolder::TempFolder()
{
    static std::atomic<int> serial{0};
    folder = std::filesystem::temp_directory_path()
        / ("glimdict-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string TempFolder::Write(const std::string& name, const Bytes& bytes) const
{
    const std::filesystem::path path = Path(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}
