// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/GameSession.h"

#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/PickLetter.h"
#include "board/SavedSession.h"
#include "board/WordFinder.h"

#include <algorithm>
#include <climits>

std::uint32_t DailySeed(std::string_view date, std::string_view dictionary)
{
    // 64-bit FNV-1a, folded to the 32 bits the generator takes: fixed arithmetic, so every
    // machine and standard library gives the same seed.
    std::uint64_t hash = 14695981039346656037ull;
    const auto add = [&hash](std::string_view text) {
        for (const char c : text) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        hash = (hash ^ 0xFFu) * 1099511628211ull;
    };
    add("Glimmerquake daily game");
    add(std::to_string(gameRulesVersion));
    add(date);
    add(dictionary);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

GameSession::GameSession(const GameRules& rules_, GameRandom& random_, const SessionWords& words_)
    : standardRules(rules_),
      rules(rules_),
      random(random_),
      words(words_),
      dailyArrivals(std::make_unique<GameRandom>()),
      board(std::make_unique<Board>(rules_.boardRows, rules_.tilesPerRow, random_))
{
    state.evolveInterval = rules.startEvolveInterval;
}

GameSession::~GameSession() = default;

std::uint32_t GameSession::TumbleInterval() const
{
    return state.clearCountdown != 0 ? rules.clearingInterval : rules.tumbleInterval;
}

GameSession::ChainWord GameSession::WordInProgress() const
{
    ChainWord word;
    word.letters = board->WordInProgress();
    word.spelling = words.Spelling(word.letters);
    word.value = board->SelectionValue();
    return word;
}

void GameSession::ShowTitle()
{
    board->FillWithTitle();
}

void GameSession::Start(GameKind kind_, std::uint32_t dailySeed)
{
    kind = kind_;
    rules = standardRules;
    if (kind == GameKind::Relaxed) {
        rules.evolveSpeedUp = 0;
    }
    state.dailySeed = kind == GameKind::Daily ? dailySeed : 0;
    dailyArrivals->Seed(dailySeed);
    state.lives = rules.startLives;
    state.score = 0;
    state.wordsEntered = 0;
    state.round = 0;
    state.livesEarned = 0;
    state.playedMs = 0;
    ++state.gamesStarted;
    bestWords.clear();
    newestBestWord = -1;
    missedWord = {};
    StartRound();
}

void GameSession::StartRound()
{
    // Score, lives and best words carry over from the round before. Every player of a daily game
    // gets the same starting rows in each round, from a generator of its own, and then the same
    // stream of arrivals however long each round lasted.
    ++state.round;
    if (kind == GameKind::Daily) {
        GameRandom rows(state.dailySeed + state.round * 0x9E3779B9u);
        board->SetArrivals(&rows);
        board->Fill(rules.startRows);
        board->SetArrivals(dailyArrivals.get());
    } else {
        board->SetArrivals(nullptr);
        board->Fill(rules.startRows);
    }
    state.phase = SessionPhase::Playing;
    state.clearCountdown = 0;
    state.evolveInterval = rules.startEvolveInterval;
}

void GameSession::End(bool emptyBoard)
{
    if (emptyBoard) {
        board->Fill(0);
    }
    state.phase = SessionPhase::BetweenGames;
    state.clearCountdown = 0;
    missedChain.clear();
}

StepResult GameSession::Evolve(std::vector<Chip*>& changed)
{
    if (state.phase != SessionPhase::Playing) {
        return {};
    }
    const std::size_t before = changed.size();
    const bool topReached = board->Evolve(changed);
    // More than the new tile: it landed on the chain and cut it.
    const StepResult cut{StepOutcome::Nothing, changed.size() - before > 1};
    if (topReached) {
        FindMissedWord();
        state.phase = SessionPhase::Clearing;
        state.clearCountdown = rules.clearingStart;
        return {StepOutcome::RoundEnded, cut.chainChanged};
    }
    const std::uint32_t interval = state.evolveInterval;
    state.evolveInterval =
        interval - static_cast<std::uint32_t>((std::uint64_t{interval} * rules.evolveSpeedUp + 500) / 1000);
    return cut;
}

StepResult GameSession::Tumble(std::vector<Chip*>& changed)
{
    if (state.phase == SessionPhase::BetweenGames) {
        return {};
    }
    state.playedMs = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{state.playedMs} + TumbleInterval(), UINT32_MAX));
    if (state.clearCountdown >= 2) {
        --state.clearCountdown;
        return {};
    }
    if (state.clearCountdown == 0) {
        board->Tumble(changed);
        return {};
    }

    // The last clearing tick: the chain goes, then two tiles a tick until the board is empty.
    changed.insert(changed.end(), missedChain.begin(), missedChain.end());
    missedChain.clear();
    const std::size_t before = changed.size();
    board->ClearSelection(changed);
    const bool chainChanged = changed.size() != before;
    for (int pick = 0; pick < 2; ++pick) {
        std::vector<Chip*> occupied;
        for (std::int32_t r = 0; r < static_cast<std::int32_t>(board->Rows()); ++r) {
            for (std::int32_t c = 0; c < static_cast<std::int32_t>(board->Columns()); ++c) {
                Chip* chip = board->Cell(r, c);
                if (chip->IsOccupied()) {
                    occupied.push_back(chip);
                }
            }
        }
        if (occupied.empty()) {
            state.clearCountdown = 0;
            break;
        }
        Chip* chip = occupied[random.Below(static_cast<std::uint32_t>(occupied.size()))];
        chip->Set({}, 0);
        changed.push_back(chip);
    }
    if (state.clearCountdown != 0) {
        return {StepOutcome::Clearing, chainChanged};
    }
    state.lives = state.lives > 0 ? state.lives - 1 : 0;
    if (state.lives == 0) {
        End(false);
        return {StepOutcome::GameOver, chainChanged};
    }
    StartRound();
    return {StepOutcome::RoundStarted, chainChanged};
}

