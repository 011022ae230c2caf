// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/SavedSession.h"

#include <cstdint>
#include <string>
#include <string_view>

// A game left unfinished: the session, the dictionary it was played with and when it was saved.
struct SavedGame {
    // The dictionary as the options name it ("English").
    std::string dictionary;
    // Milliseconds since 1970-01-01 UTC.
    std::int64_t savedAt = 0;
    SavedSession session;
    // The date a daily game belongs to ("2026-12-07"); empty for other games.
    std::string dailyDate;
};

enum class SavedGameFault {
    None,
    // Not a saved game of this program.
    Foreign,
    // Written by a later version of the game, in a layout or under rules this one does not know.
    Newer,
    // Cut short, altered, or holding values no game can have.
    Damaged,
};

// The saved game as a file's bytes, a few kilobytes at most for any game a player can reach.
std::string EncodeSavedGame(const SavedGame& game);
// Reads what EncodeSavedGame wrote into `game` and returns None, or says why the bytes are no
// saved game, leaving `game` in an unspecified state. Never reads outside `bytes`, and never
// allocates more than the bytes could hold, whatever they contain. Whether the session can stand
// on a board is GameSession::Load's to say.
SavedGameFault DecodeSavedGame(std::string_view bytes, SavedGame& game);
