// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Dictionary text is stored in Windows-1252; the game shows it and the tool talks UTF-8 to the
// terminal and reads UTF-8 word lists. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the control characters of the same number, so every byte survives a round trip.

// Never fails: every Windows-1252 byte has a character.
std::string Cp1252ToUtf8(std::string_view text);

// None when the UTF-8 is malformed (bad sequence, overlong form, surrogate, beyond U+10FFFF) or
// names a character that Windows-1252 cannot hold.
std::optional<std::string> Utf8ToCp1252(std::string_view text);