StepResult GameSession::Chosen(const std::string& letters) const
{
    return {words.IsWord(letters) ? StepOutcome::WordSelected : StepOutcome::TileSelected};
}

StepResult GameSession::Select(Chip* tile, bool keepClicked, std::vector<Chip*>& changed)
{
    if (state.phase != SessionPhase::Playing || tile == nullptr) {
        return {};
    }
    const std::size_t before = changed.size();
    const std::string letters = board->Select(tile, keepClicked, changed);
    return changed.size() == before ? StepResult{} : Chosen(letters);
}

StepResult GameSession::Type(char letter, std::vector<Chip*>& changed)
{
    if (state.phase != SessionPhase::Playing) {
        return {};
    }
    if (!typedWord.Type(*board, letter, changed)) {
        return {StepOutcome::Refused};
    }
    return Chosen(board->WordInProgress());
}

StepResult GameSession::Enter(std::vector<Chip*>& changed)
{
    const ChainWord word = WordInProgress();
    if (state.phase != SessionPhase::Playing || word.spelling.empty()) {
        return {};
    }
    const std::uint32_t old = state.score;
    // Kept within 32 bits: a huge word tops the score out instead of wrapping it to a small one.
    state.score = static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{old} + word.value, UINT32_MAX));
    board->RemoveSelected(changed);
    const std::uint32_t newLives = state.score / rules.pointsPerLife - old / rules.pointsPerLife;
    state.lives =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{state.lives} + newLives, UINT32_MAX));
    RankBestWord({word.spelling, word.value});
    ++state.wordsEntered;
    state.livesEarned += newLives;
    const std::uint32_t scored = state.score - old;
    return {newLives != 0                   ? StepOutcome::NewLife
            : scored >= rules.highWordValue ? StepOutcome::HighWord
                                            : StepOutcome::LowWord};
}

StepResult GameSession::Clear(std::vector<Chip*>& changed)
{
    const std::size_t before = changed.size();
    board->ClearSelection(changed);
    return {StepOutcome::Nothing, changed.size() != before};
}

void GameSession::RankBestWord(const SessionWord& word)
{
    // Below every word worth more; a word entered again moves up to the first of its value.
    std::size_t i = 0;
    while (i < bestWords.size() && bestWords[i].value > word.value) {
        ++i;
    }
    const auto same = std::find(bestWords.begin() + static_cast<std::ptrdiff_t>(i), bestWords.end(), word);
    if (same != bestWords.end()) {
        std::rotate(bestWords.begin() + static_cast<std::ptrdiff_t>(i), same, same + 1);
    } else {
        bestWords.insert(bestWords.begin() + static_cast<std::ptrdiff_t>(i), word);
    }
    newestBestWord = static_cast<int>(i);
    if (bestWords.size() > maxBestWords) {
        bestWords.pop_back();
        newestBestWord = i < maxBestWords ? newestBestWord : -1;
    }
}

void GameSession::FindMissedWord()
{
    const FoundWord found = FindBestWord(*board, {[this](std::string_view letters) { return words.MayStart(letters); },
                                                  [this](std::string_view letters) { return words.IsWord(letters); }});
    missedWord = found.letters.empty() ? SessionWord{} : SessionWord{words.Spelling(found.letters), found.value};
    missedChain = found.chain;
}

SavedSession GameSession::Save() const
{
    SavedSession saved;
    saved.rules = rules;
    saved.state = state;
    for (std::int32_t r = 0; r < static_cast<std::int32_t>(board->Rows()); ++r) {
        for (std::int32_t c = 0; c < static_cast<std::int32_t>(board->Columns()); ++c) {
            if (const Chip* chip = board->Cell(r, c); chip->IsOccupied()) {
                saved.tiles.push_back({{r, c}, chip->Letter(), chip->Value()});
            }
        }
    }
    for (const Chip* chip : board->Selection()) {
        saved.chain.push_back({chip->Row(), chip->Column()});
    }
    saved.typed = typedWord.Current(*board);
    saved.bestWords = bestWords;
    saved.newestBestWord = newestBestWord;
    saved.missedWord = missedWord;
    for (const Chip* chip : missedChain) {
        saved.missedChain.push_back({chip->Row(), chip->Column()});
    }
    saved.random = random.State();
    saved.kind = kind;
    if (kind == GameKind::Daily) {
        saved.dailyRandom = dailyArrivals->State();
    }
    return saved;
}

