// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameSession.h"

#include <cstdint>
#include <string>
#include <vector>

// A cell of the board by row and half-tile column.
struct CellAt {
    std::int32_t row = 0;
    std::int32_t column = 0;
    bool operator==(const CellAt&) const = default;
};

// A tile and the cell it stands in.
struct SavedTile {
    CellAt cell;
    std::string letter;
    std::uint32_t value = 0;
    bool operator==(const SavedTile&) const = default;
};

// Everything a game in progress is: its rules, counters, tiles, chain, typed word, best and missed
// words and the generator's state, as plain values that can be written out and read back.
struct SavedSession {
    GameRules rules;
    SessionState state;
    // The occupied cells, by row from the bottom and then by column.
    std::vector<SavedTile> tiles;
    // The chain in the order it was chosen.
    std::vector<CellAt> chain;
    std::string typed;
    std::vector<SessionWord> bestWords;
    std::int32_t newestBestWord = -1;
    SessionWord missedWord;
    std::vector<CellAt> missedChain;
    std::vector<std::uint32_t> random;
    GameKind kind = GameKind::Standard;
    // A daily game's stream of arrivals; empty for the other kinds.
    std::vector<std::uint32_t> dailyRandom;
};
