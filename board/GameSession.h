// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/TypedWord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Board;
class Chip;
class GameRandom;
struct SavedSession;

// The rules of a game: the board, the start of every round, the speed-up, the rewards and the
// round-end clearing. Intervals are in milliseconds.
struct GameRules {
    std::uint32_t boardRows = 12;
    std::uint32_t tilesPerRow = 9;
    std::uint32_t startRows = 4;
    std::uint32_t startLives = 3;
    std::uint32_t startEvolveInterval = 2000;
    std::uint32_t tumbleInterval = 251;
    // Each arrival comes this many thousandths sooner than the one before, rounded.
    std::uint32_t evolveSpeedUp = 5;
    // A word worth this much or more is a high word.
    std::uint32_t highWordValue = 48;
    // Each multiple of this crossed by the score gives a life.
    std::uint32_t pointsPerLife = 2000;
    // Fall ticks of the round-end clearing: the board stands still for all but the last, which
    // empties it two tiles a tick.
    std::uint32_t clearingStart = 25;
    std::uint32_t clearingInterval = 20;
};

// Grows whenever a rule changes what a game plays like, so that a game saved under other rules is
// never resumed under these.
inline constexpr std::uint32_t gameRulesVersion = 1;

// What a session asks of its dictionary. The letters are capitals, a QU tile giving both.
class SessionWords {
public:
    virtual ~SessionWords() = default;
    // The word as the dictionary spells it, or empty when the letters are no word.
    virtual std::string Spelling(std::string_view letters) const = 0;
    // False only when no word starts with these letters.
    virtual bool MayStart(std::string_view letters) const = 0;
    virtual bool IsWord(std::string_view letters) const { return !Spelling(letters).empty(); }
};

enum class SessionPhase { BetweenGames, Playing, Clearing };

// The ways to play. A daily game's arrivals come from a generator seeded by its date and
// dictionary (DailySeed), the same for every player whatever they do; a relaxed game never
// speeds up.
enum class GameKind { Standard, Daily, Relaxed };

// The seed of the daily game of `date` ("2026-12-07") with the dictionary named so ("English"):
// a fixed hash of both and of gameRulesVersion, the same on every machine.
std::uint32_t DailySeed(std::string_view date, std::string_view dictionary);

// What a step did, so that the caller can choose a sound and what to show anew.
enum class StepOutcome {
    Nothing,
    // The chain changed: it spells no word, or a word.
    TileSelected,
    WordSelected,
    // A typed letter that no chain can take.
    Refused,
    // A word was entered: it gave one life or more, or it was worth the high word value or less.
    NewLife,
    HighWord,
    LowWord,
    // An arrival found no room: the round is over and the board is cleared from now on.
    RoundEnded,
    // A tick of the clearing that leaves tiles on the board.
    Clearing,
    // The board is empty and a life is gone: the next round has begun, or no life was left.
    RoundStarted,
    GameOver,
};

struct StepResult {
    StepOutcome outcome = StepOutcome::Nothing;
    // The chain changed other than by a selection (an arrival cut it, the clearing emptied it).
    bool chainChanged = false;
};

// A word as the dictionary spells it (Windows-1252) and what it was worth.
struct SessionWord {
    std::string spelling;
    std::uint32_t value = 0;
    bool operator==(const SessionWord&) const = default;
};

// The counters of a session, as a value so that a session can be saved and restored.
struct SessionState {
    SessionPhase phase = SessionPhase::BetweenGames;
    std::uint32_t lives = 0;
    std::uint32_t score = 0;
    std::uint32_t gamesStarted = 0;
    // Fall ticks left of the round-end clearing; 0 outside it.
    std::uint32_t clearCountdown = 0;
    std::uint32_t evolveInterval = 0;
    // Words entered in this game.
    std::uint32_t wordsEntered = 0;
    // Rounds begun in this game, the first counting 1.
    std::uint32_t round = 0;
    // A daily game's seed, which its rounds' starting rows come from too; 0 for other games.
    std::uint32_t dailySeed = 0;
    // Lives that words earned in this game, and milliseconds of play in it (fall ticks, so pauses
    // never count).
    std::uint32_t livesEarned = 0;
    std::uint32_t playedMs = 0;
};