bool GameSession::Lay(const SavedSession& saved, Board& target, std::vector<Chip*>* missed)
{
    std::vector<Chip*> changed;
    target.ClearSelection(changed);
    target.Fill(0);
    for (const SavedTile& tile : saved.tiles) {
        Chip* chip = target.Cell(tile.cell.row, tile.cell.column);
        const bool letter =
            (tile.letter.size() == 1 && tile.letter[0] >= 'A' && tile.letter[0] <= 'Z' && tile.letter[0] != 'Q') ||
            tile.letter == "QU";
        // Half-tile columns: a row uses every other one. A cell holds one tile, worth its letter.
        if (chip == nullptr || (tile.cell.row - tile.cell.column) % 2 != 0 || chip->IsOccupied() || !letter ||
            tile.value != LetterValue(tile.letter[0])) {
            return false;
        }
        chip->Set(tile.letter, tile.value);
    }
    // Chosen one by one as clicks would: a tile that does not touch the one before, or comes
    // twice, leaves a different chain.
    std::vector<Chip*> chain;
    for (const CellAt& cell : saved.chain) {
        Chip* chip = target.Cell(cell.row, cell.column);
        if (chip == nullptr || !chip->IsOccupied()) {
            return false;
        }
        target.Select(chip, false, changed);
        chain.push_back(chip);
    }
    if (target.Selection() != chain) {
        return false;
    }
    std::vector<Chip*> missedTiles;
    for (const CellAt& cell : saved.missedChain) {
        Chip* chip = target.Cell(cell.row, cell.column);
        if (chip == nullptr || !chip->IsOccupied() ||
            std::find(missedTiles.begin(), missedTiles.end(), chip) != missedTiles.end() ||
            (!missedTiles.empty() && !Board::IsAdjacent(missedTiles.back(), chip))) {
            return false;
        }
        missedTiles.push_back(chip);
    }
    if (missed != nullptr) {
        *missed = std::move(missedTiles);
    }
    return true;
}

bool GameSession::Load(const SavedSession& saved)
{
    const GameRules& r = saved.rules;
    const SessionState& s = saved.state;
    const bool rulesFit = r.boardRows == board->Rows() && std::uint64_t{r.tilesPerRow} * 2 == board->Columns() &&
                          r.startRows <= r.boardRows && r.startLives >= 1 && r.startEvolveInterval >= 1 &&
                          r.tumbleInterval >= 1 && r.evolveSpeedUp <= 1000 && r.pointsPerLife >= 1 &&
                          r.clearingStart >= 1 && r.clearingInterval >= 1;
    // A game in progress: playing, or clearing the board with ticks left, and a life to lose.
    const bool countersFit =
        s.lives >= 1 && s.gamesStarted >= 1 && s.round >= 1 && s.evolveInterval >= 1 &&
        s.evolveInterval <= r.startEvolveInterval &&
        ((s.phase == SessionPhase::Playing && s.clearCountdown == 0) ||
         (s.phase == SessionPhase::Clearing && s.clearCountdown >= 1 && s.clearCountdown <= r.clearingStart));
    const bool wordsFit =
        saved.bestWords.size() <= maxBestWords && saved.newestBestWord >= -1 &&
        saved.newestBestWord < static_cast<std::int64_t>(saved.bestWords.size()) &&
        std::none_of(saved.bestWords.begin(), saved.bestWords.end(),
                     [](const SessionWord& w) { return w.spelling.empty(); }) &&
        std::all_of(saved.typed.begin(), saved.typed.end(), [](char c) { return c >= 'A' && c <= 'Z'; }) &&
        (saved.missedChain.empty() || s.phase == SessionPhase::Clearing);
    // Only a daily game has a stream of its own.
    GameRandom check;
    const bool kindFits =
        saved.kind == GameKind::Daily
            ? check.Restore(saved.dailyRandom)
            : saved.dailyRandom.empty() && (saved.kind == GameKind::Standard || saved.kind == GameKind::Relaxed);
    if (!rulesFit || !countersFit || !wordsFit || !kindFits || !check.Restore(saved.random)) {
        return false;
    }
    // The tiles are tried on a board of this session's size: the saved rules are only trusted
    // once they were found to match it.
    Board trial(board->Rows(), board->Columns() / 2, check);
    if (!Lay(saved, trial, nullptr)) {
        return false;
    }
    kind = saved.kind;
    if (kind == GameKind::Daily) {
        dailyArrivals->Restore(saved.dailyRandom);
    }
    board->SetArrivals(kind == GameKind::Daily ? dailyArrivals.get() : nullptr);
    rules = r;
    state = s;
    Lay(saved, *board, &missedChain);
    typedWord.Restore(saved.typed, *board);
    bestWords = saved.bestWords;
    newestBestWord = saved.newestBestWord;
    missedWord = saved.missedWord;
    random.Restore(saved.random);
    return true;
}
