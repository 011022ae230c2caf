// SPDX-License-Identifier: GPL-3.0-or-later
// A game saved at any step goes on, once read back, exactly as it would have without the save; a
// session that no game could have reached is refused. (Bytes that are no saved game are the fuzzer's
// and the resume test's.)
#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/SavedGameFormat.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

struct FewWords : SessionWords {
    std::string Spelling(std::string_view letters) const override
    {
        return letters == "EA" || letters == "TEA" || letters == "AT" || letters == "EAT" || letters == "TE"
                   ? std::string(letters) + "!"
                   : std::string();
    }
    bool MayStart(std::string_view letters) const override { return letters.size() < 4; }
};

// A player who does something at random on each step, the same for the same generator state:
// arrivals, falls, clicks, typing, Enter and Clear, with many round ends.
class ScriptedPlayer {
public:
    explicit ScriptedPlayer(std::uint32_t seed) : moves(seed) {}

    // One step, and what it did as a number.
    int Step(GameSession& session)
    {
        std::vector<Chip*> changed;
        if (session.Phase() == SessionPhase::BetweenGames) {
            // Standard, daily and relaxed games in turn.
            session.Start(static_cast<GameKind>(games++ % 3), 2026);
            return 100;
        }
        const auto pick = [this](std::uint32_t n) { return static_cast<std::int32_t>(moves() % n); };
        StepResult result;
        switch (pick(7)) {
        case 0:
            result = session.Evolve(changed);
            break;
        case 1:
        case 2:
            result = session.Tumble(changed);
            break;
        case 3: {
            const std::int32_t row = pick(4);
            result = session.Select(session.GetBoard().Cell(row, row % 2 + 2 * pick(9)), pick(2) == 0, changed);
            break;
        }
        case 4:
            result = session.Type("TEAQ"[pick(4)], changed);
            break;
        case 5:
            result = session.Enter(changed);
            break;
        default:
            result = session.Clear(changed);
        }
        return static_cast<int>(result.outcome) * 2 + result.chainChanged;
    }

    std::mt19937 moves;
    int games = 0;
};

SavedGame Saved(const GameSession& session)
{
    return {"TestWords", 1796601600000, session.Save(), "2026-12-07"};
}

}  // namespace

// Saved at any step and read back into a new session with a fresh generator, the game saves to
// the same bytes. Saved after N steps and stepped M more, it gives the same outcomes (its sounds)
// and ends with the same tiles, score, lives and best words as the game stepped N + M unsaved.
TEST(SavedGame, ARestoredGameGoesOnAsIfNeverSaved)
{
    const FewWords words;
    const auto restore = [&](GameSession& into, const std::string& bytes) {
        SavedGame read;
        return DecodeSavedGame(bytes, read) == SavedGameFault::None && read.dictionary == "TestWords" &&
               into.Load(read.session);
    };
    GameRandom random(7);
    GameSession played(GameRules{}, random, words);
    ScriptedPlayer player(11);
    // What the steps reach, so that the saves carry every part of a game.
    bool clearing = false, typed = false, missed = false, scored = false, daily = false;
    for (std::uint32_t step = 1; step <= 2500; ++step) {
        player.Step(played);
        const std::string bytes = EncodeSavedGame(Saved(played));
        GameRandom otherRandom(99);
        GameSession restored(GameRules{}, otherRandom, words);
        if (played.Phase() == SessionPhase::BetweenGames)
            continue;
        ASSERT_TRUE(restore(restored, bytes)) << "step " << step;
        ASSERT_EQ(EncodeSavedGame(Saved(restored)), bytes) << "step " << step;
        const SavedSession saved = played.Save();
        clearing |= !saved.missedChain.empty();
        typed |= saved.typed.size() > 1;
        missed |= !saved.missedWord.spelling.empty();
        scored |= !saved.bestWords.empty();
        daily |= saved.kind == GameKind::Daily && saved.state.round > 1;
        if (step % 500 != 57)
            continue;
        // The same game played afresh to this step and on, never saved.
        GameRandom unsavedRandom(7);
        GameSession unsaved(GameRules{}, unsavedRandom, words);
        ScriptedPlayer same(11), again = player;
        for (std::uint32_t replay = 0; replay < step; ++replay)
            same.Step(unsaved);
        std::vector<int> expected, got;
        for (int more = 0; more < 1500; ++more) {
            expected.push_back(same.Step(unsaved));
            got.push_back(again.Step(restored));
        }
        EXPECT_EQ(got, expected) << "saved after " << step << " steps";
        EXPECT_EQ(EncodeSavedGame(Saved(restored)), EncodeSavedGame(Saved(unsaved)));
    }
    EXPECT_TRUE(clearing && typed && missed && scored && daily) << clearing << typed << missed << scored << daily;
}

