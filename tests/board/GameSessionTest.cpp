// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a game, stepped without a window or a clock: start, arrivals and their speed-up,
// the round end with its clearing and lost life, entered words with score, lives, sounds and best
// words, and the chain's outcomes. (The recorded game through the window shows a seed replaying.)
#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/GameSession.h"
#include "board/PickLetter.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

using Changed = std::vector<Chip*>;
using Tiles = std::vector<std::string>;

// An in-memory dictionary: capital letters to the word as it is spelled.
struct ListWords : SessionWords {
    std::map<std::string, std::string, std::less<>> words{
        {"CAT", "cat"}, {"TREE", "tree"},  {"TREES", "trees"},           {"CARTS", "carts"},  {"QUIT", "quit"},
        {"EVE", "eve"}, {"DONT", "don't"}, {"QUARTETTES", "quartettes"}, {"POLISH", "polish"}};
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
    int Tiles() const
    {
        int count = 0;
        const Board& b = session.GetBoard();
        for (std::uint32_t cell = 0; cell < b.Rows() * b.Columns(); ++cell)
            count += b.Cell(cell / b.Columns(), cell % b.Columns())->IsOccupied();
        return count;
    }
    void Set(std::uint32_t SessionState::*field, std::uint32_t value)
    {
        SessionState state = session.State();
        state.*field = value;
        session.Restore(state);
    }
    // Lays the word along the bottom row of an empty board and chains it as clicks would; the
    // first tile is worth `firstValue` when that is given.
    StepResult Chain(const ::Tiles& word, std::uint32_t firstValue = 0)
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
    // Fills the row below the top, so the next arrival finds no room.
    StepResult EndRound()
    {
        for (int c = 0; c < 18; c += 2)
            board().Cell(10, c)->Set("E", 2);
        return session.Evolve(changed);
    }

    ListWords words;
    GameRandom random{20261207};
    GameSession session{GameRules{}, random, words};
    Changed changed;
};

}  // namespace

// Four rows, three lives, no score; arrivals half a percent faster each, down to 99 ms; falls
// every 251 ms. A new game starts afresh.
TEST_F(Session, StartsWithFourRowsThreeLivesAndArrivalsSpeedUpToAFloor)
{
    EXPECT_EQ(std::tuple(session.Phase(), Tiles(), session.State().lives, session.State().score,
                         session.EvolveInterval(), session.TumbleInterval(), session.State().gamesStarted),
              std::tuple(SessionPhase::Playing, 36, 3u, 0u, 2000u, 251u, 1u));
    std::vector<std::uint32_t> intervals;
    for (int tick = 0; tick < 1000; ++tick) {
        board().Fill(0);  // keep the top free so the round never ends
        session.Evolve(changed);
        intervals.push_back(session.EvolveInterval());
    }
    EXPECT_EQ(std::tuple(intervals[0], intervals[1], intervals[99], intervals.back()),
              std::tuple(1990u, 1980u, 1212u, 99u));
    Chain({"C", "A", "T"});
    session.Enter(changed);
    session.Start();
    EXPECT_EQ(std::tuple(session.EvolveInterval(), session.State().score, session.BestWords().size(),
                         session.State().gamesStarted),
              std::tuple(2000u, 0u, 0u, 2u));
}

// The board stands still for 24 ticks of 20 ms, then clears two tiles a tick; emptied, it takes
// a life and starts the next round with the score kept, or ends the game with the last life.
TEST_F(Session, ReachingTheTopClearsTheBoardAndCostsALife)
{
    Set(&SessionState::score, 120);
    Set(&SessionState::evolveInterval, 500);
    Chain({"C", "A", "T"});
    const StepResult ended = EndRound();
    EXPECT_EQ(std::tuple(ended.outcome, session.Phase(), session.TumbleInterval(), session.MissedWord()),
              std::tuple(StepOutcome::RoundEnded, SessionPhase::Clearing, 20u, SessionWord{"cat", 12}));
    EXPECT_EQ(session.Select(board().Cell(1, 1), false, changed).outcome, StepOutcome::Nothing)
        << "no play while clearing";
    const int full = Tiles();
    std::string shown;  // the missed word's tiles stay marked while the board stands still
    for (const Chip* tile : session.MissedChain())
        shown += tile->Letter();
    for (int tick = 0; tick < 24; ++tick)
        EXPECT_EQ(session.Tumble(changed).outcome, StepOutcome::Nothing);
    EXPECT_EQ(std::pair(shown, session.MissedChain().size()), std::pair(std::string("CAT"), std::size_t{3}));
    changed.clear();
    const StepResult first = session.Tumble(changed);
    EXPECT_EQ(std::tuple(first.outcome, first.chainChanged, Tiles(), session.MissedChain().empty()),
              std::tuple(StepOutcome::Clearing, true, full - 2, true));
    StepResult last;
    while (session.State().clearCountdown != 0)
        last = session.Tumble(changed);
    EXPECT_EQ(std::tuple(last.outcome, Tiles(), session.State().lives, session.State().score, session.EvolveInterval(),
                         session.TumbleInterval()),
              std::tuple(StepOutcome::RoundStarted, 36, 2u, 120u, 2000u, 251u));

    Set(&SessionState::lives, 1);
    EndRound();
    while (session.State().clearCountdown != 0)
        last = session.Tumble(changed);
    EXPECT_EQ(std::tuple(last.outcome, session.Phase(), session.State().lives, Tiles()),
              std::tuple(StepOutcome::GameOver, SessionPhase::BetweenGames, 0u, 0));
    EXPECT_EQ(session.Evolve(changed).outcome, StepOutcome::Nothing) << "nothing arrives between games";
}

