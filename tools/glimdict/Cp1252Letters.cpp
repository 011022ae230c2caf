// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/glimdict/Cp1252Letters.h"

#include <array>

namespace {

// Capitals of 0xC0 to 0xFF (upper half first, then the same letters in small), 0 for a letter
// with no single capital and '-' for the two signs × and ÷. Ø and ø count as O: the stroke is read
// as an accent here, whereas the ligatures Æ, Œ, ß and the letters Ð, Þ stand for two sounds.
constexpr std::array<char, 32> latin1Capitals = {
    'A', 'A', 'A', 'A', 'A', 'A', 0,   'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',
    0,   'N', 'O', 'O', 'O', 'O', 'O', '-', 'O', 'U', 'U', 'U', 'U', 'Y', 0,   0,
};

Cp1252Char Letter(char capital, bool upper)
{
    return {capital != 0 ? CharKind::Letter : CharKind::LetterNoCapital, capital, upper};
}

}  // namespace

Cp1252Char ClassifyCp1252(unsigned char byte)
{
    if (byte >= 'A' && byte <= 'Z')
        return Letter(static_cast<char>(byte), true);
    if (byte >= 'a' && byte <= 'z')
        return Letter(static_cast<char>(byte - 'a' + 'A'), false);
    switch (byte) {
    case '\'':
    case '-':
    case ' ':
    case 0x92:  // right single quotation mark, the typographic apostrophe
        return {CharKind::Separator, 0, false};
    case 0x8A:
        return Letter('S', true);  // Š
    case 0x9A:
        return Letter('S', false);  // š
    case 0x8E:
        return Letter('Z', true);  // Ž
    case 0x9E:
        return Letter('Z', false);  // ž
    case 0x9F:
        return Letter('Y', true);  // Ÿ
    case 0x8C:
        return Letter(0, true);  // Œ
    case 0x9C:
        return Letter(0, false);  // œ
    case 0x83:
        return Letter(0, false);  // ƒ
    case 0xDF:
        return Letter(0, false);  // ß
    case 0xFF:
        return Letter('Y', false);  // ÿ
    default:
        break;
    }
    if (byte >= 0xC0) {
        const bool upper = byte < 0xE0;
        const char capital = latin1Capitals[(byte - 0xC0) % 32];
        if (capital == '-')
            return {};
        return Letter(capital, upper);
    }
    return {};
}