// A session that could not have come from a game on this board is refused, and the game that was
// there goes on untouched.
TEST(SavedGame, ImpossibleGamesAreRefusedAndChangeNothing)
{
    const FewWords words;
    GameRandom random(3);
    GameSession source(GameRules{}, random, words);
    source.Start();
    std::vector<Chip*> changed;
    source.Select(source.GetBoard().Cell(0, 0), false, changed);
    source.Select(source.GetBoard().Cell(0, 2), false, changed);
    const SavedSession good = source.Save();
    ASSERT_EQ(good.chain.size(), 2u);

    using Change = std::function<void(SavedSession&)>;
    const std::pair<const char*, Change> cases[] = {
        {"a smaller board", [](SavedSession& s) { s.rules.boardRows = 11; }},
        {"a board too large to build", [](SavedSession& s) { s.rules.tilesPerRow = 1u << 30; }},
        {"no points per life", [](SavedSession& s) { s.rules.pointsPerLife = 0; }},
        {"a speed-up past the whole interval", [](SavedSession& s) { s.rules.evolveSpeedUp = 1001; }},
        {"no life left", [](SavedSession& s) { s.state.lives = 0; }},
        {"between games", [](SavedSession& s) { s.state.phase = SessionPhase::BetweenGames; }},
        {"clearing without ticks", [](SavedSession& s) { s.state.phase = SessionPhase::Clearing; }},
        {"ticks while playing", [](SavedSession& s) { s.state.clearCountdown = 3; }},
        {"arrivals slower than at the start", [](SavedSession& s) { s.state.evolveInterval = 2001; }},
        {"no arrivals", [](SavedSession& s) { s.state.evolveInterval = 0; }},
        {"a tile off the board", [](SavedSession& s) { s.tiles[0].cell = CellAt(12, 0); }},
        {"a tile between cells", [](SavedSession& s) { s.tiles[0].cell = CellAt(0, 1); }},
        {"two tiles in a cell", [](SavedSession& s) { s.tiles[1].cell = s.tiles[0].cell; }},
        {"a lone Q", [](SavedSession& s) { s.tiles[0].letter = "Q", s.tiles[0].value = 9; }},
        {"a value its letter lacks", [](SavedSession& s) { s.tiles[0].value += 1; }},
        {"a chain with a gap", [](SavedSession& s) { s.chain[1] = CellAt(0, 4); }},
        {"a chain on an empty cell", [](SavedSession& s) { s.chain.push_back(CellAt(11, 1)); }},
        {"a typed symbol", [](SavedSession& s) { s.typed = "A?"; }},
        {"a newest word not in the list", [](SavedSession& s) { s.newestBestWord = 0; }},
        {"a best word without letters", [](SavedSession& s) { s.bestWords.push_back(SessionWord("", 4)); }},
        {"a missed chain during play", [](SavedSession& s) { s.missedChain.assign(1, CellAt(0, 0)); }},
        {"a cut generator", [](SavedSession& s) { s.random.resize(10); }},
    };
    for (const auto& [what, change] : cases) {
        GameRandom otherRandom(5);
        GameSession session(GameRules{}, otherRandom, words);
        session.Start();
        const std::string before = EncodeSavedGame({"", 0, session.Save(), ""});
        SavedSession bad = good;
        change(bad);
        EXPECT_FALSE(session.Load(bad)) << what;
        EXPECT_EQ(EncodeSavedGame({"", 0, session.Save(), ""}), before) << what;
    }
    GameRandom otherRandom(5);
    GameSession session(GameRules{}, otherRandom, words);
    EXPECT_TRUE(session.Load(good));
}