// A word scores its value; a life comes for every multiple of 2000 crossed and wins over the
// word's rank; 48 is a high word and 36 a low one; the score stops at the top. Letters that are
// no word enter nothing.
TEST_F(Session, EnteredWordsScoreGiveLivesAndRank)
{
    using Word = std::tuple<::Tiles, std::uint32_t, std::uint32_t, std::uint32_t, StepOutcome>;
    for (const auto& [tiles, before, after, livesGained, outcome] :
         {Word{{"E", "V", "E"}, 1990, 2010, 1, StepOutcome::NewLife},
          {{"QU", "A", "R", "T", "E", "T", "T", "E", "S"}, 1900, 4204, 2, StepOutcome::NewLife},
          {{"C", "A", "R", "T", "S"}, 0, 48, 0, StepOutcome::HighWord},
          {{"QU", "I", "T"}, 48, 84, 0, StepOutcome::LowWord},
          {{"C", "A", "T"}, UINT32_MAX - 5, UINT32_MAX, 0, StepOutcome::LowWord},
          {{"C", "A", "R"}, 100, 100, 0, StepOutcome::Nothing}}) {
        SCOPED_TRACE(tiles.size());
        Set(&SessionState::score, before);
        const std::uint32_t lives = session.State().lives;
        Chain(tiles);
        changed.clear();
        EXPECT_EQ(session.Enter(changed).outcome, outcome);
        EXPECT_EQ(std::tuple(session.State().score, session.State().lives, changed.empty()),
                  std::tuple(after, lives + livesGained, outcome == StepOutcome::Nothing));
    }
    Set(&SessionState::lives, UINT32_MAX);
    Set(&SessionState::score, 1999);
    Chain({"E", "V", "E"});
    session.Enter(changed);
    EXPECT_EQ(session.State().lives, UINT32_MAX) << "lives never wrap";
}

// Ranked by value, one entry per word, the word entered again moving up to the first of its
// value; every word is kept, whatever a list can show, up to the cap.
TEST_F(Session, BestWordsRankByValueOnceEachAndAreAllKept)
{
    const auto enter = [this](std::initializer_list<::Tiles> words) {
        for (const ::Tiles& word : words)
            Chain(word), session.Enter(changed);
    };
    enter({{"C", "A", "T"}, {"T", "R", "E", "E"}, {"D", "O", "N", "T"}, {"T", "R", "E", "E"}});
    EXPECT_EQ(session.BestWords(), (std::vector<SessionWord>{{"don't", 24}, {"tree", 16}, {"cat", 12}}));
    EXPECT_EQ(session.NewestBestWord(), 1) << "the word entered again is pointed at, not added";
    enter({{"C", "A", "R", "T", "S"}, {"QU", "I", "T"}});
    EXPECT_EQ(session.BestWords().size(), 5u);
    EXPECT_EQ(std::pair(session.BestWords().front(), session.NewestBestWord()), std::pair(SessionWord{"carts", 48}, 1));
    for (std::uint32_t value = 100; value < 100 + GameSession::maxBestWords; ++value)  // worth value * A * T
        Chain({"C", "A", "T"}, value), session.Enter(changed);
    EXPECT_EQ(session.BestWords().size(), GameSession::maxBestWords);
    EXPECT_EQ(session.BestWords().back().value, 100u * 2 * 2);
    enter({{"C", "A", "T"}});
    EXPECT_EQ(session.NewestBestWord(), -1) << "a word below the last kept one";
}

// The chain's steps say whether it spells a word; a letter no chain can take is refused; an
// arrival on the chain cuts it; clearing it is reported only when there was one.
TEST_F(Session, ChainStepsSayWhatChanged)
{
    EXPECT_EQ(Chain({"C", "A"}).outcome, StepOutcome::TileSelected);
    EXPECT_EQ(Chain({"C", "A", "T"}).outcome, StepOutcome::WordSelected);
    EXPECT_EQ(session.WordInProgress().letters + session.WordInProgress().spelling, "CATcat");
    EXPECT_EQ(session.Clear(changed).chainChanged, true);
    EXPECT_EQ(session.Clear(changed).chainChanged, false);
    board().Fill(0);
    board().Cell(0, 0)->Set("E", 2);
    for (const auto& [letter, outcome] : {std::pair{'E', StepOutcome::TileSelected}, {'V', StepOutcome::Refused}}) {
        EXPECT_EQ(session.Type(letter, changed).outcome, outcome) << letter;
    }
    // A chain along the whole top row: any arrival lands on it.
    board().Fill(0);
    for (int c = 1; c < 18; c += 2) {
        board().Cell(11, c)->Set("E", 2);
        session.Select(board().Cell(11, c), true, changed);
    }
    EXPECT_TRUE(session.Evolve(changed).chainChanged);
}
