// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a game, stepped without a window or a clock, where the window's tests cannot reach:
// the speed-up's floor, a round's clearing and the game's end, scores and lives at their limits,
// and the cap on best words.
#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/GameSession.h"
#include "board/PickLetter.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

using Tiles = std::vector<std::string>;

// An in-memory dictionary: capital letters to the word as it is spelled.
struct ListWords : SessionWords {
    std::map<std::string, std::string, std::less<>> words{
        {"CAT", "cat"}, {"TREE", "tree"},  {"CARTS", "carts"},          {"QUIT", "quit"},
        {"EVE", "eve"}, {"DONT", "don't"}, {"QUARTETTES", "quartettes"}};
    std::string Spelling(std::string_view letters) const override
    {
        const auto found = words.find(letters);
        return found == words.end() ? std::string() : found->second;
    }
    bool MayStart(std::string_view letters) const override
    {
        const auto next = words.lower_bound(letters);
        return next != words.end() && next->first.starts_with(letters);
    }
};

class Session : public ::testing::Test {
protected:
    Session() { session.Start(); }

    Board& board() { return session.GetBoard(); }
    int TileCount()
    {
        int count = 0;
        for (std::uint32_t cell = 0; cell < board().Rows() * board().Columns(); ++cell)
            count += board().Cell(cell / board().Columns(), cell % board().Columns())->IsOccupied();
        return count;
    }
    const SessionState& State() const { return session.State(); }
    void Set(std::uint32_t SessionState::*field, std::uint32_t value)
    {
        SessionState state = session.State();
        state.*field = value;
        session.Restore(state);
    }
    // Lays the word along the bottom row of an empty board and chains it as clicks would; the
    // first tile is worth `firstValue` when that is given.
    StepResult Chain(const Tiles& word, std::uint32_t firstValue = 0)
    {
        board().Fill(0);
        StepResult last;
        for (std::size_t i = 0; i < word.size(); ++i) {
            Chip* chip = board().Cell(0, static_cast<std::int32_t>(2 * i));
            const std::uint32_t value = word[i] == "QU" ? 9u : LetterValue(word[i].front());
            chip->Set(word[i], i == 0 && firstValue != 0 ? firstValue : value);
            last = session.Select(chip, i > 0, changed);
        }
        return last;
    }
    void Enter(const Tiles& word, std::uint32_t firstValue = 0) { Chain(word, firstValue), session.Enter(changed); }
    // Tumbles the board of a lost round until it has cleared.
    StepResult Cleared()
    {
        StepResult last;
        while (State().clearCountdown != 0)
            last = session.Tumble(changed);
        return last;
    }

    ListWords words;
    GameRandom random{20261207};
    GameSession session{GameRules{}, random, words};
    std::vector<Chip*> changed;
};

}  // namespace

// Arrivals speed up to a floor of 99 ms; a new game starts afresh. A lost round clears two tiles a
// tick, with no play meanwhile; the last life ends the game with an empty board and no arrivals.
TEST_F(Session, ArrivalsSpeedUpToAFloorAndTheLastLostRoundEndsTheGame)
{
    for (int tick = 0; tick < 1000; ++tick) {
        board().Fill(0);  // keep the top free so the round never ends
        session.Evolve(changed);
    }
    EXPECT_EQ(session.EvolveInterval(), 99u);
    Enter({"C", "A", "T"});
    session.Start();
    EXPECT_EQ(std::tuple(session.EvolveInterval(), State().score, session.BestWords().size(), State().gamesStarted,
                         State().lives, TileCount()),
              std::tuple(2000u, 0u, 0u, 2u, 3u, 36))
        << "four rows of nine and three lives";
    session.Tumble(changed);
    session.Tumble(changed);
    EXPECT_EQ(State().playedMs, 2 * 251u) << "play time counts the falls";

    for (int c = 0; c < 18; c += 2)  // the row below the top full: the next arrival finds no room
        board().Cell(10, c)->Set("E", 2);
    session.Evolve(changed);
    EXPECT_EQ(session.Select(board().Cell(1, 1), false, changed).outcome, StepOutcome::Nothing) << "no play";
    const int full = TileCount();
    for (int tick = 0; tick <= 24; ++tick)
        session.Tumble(changed);
    EXPECT_EQ(TileCount(), full - 2);
    Set(&SessionState::lives, 1);
    const StepOutcome ended = Cleared().outcome;
    EXPECT_EQ(std::tuple(ended, session.Phase(), State().lives, TileCount()),
              std::tuple(StepOutcome::GameOver, SessionPhase::BetweenGames, 0u, 0));
    EXPECT_EQ(session.Evolve(changed).outcome, StepOutcome::Nothing) << "nothing arrives between games";
}

// A word scores its value; a life comes for every multiple of 2000 crossed and wins over the
// word's rank; 48 is a high word and 36 a low one; the score stops at the top. Letters that are
// no word enter nothing.
TEST_F(Session, EnteredWordsScoreGiveLivesAndRank)
{
    using Word = std::tuple<Tiles, std::uint32_t, std::uint32_t, std::uint32_t, StepOutcome>;
    for (const auto& [tiles, before, after, livesGained, outcome] :
         {Word{{"E", "V", "E"}, 1990, 2010, 1, StepOutcome::NewLife},
          {{"QU", "A", "R", "T", "E", "T", "T", "E", "S"}, 1900, 4204, 2, StepOutcome::NewLife},
          {{"C", "A", "R", "T", "S"}, 0, 48, 0, StepOutcome::HighWord},
          {{"QU", "I", "T"}, 48, 84, 0, StepOutcome::LowWord},
          {{"C", "A", "T"}, UINT32_MAX - 5, UINT32_MAX, 0, StepOutcome::LowWord},
          {{"C", "A", "R"}, 100, 100, 0, StepOutcome::Nothing}}) {
        SCOPED_TRACE(tiles.size());
        Set(&SessionState::score, before);
        const std::uint32_t lives = State().lives;
        Chain(tiles);
        changed.clear();
        EXPECT_EQ(session.Enter(changed).outcome, outcome);
        EXPECT_EQ(std::tuple(State().score, State().lives, changed.empty()),
                  std::tuple(after, lives + livesGained, outcome == StepOutcome::Nothing));
    }
}

// A word entered again moves up to the first of its value. Every best word is kept up to the cap,
// whatever a list can show; one below the last kept is not.
TEST_F(Session, BestWordsAreAllKeptUpToTheCap)
{
    Enter({"D", "O", "N", "T"}), Enter({"C", "A", "T"}, 6), Enter({"C", "A", "T"}, 1), Enter({"D", "O", "N", "T"});
    EXPECT_EQ(session.BestWords(), (std::vector<SessionWord>{{"don't", 24}, {"cat", 24}, {"cat", 4}}));
    for (std::uint32_t value = 100; value < 100 + GameSession::maxBestWords; ++value)  // worth value * A * T
        Enter({"C", "A", "T"}, value);
    EXPECT_EQ(std::pair(session.BestWords().size(), session.BestWords().back().value),
              std::pair(GameSession::maxBestWords, 100u * 2 * 2));
    Enter({"C", "A", "T"});
    EXPECT_EQ(session.NewestBestWord(), -1);
}