// One player's games, one after another, without a window or a clock: the caller turns timer
// ticks, clicks and keys into steps. Every step that alters cells appends each cell whose look
// changed to the caller's list, as Board does, and says what happened. Score and values never
// wrap: they stop at 4,294,967,295.
class GameSession {
public:
    // The words and the generator must outlive the session.
    GameSession(const GameRules& rules, GameRandom& random, const SessionWords& words);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    const GameRules& Rules() const { return rules; }
    Board& GetBoard() { return *board; }
    const Board& GetBoard() const { return *board; }
    const SessionState& State() const { return state; }
    // Takes over saved counters; the board is left as it is.
    void Restore(const SessionState& saved) { state = saved; }
    // The whole game as it stands, the generator's state included.
    SavedSession Save() const;
    // Puts the session, its board and its generator exactly where the saved game stood, and
    // returns true. A saved game that could not have come from a session on a board of this size
    // (cells off the board, a tile no letter gives, a chain whose tiles do not touch, counters that
    // contradict the phase) changes nothing and returns false.
    bool Load(const SavedSession& saved);
    SessionPhase Phase() const { return state.phase; }
    bool IsPlaying() const { return state.phase == SessionPhase::Playing; }

    // Milliseconds to the next arrival, and between falls (faster while clearing).
    std::uint32_t EvolveInterval() const { return state.evolveInterval; }
    std::uint32_t TumbleInterval() const;

    // The best words of the game, highest first, one entry per word and value. Kept in full,
    // up to maxBestWords, however many a list can show.
    static constexpr std::size_t maxBestWords = 100;
    const std::vector<SessionWord>& BestWords() const { return bestWords; }
    // Where the word entered last ranks among the best words, or -1.
    int NewestBestWord() const { return newestBestWord; }
    // The best word the board held when the last round ended; empty spelling when none.
    const SessionWord& MissedWord() const { return missedWord; }
    // Its tiles in chain order while the board stands still at the end of a round, so a player
    // can see where it was; none once the clearing begins or at any other time.
    const std::vector<Chip*>& MissedChain() const { return missedChain; }

    // The chain's letters, their spelling (empty when no word) and the chain's value.
    struct ChainWord {
        std::string letters;
        std::string spelling;
        std::uint32_t value = 0;
    };
    ChainWord WordInProgress() const;

    // Spells the title over the board between games; seeds the generator from the clock.
    void ShowTitle();
    // A new game: four rows, three lives, score 0, no best words. The whole board changes. A daily
    // game's arrivals come from `dailySeed`; a relaxed game plays by the rules given at
    // construction without the speed-up.
    void Start(GameKind kind = GameKind::Standard, std::uint32_t dailySeed = 0);
    GameKind Kind() const { return kind; }
    // Ends the game at once; `emptyBoard` takes every tile away, as quitting does.
    void End(bool emptyBoard);

    // One arrival at the top. Ends the round when the new tile finds no room, else speeds up.
    StepResult Evolve(std::vector<Chip*>& changed);
    // One fall tick: the tiles tumble, or the clearing goes on; its last tick takes a life and
    // begins the next round or ends the game.
    StepResult Tumble(std::vector<Chip*>& changed);
    // Grows or cuts the chain at the tile, as a click (keepClicked false) or a drag over it does.
    StepResult Select(Chip* tile, bool keepClicked, std::vector<Chip*>& changed);
    // Extends the typed word by a capital letter.
    StepResult Type(char letter, std::vector<Chip*>& changed);
    // Scores the chain when it spells a word, takes its tiles away and ranks it.
    StepResult Enter(std::vector<Chip*>& changed);
    StepResult Clear(std::vector<Chip*>& changed);

private:
    StepResult Chosen(const std::string& letters) const;
    void RankBestWord(const SessionWord& word);
    void FindMissedWord();
    void StartRound();
    // Lays out the saved tiles and chain on `target`; false when they cannot stand on a board.
    static bool Lay(const SavedSession& saved, Board& target, std::vector<Chip*>* missedChain);

    // The rules of a standard game, as the session was made with them.
    GameRules standardRules;
    GameRules rules;
    GameKind kind = GameKind::Standard;
    GameRandom& random;
    const SessionWords& words;
    // Where a daily game's tiles come from; the round-end clearing and the tumbling draw from
    // `random`, so they cannot shift the stream.
    std::unique_ptr<GameRandom> dailyArrivals;
    std::unique_ptr<Board> board;
    SessionState state;
    TypedWord typedWord;
    std::vector<SessionWord> bestWords;
    int newestBestWord = -1;
    SessionWord missedWord;
    std::vector<Chip*> missedChain;
};
