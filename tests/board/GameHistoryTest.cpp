// SPDX-License-Identifier: GPL-3.0-or-later
// The history of finished games reads back as written, skips what it cannot read, and adds up.
#include "board/GameHistory.h"

#include <gtest/gtest.h>

namespace {

FinishedGame Game(const char* ended, GameKind kind, std::uint32_t score, const char* best = "ox",
                  std::uint32_t bestValue = 4)
{
    return {ended, "English", kind, score, 3, best, bestValue, best, 1, 60};
}

}  // namespace

// Written and read back, each game is the same; tabs and line ends in a word cannot split a line;
// a line of another layout, a bad number, date or kind is skipped and counted.
TEST(GameHistory, GamesReadBackAsWrittenAndDamagedLinesAreSkipped)
{
    const FinishedGame games[] = {Game("2026-12-07T21:14:00", GameKind::Daily, 3456, "jukebox", 288),
                                  {"2026-12-08T08:00:00", "Deutsch", GameKind::Relaxed, 0, 0, "", 0, "", 0, 1}};
    std::string text;
    for (const FinishedGame& game : games)
        text += HistoryLine(game);
    FinishedGame split = games[0];
    split.bestWord = "a\tb\nc";
    text += HistoryLine(split);
    for (const char* bad : {"2\t2026-12-07T00:00:00\tEnglish\tstandard\t1\t1\t1\t1\t1\tox\tox",
                            "1\t2026-13-01T00:00:00\tEnglish\tstandard\t1\t1\t1\t1\t1\tox\tox",
                            "1\t2026-12-07\tEnglish\tfast\t1\t1\t1\t1\t1\tox\tox",
                            "1\t2026-12-07\tEnglish\tdaily\t-1\t1\t1\t1\t1\tox\tox", "garbage"})
        text += std::string(bad) + '\n';
    std::size_t damaged = 0;
    const std::vector<FinishedGame> read = ReadHistory(text + "\n", damaged);
    ASSERT_TRUE(read.size() == 3 && read[0] == games[0] && read[1] == games[1]) << read.size();
    EXPECT_EQ(std::pair(read[2].bestWord, damaged), std::pair(std::string("a b c"), std::size_t{5}));
}

// Counting a table of finished games: best, mean and median, words, the longest and the most
// valuable word, lives, time; only the dictionary and kind asked for; the daily streaks over a
// year's end and a gap; nothing for an empty history.
TEST(GameHistory, TheCountsFollowTheGamesOfADictionaryAndKind)
{
    std::vector<FinishedGame> history = {
        Game("2025-12-30T10:00:00", GameKind::Daily, 100),
        Game("2025-12-31T10:00:00", GameKind::Daily, 300),
        Game("2026-01-01T10:00:00", GameKind::Daily, 200, "jukebox", 288),
        Game("2026-01-02T10:00:00", GameKind::Daily, 50),
        Game("2026-01-05T10:00:00", GameKind::Daily, 10),
        Game("2026-01-05T11:00:00", GameKind::Standard, 9999, "zax", 999),
    };
    history.push_back(history[0]);
    history.back().dictionary = "Deutsch";
    const GameStatistics daily = CountGames(history, "English", GameKind::Daily, "2026-01-06");
    EXPECT_EQ(std::tuple(daily.games, daily.bestScore, daily.meanScore, daily.medianScore, daily.words, daily.seconds,
                         daily.livesEarned),
              std::tuple(5u, 300u, 132.0, 100.0, std::uint64_t{15}, std::uint64_t{300}, std::uint64_t{5}));
    EXPECT_EQ(std::tuple(daily.bestWord, daily.bestValue, daily.longestWord, daily.currentStreak, daily.bestStreak),
              std::tuple(std::string("jukebox"), 288u, std::string("jukebox"), 1u, 4u));
    EXPECT_EQ(daily.recentScores, (std::vector<std::uint32_t>{100, 300, 200, 50, 10}));
    EXPECT_EQ(CountGames(history, "English", GameKind::Daily, "2026-01-07").currentStreak, 0u) << "a day was missed";
    const GameStatistics none = CountGames({}, "English", GameKind::Relaxed, "2026-01-05");
    EXPECT_EQ(std::tuple(none.games, none.bestScore, none.meanScore, none.recentScores.empty()),
              std::tuple(0u, 0u, 0.0, true));
}
