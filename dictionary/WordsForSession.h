// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameSession.h"
#include "dictionary/Words.h"

// Answers a game session's word questions from a word table, which must outlive it; the
// table's prefix filter turns most letters away before a lookup.
class WordsForSession : public SessionWords {
public:
    explicit WordsForSession(const Words& table) : words(table) {}

    std::string Spelling(std::string_view letters) const override { return words.Lookup(letters); }
    bool MayStart(std::string_view letters) const override { return words.Prefixes().MayStart(letters); }
    bool IsWord(std::string_view letters) const override
    {
        return words.Prefixes().MayBeWord(letters) && !words.Lookup(letters).empty();
    }

private:
    const Words& words;
};
