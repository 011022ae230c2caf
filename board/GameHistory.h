// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameSession.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One finished game, as the history keeps it.
struct FinishedGame {
    // The local date and time it ended, "2026-12-07T21:14:00"; a daily game's own date for
    // daily games.
    std::string ended;
    std::string dictionary;
    GameKind kind = GameKind::Standard;
    std::uint32_t score = 0;
    std::uint32_t words = 0;
    // The most valuable word (as the player reads it, UTF-8) and its value; the longest word
    // among the game's best words.
    std::string bestWord;
    std::uint32_t bestValue = 0;
    std::string longestWord;
    std::uint32_t livesEarned = 0;
    // Seconds of play, pauses left out.
    std::uint32_t seconds = 0;
    bool operator==(const FinishedGame&) const = default;
};

// The history as text: one line a game, its fields apart by TAB, a line ending each:
//   "1", ended, dictionary, kind ("standard", "daily" or "relaxed"), score, words, best value,
//   lives earned, seconds, best word, longest word.
// Words and names never hold a TAB or a line end (they are replaced by a space when written).
std::string HistoryLine(const FinishedGame& game);
// The games of a history's text in order. A line that is not a game of this layout is skipped
// and counted in `damaged`.
std::vector<FinishedGame> ReadHistory(std::string_view text, std::size_t& damaged);

// What the games of one dictionary and kind add up to.
struct GameStatistics {
    std::uint32_t games = 0;
    std::uint64_t seconds = 0;
    std::uint32_t bestScore = 0;
    double meanScore = 0;
    double medianScore = 0;
    std::uint64_t words = 0;
    std::string longestWord;
    std::string bestWord;
    std::uint32_t bestValue = 0;
    std::uint64_t livesEarned = 0;
    // Daily games only: dates played one after another up to `today` (or yesterday while today
    // is unplayed), and the longest such run ever.
    std::uint32_t currentStreak = 0;
    std::uint32_t bestStreak = 0;
    // The scores of the last games, oldest first, at most 100.
    std::vector<std::uint32_t> recentScores;
};

// Counts the games of `dictionary` and `kind` in `history`; `today` is "2026-12-07".
GameStatistics CountGames(const std::vector<FinishedGame>& history, std::string_view dictionary, GameKind kind,
                          std::string_view today);
