// SPDX-License-Identifier: GPL-3.0-or-later
// The daily game deals every player of a date and dictionary the same tiles, whatever they do.
#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/GameSession.h"

#include <gtest/gtest.h>

namespace {

struct NoWords : SessionWords {
    std::string Spelling(std::string_view letters) const override { return letters == "EE" ? "ee" : ""; }
    bool MayStart(std::string_view letters) const override { return letters.size() < 3; }
};

// The starting rows, then `arrivals` arriving tiles with their columns, of a game that the
// player runs with `playerSeed`: the same player taps, drags, enters and lets tiles tumble at
// random, and the clearing of lost rounds draws from the process generator.
std::string DailyTiles(std::string_view date, std::string_view dictionary, std::uint32_t playerSeed, int arrivals = 30)
{
    const NoWords words;
    GameRandom process(playerSeed);
    GameRules rules;
    rules.startLives = 1000;  // rounds are lost, the game goes on
    GameSession session(rules, process, words);
    session.Start(GameKind::Daily, DailySeed(date, dictionary));
    std::string tiles;
    Board& board = session.GetBoard();
    for (int r = 0; r < 4; ++r)
        for (int c = r % 2; c < 18; c += 2)
            tiles += board.Cell(r, c)->Letter();
    tiles += '|';
    std::vector<Chip*> changed;
    GameRandom player(playerSeed);
    while (arrivals > 0 && session.Phase() != SessionPhase::BetweenGames) {
        changed.clear();
        if (session.Phase() == SessionPhase::Playing) {
            session.Evolve(changed);
            tiles += changed.back()->Letter() + std::to_string(changed.back()->Column()) + ' ';
            --arrivals;
        }
        for (std::uint32_t moves = player.Below(4); moves > 0; --moves) {
            session.Tumble(changed);
            const auto row = static_cast<std::int32_t>(player.Below(3));
            session.Select(board.Cell(row, row % 2 + 2 * static_cast<std::int32_t>(player.Below(9))), false, changed);
            session.Enter(changed);
        }
    }
    return tiles;
}

}  // namespace

// Pinned: a change here splits the players of a date into different games. Players who act
// differently get the same tiles; another date or dictionary gets others.
TEST(DailyGame, EveryPlayerOfADateAndDictionaryGetsTheSamePinnedTiles)
{
    EXPECT_EQ(DailyTiles("2026-12-07", "English", 1),
              "EOAGRLIFDCASNHUAANCCTSAVGOMEAEZAASAI|G1 S11 D3 L1 C15 R11 T5 C3 S5 A11 N17 H17 T7 D17 O13 U13 E9 R17 "
              "L15 S7 L13 R13 I13 B17 M17 O13 N3 L15 C17 C5 ");
    const std::string first = DailyTiles("2026-12-07", "English", 1, 200);
    EXPECT_EQ(DailyTiles("2026-12-07", "English", 99, 200), first);
    EXPECT_NE(DailyTiles("2026-12-08", "English", 1, 200), first);
    EXPECT_NE(DailyTiles("2026-12-07", "Deutsch", 1, 200), first);
}
