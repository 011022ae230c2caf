// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the dictionary sees each byte of Windows-1252 text: letters count towards a word's key as one
// capital A to Z; apostrophes, hyphens and spaces are shown but are no letters.

enum class CharKind {
    Letter,  // counts as the capital in Cp1252Char::capital
    LetterNoCapital,  // a letter with no single capital (æ, œ, ß, þ, ð, ƒ): no key can hold it
    Separator,  // apostrophe (straight or typographic), hyphen, space
    Other,  // digits, punctuation, symbols, control characters
};

struct Cp1252Char {
    CharKind kind = CharKind::Other;
    char capital = 0;  // 'A' to 'Z' for a Letter, else 0
    bool upper = false;  // a capital letter (of either letter kind)
};

Cp1252Char ClassifyCp1252(unsigned char byte);
