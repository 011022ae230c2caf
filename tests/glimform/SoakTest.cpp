// A long seeded workout of whole games: timer ticks mixed with clicks, drags, words, questions,
// option changes and restarts, with the board's and the game's invariants checked after every
// step and the resident memory compared between the first game's end and the end of the run.
#include "GameTestSupport.h"

#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/PickLetter.h"
#include "dialogs/Howto.h"
#include "dialogs/about.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "glimform/glimform.h"
#include "settings/Sounder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The run replays exactly from this seed; GLIM_SOAK_SEED tries another one.
constexpr std::uint32_t defaultSeed = 20240611;
constexpr std::uint64_t minimumTicks = 100000;

// Resident set size in KiB, from /proc/self/statm (0 when it cannot be read).
std::uint64_t ResidentKiB()
{
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0;
    std::uint64_t resident = 0;
    return statm >> size >> resident ? resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}

// Counts what the game plays; recording every sound would itself grow over a long run.
class CountingOutput : public SoundOutput {
public:
    explicit CountingOutput(std::uint64_t& count) : count(count) {}
    void PlayImage(const QByteArray&) override { ++count; }
    void PlayFile(const QString&) override { ++count; }

private:
    std::uint64_t& count;
};

// The test dictionary's words as tiles (a Q tile carries QU).
const std::vector<std::vector<std::string>> dictionaryWords = {
    {"C", "A", "T"}, {"C", "A", "R", "T", "S"}, {"QU", "I", "T"}, {"E", "V", "E"},
    {"QU", "A", "R", "T", "E", "T", "T", "E", "S"}, {"T", "R", "E", "E"}, {"T", "R", "E", "E", "S"},
    {"P", "O", "L", "I", "S", "H"}, {"D", "O", "N", "T"}};

// Nicknames the options dialog is given, with an empty one (OK stays off) and a TAB.
const std::vector<QString> nicknames = {QStringLiteral("Anonymous"), QStringLiteral("Soak"), QString(),
                                        QStringLiteral("Tab\tName"),
                                        QStringLiteral("A rather long nickname for the score table")};

// Start and Quit each take either of the player's two ways (see Perform).
enum class Action { Tick, Click, Drag, ValidWord, InvalidWord, Clear, Pause, Quit, Help, PlayOptions, Minimise,
                    Repaint, Start, PreplayOptions, ViewScores, About, HowToPlayStart };
const char* const actionNames[] = {"tick",  "click", "drag", "valid word", "invalid word", "clear", "pause",
                                   "end game", "help", "options during play", "minimise and restore",
                                   "let events run", "start", "options between games", "view scores",
                                   "about box", "How To Play start"};

enum class Timer { None, Evolve, Tumble };

struct Tally {
    std::uint64_t ticks = 0, steps = 0, gamesEnded = 0, wordsEntered = 0, invalidAttempts = 0, roundsLost = 0;
    std::uint64_t sounds = 0;
    // Index 1 counts Yes, Start or OK; index 0 No, Close or Cancel.
    std::uint64_t pause[2] = {}, quit[2] = {}, scores[2] = {}, options[2] = {};
    std::uint32_t bestScore = 0, gamesStarted = 0;
    // Resident memory at the first game's end and at the end of the run.
    std::uint64_t firstGameKiB = 0, endKiB = 0;
};

class SoakRun {
public:
    explicit SoakRun(std::uint32_t seed) : seed(seed), actions(seed)
    {
        form->sounder = std::make_unique<Sounder>(std::make_unique<CountingOutput>(tally.sounds),
                                                  [] { return 0u; });
        // The window was built with a title board seeded from the clock.
        SeedGameRandom(seed);
        form->FormPaint();
        // Answers every modal window the game opens, from inside its event loop.
        answerer.setInterval(0);
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                Answer(modal);
            }
        });
        answerer.start();
    }

    void Run()
    {
        // The first game opens every window once, so its end samples the working size.
        touring = true;
        for (Action action : {Action::About, Action::ViewScores, Action::PreplayOptions, Action::Start,
                              Action::HowToPlayStart, Action::ValidWord, Action::Help, Action::PlayOptions,
                              Action::Quit}) {
            Step(action);
        }
        touring = false;
        while (tally.ticks < minimumTicks && !::testing::Test::HasFailure()) {
            Step(ChooseAction());
        }
        // Leave the last game the way the first one left: ended, between games.
        finishing = true;
        const Action finish[] = {Action::Quit, Action::Tick, Action::Repaint, Action::HowToPlayStart};
        for (int guard = 0; guard < 100000 && CurrentPhase() != Phase::BetweenGames && !::testing::Test::HasFailure();
             ++guard) {
            Step(finish[static_cast<int>(CurrentPhase())]);
        }
        LetEventsRun();
        tally.endKiB = ResidentKiB();
        tally.gamesStarted = form->gamesStarted;
    }

    std::uint32_t seed;
    Tally tally;

private:
    // The state that decides which player actions make sense.
    enum class Phase { Playing, Clearing, BetweenGames, HowToPlayShown };

    Phase CurrentPhase() const
    {
        if (HowToPlay->isVisible()) {
            return Phase::HowToPlayShown;
        }
        if (!form->IsPlayPanelShown()) {
            return Phase::BetweenGames;
        }
        return form->clearCountdown == 0 ? Phase::Playing : Phase::Clearing;
    }

    Action ChooseAction()
    {
        using A = Action;
        struct Weighted {
            std::vector<Action> actions;
            std::discrete_distribution<std::size_t> pick;
        };
        // Buttons are off while the board clears: pressing them must change nothing.
        static Weighted tables[] = {
            {{A::Tick, A::Click, A::Drag, A::ValidWord, A::InvalidWord, A::Clear, A::Pause, A::Quit, A::Help,
              A::PlayOptions, A::Minimise, A::Repaint},
             {850, 40, 30, 12, 10, 15, 0.8, 0.7, 0.1, 0.5, 1, 10}},
            {{A::Tick, A::Click, A::Clear, A::Pause, A::Quit, A::Minimise, A::Repaint}, {900, 10, 5, 5, 5, 5, 10}},
            {{A::Start, A::PreplayOptions, A::ViewScores, A::About, A::Repaint}, {10, 2, 2, 1, 2}},
            {{A::HowToPlayStart}, {1}},
        };
        Weighted& table = tables[static_cast<int>(CurrentPhase())];
        return table.actions[table.pick(actions)];
    }

    bool Chance(double p) { return std::bernoulli_distribution(p)(actions); }
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(actions); }

    // Which timer a tick fires: each as often as its interval makes it fire.
    Timer PickTimer()
    {
        const bool evolve = form->EvolveTimer->isActive();
        const bool tumble = form->TumbleTimer->isActive();
        if (!evolve && !tumble) {
            return Timer::None;
        }
        const double e = form->EvolveTimer->interval();
        const double t = form->TumbleTimer->interval();
        return evolve && (!tumble || Chance(t / (e + t))) ? Timer::Evolve : Timer::Tumble;
    }

    std::string Where(Action action, Timer timer) const
    {
        std::ostringstream text;
        text << "seed " << seed << ", step " << tally.steps << ", tick " << tally.ticks << ", game "
             << form->gamesStarted << ", action " << actionNames[static_cast<int>(action)]
             << (timer == Timer::Evolve ? " (arrival)"
                 : timer == Timer::None ? ""
                 : form->clearCountdown == 0 ? " (falling)" : " (clearing)");
        return text.str();
    }

    // Cells as (row, column), in order.
    static std::string Cells(const std::vector<Chip*>& chips)
    {
        std::ostringstream text;
        for (const Chip* chip : chips) {
            text << " (" << chip->Row() << ", " << chip->Column() << ")";
        }
        return chips.empty() ? " none" : text.str();
    }

    // One player action or timer tick, then every invariant.
    void Step(Action action)
    {
        ++tally.steps;
        const Timer timer = action == Action::Tick ? PickTimer() : Timer::None;
        SCOPED_TRACE(Where(action, timer));
        const std::uint32_t gameBefore = form->gamesStarted;
        const bool shownBefore = form->IsPlayPanelShown();
        const std::uint32_t countdownBefore = form->clearCountdown;
        Perform(action, timer);
        // Let the windows repaint and free what they let go now and then, as the real event loop would.
        if (tally.steps % 64 == 0) {
            LetEventsRun();
        }

        // The clearing's last tick loses the round; a game over may start the next game in the same step.
        if (timer == Timer::Tumble && countdownBefore == 1 && form->clearCountdown == 0) {
            ++roundsLost;
            ++tally.roundsLost;
        }
        const bool newGame = form->gamesStarted != gameBefore;
        if (shownBefore && (newGame || !form->IsPlayPanelShown()) && ++tally.gamesEnded == 1) {
            LetEventsRun();
            tally.firstGameKiB = ResidentKiB();
        }
        if (newGame) {
            ASSERT_EQ(form->gamesStarted, gameBefore + 1);
            gameScore = 0;
            roundsLost = 0;
        }
        CheckBoard();
        CheckGame();
    }

    void Perform(Action action, Timer timer)
    {
        switch (action) {
        case Action::Tick:
            tally.ticks += timer != Timer::None;
            if (timer == Timer::Evolve) {
                form->EvolveTimerTick();
            } else if (timer == Timer::Tumble) {
                form->TumbleTimerTick();
            }
            break;
        case Action::Click:
            if (const std::vector<Chip*> cells = game.OccupiedCells(); !cells.empty()) {
                game.Click(NearCentre(cells[Below(cells.size())]));
            }
            break;
        case Action::Drag: DragChain(); break;
        case Action::ValidWord: EnterDictionaryWord(); break;
        case Action::InvalidWord: TryChainAsWord(); break;
        case Action::Clear: PressOrKey(form->clearButton, {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete}); break;
        case Action::Pause: Press(form->pauseButton); break;
        case Action::Quit:
            // Closing the window asks the same question as the button.
            if (!touring && !finishing && form->clearCountdown == 0 && Chance(0.3)) {
                form->close();
            } else {
                Press(form->endGameButton);
            }
            break;
        case Action::Help: Press(form->helpButton); break;
        case Action::PlayOptions: Press(form->playOptionsButton); break;
        case Action::Minimise: MinimiseAndRestore(); break;
        case Action::Repaint: LetEventsRun(); break;
        case Action::Start:
            // The Start button, or a click on the board between games.
            if (touring || Chance(0.5)) {
                Press(form->StartButton);
            } else {
                game.Click(QPoint(form->wordInProgress->x() / 2, form->height() / 2));
            }
            EXPECT_TRUE(form->IsPlaying() || HowToPlay->isVisible());
            break;
        case Action::PreplayOptions: Press(form->preplayOptionsButton); break;
        case Action::ViewScores: Press(form->ScoresButton); break;
        case Action::About: Press(form->aboutButton); break;
        case Action::HowToPlayStart:
            if (HowToPlay->isVisible()) {
                // The title board seeds the game's generator from the clock; take the run's seed back.
                SeedGameRandom(static_cast<std::uint32_t>(actions()));
                HowToPlay->HowToPlay->setChecked(Chance(0.5));
                HowToPlay->StartButton->click();
            }
            break;
        }
    }

    // Presses the button as a player could: only while it is shown and enabled.
    static void Press(QPushButton* button)
    {
        if (button->isVisible() && button->isEnabled()) {
            button->click();
        }
    }

    // The button, or one of the keys that stand for it.
    void PressOrKey(QPushButton* button, std::initializer_list<Qt::Key> keys)
    {
        const std::size_t way = Below(keys.size() + 1);
        if (way == keys.size()) {
            Press(button);
        } else {
            QTest::keyClick(form, keys.begin()[way]);
        }
    }

    // Delivers the posted repaints and deletions. Timers stay out: the game's own would fire
    // by the wall clock, and the run would no longer replay from its seed.
    static void LetEventsRun()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
    }

    // A point on or near the tile: inside, on its rim or just beside it.
    QPoint NearCentre(const Chip* chip)
    {
        const BoardRect rect = chip->Rect();
        const int reach = std::max(1, (rect.right - rect.left) * 2 / 3);
        std::uniform_int_distribution<int> offset(-reach, reach);
        return game.Centre(chip) + QPoint(offset(actions), offset(actions));
    }

    // The cells touching the chip's cell: one on each side, two above and two below.
    std::vector<Chip*> Neighbours(const Chip* chip) const
    {
        std::vector<Chip*> found;
        const std::pair<int, int> steps[] = {{0, -2}, {0, 2}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
        for (const auto& [dr, dc] : steps) {
            if (Chip* next = form->board->Cell(chip->Row() + dr, chip->Column() + dc)) {
                found.push_back(next);
            }
        }
        return found;
    }

    // A drag over neighbouring tiles, now and then jumping away or ending in a double click.
    void DragChain()
    {
        const std::vector<Chip*> cells = game.OccupiedCells();
        if (cells.empty()) {
            return;
        }
        Chip* at = cells[Below(cells.size())];
        game.Press(NearCentre(at));
        for (std::size_t m = 0, moves = Below(10); m < moves; ++m) {
            std::vector<Chip*> next = Neighbours(at);
            std::erase_if(next, [](const Chip* chip) { return !chip->IsOccupied(); });
            at = next.empty() || Chance(0.05) ? cells[Below(cells.size())] : next[Below(next.size())];
            game.DragTo(Chance(0.8) ? game.Centre(at) : NearCentre(at));
        }
        game.Release(game.Centre(at));
        if (Chance(0.1)) {
            game.DoubleClick(game.Centre(at));
        }
    }

    // Submits the chain by one of the player's four ways: it scores its value and leaves its cells.
    void SubmitWord()
    {
        const std::vector<Chip*> chain = form->board->Selection();
        const std::uint64_t total = std::uint64_t{form->score} + form->board->SelectionValue();
        if (Chance(0.25)) {
            // The press before a double click toggles the tile too: a click takes the last tile
            // off, and that press puts it back before the double click submits.
            game.Click(game.Centre(chain.back()));
            game.DoubleClick(game.Centre(chain.back()));
        } else {
            PressOrKey(form->enterButton, {Qt::Key_Space, Qt::Key_Return});
        }
        ++tally.wordsEntered;
        EXPECT_EQ(form->score, static_cast<std::uint32_t>(std::min<std::uint64_t>(total, UINT32_MAX)))
            << "a word scores its value";
        EXPECT_TRUE(form->board->Selection().empty());
        for (const Chip* chip : chain) {
            EXPECT_FALSE(chip->IsOccupied()) << "an entered word leaves its cells empty";
        }
    }

    // A path of distinct adjacent usable cells, or empty when none was found quickly.
    std::vector<Chip*> RandomPath(std::size_t length)
    {
        Board& board = *form->board;
        for (int attempt = 0; attempt < 20; ++attempt) {
            const std::int32_t r = static_cast<std::int32_t>(Below(board.Rows()));
            const std::int32_t c = static_cast<std::int32_t>(2 * Below(board.Columns() / 2)) + r % 2;
            std::vector<Chip*> path{board.Cell(r, c)};
            while (path.size() < length) {
                std::vector<Chip*> free = Neighbours(path.back());
                std::erase_if(free, [&path](const Chip* chip) { return std::ranges::find(path, chip) != path.end(); });
                if (free.empty()) {
                    break;
                }
                path.push_back(free[Below(free.size())]);
            }
            if (path.size() == length) {
                return path;
            }
        }
        return {};
    }

    // Lays a word's tiles along a random path by the test's hand, then a player drags and submits it.
    void EnterDictionaryWord()
    {
        const std::vector<std::string>& word = dictionaryWords[Below(dictionaryWords.size())];
        const std::vector<Chip*> path = RandomPath(word.size());
        if (path.empty()) {
            return;
        }
        // Replacing a tile unflags it: the chain goes first, so it never holds a tile that was swapped.
        form->ClearWord();
        std::uint64_t value = 1;
        std::string letters;
        for (std::size_t i = 0; i < word.size(); ++i) {
            const std::uint32_t tile = LetterValue(word[i].front());
            path[i]->Set(word[i], tile);
            value = std::min<std::uint64_t>(value * tile, UINT32_MAX);
            letters += word[i];
        }
        form->PaintTiles(path);

        game.Press(game.Centre(path.front()));
        for (std::size_t i = 1; i < path.size(); ++i) {
            game.DragTo(game.Centre(path[i]));
        }
        game.Release(game.Centre(path.back()));
        ASSERT_TRUE(form->board->Selection() == path)
            << "the drag chains the laid tiles" << Cells(path) << ", not" << Cells(form->board->Selection());
        ASSERT_EQ(form->board->WordInProgress(), letters);
        ASSERT_TRUE(form->enterButton->isEnabled()) << letters << " is in the test dictionary";
        ASSERT_EQ(form->board->SelectionValue(), value) << "the product of the tile values";
        SubmitWord();
    }

    // Chains existing tiles and tries to submit them: a non-word changes nothing.
    void TryChainAsWord()
    {
        DragChain();
        const std::vector<Chip*> chain = form->board->Selection();
        const std::uint32_t before = form->score;
        if (chain.empty()) {
            return;
        }
        if (form->enterButton->isEnabled()) {
            SubmitWord();  // random tiles may spell a word; then it counts like any other
            return;
        }
        ++tally.invalidAttempts;
        PressOrKey(form->enterButton, {Qt::Key_Space, Qt::Key_Return});
        EXPECT_EQ(form->score, before) << "a non-word scores nothing";
        EXPECT_TRUE(form->board->Selection() == chain) << "a non-word keeps its chain" << Cells(chain);
    }

    void Answer(QWidget* modal)
    {
        if (modal == NewGameForm) {
            AnswerScores();
        } else if (modal == OptionsForm) {
            AnswerOptions();
        } else if (modal == AboutBox) {
            FinishDialog(modal, false);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            AnswerQuestion(box);
        } else {
            ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\"";
            modal->close();
        }
    }

    void AnswerQuestion(QMessageBox* box)
    {
        const bool pause = box->text().contains(QStringLiteral("paused"));
        EXPECT_TRUE(pause || box->text().contains(QStringLiteral("quit")))
            << "unexpected question \"" << box->text().toStdString() << "\"";
        MinimiseBehindModal();
        if (touring || (!finishing && Chance(0.05))) {
            // Help shows its topic and keeps the question open.
            box->button(QMessageBox::Help)->click();
            EXPECT_TRUE(box->isVisible());
        }
        // Yes resumes after a pause; after a quit question No does.
        const bool yes = touring || (finishing ? !pause : Chance(pause ? 0.7 : 0.6));
        ++(pause ? tally.pause : tally.quit)[yes];
        PressMessageButton(box, yes ? QMessageBox::Yes : QMessageBox::No);
    }

    void AnswerScores()
    {
        const QString title = NewGameForm->windowTitle();
        const bool result = title != QStringLiteral("Scores");
        if (result) {
            // The table offers a game's result: it ended with its score and, when over, no lives.
            EXPECT_EQ(form->score, gameScore) << "the result is the game's score";
            EXPECT_GT(form->score, 0u) << "only a scoring game is offered";
            EXPECT_EQ(title == QStringLiteral("Game Over"), form->lives == 0)
                << title.toStdString() << " with " << form->lives << " lives";
            tally.bestScore = std::max(tally.bestScore, form->score);
        }
        if (touring ? result : !finishing && Chance(0.15)) {
            // The nested options window needs its own answer: this one is still running.
            AnswerNextModal([this](QWidget* modal) { Answer(modal); });
            NewGameForm->OptionsButton->click();
        }
        const bool start = touring ? result : !finishing && Chance(0.6);
        ++tally.scores[start];
        (start ? NewGameForm->OKButton : NewGameForm->CancelButton)->click();
    }

    // Minimising stops play and hides the board; restoring returns exactly to the state before.
    void MinimiseAndRestore()
    {
        const bool evolve = form->EvolveTimer->isActive();
        const bool tumble = form->TumbleTimer->isActive();
        const bool hidden = form->boardHidden;
        form->FormApplicationEventsMinimize();
        EXPECT_FALSE(form->EvolveTimer->isActive() || form->TumbleTimer->isActive());
        EXPECT_TRUE(form->boardHidden);
        form->FormApplicationEventsRestore();
        EXPECT_EQ(form->EvolveTimer->isActive(), evolve);
        EXPECT_EQ(form->TumbleTimer->isActive(), tumble);
        EXPECT_EQ(form->boardHidden, hidden);
    }

    // Play stays stopped and hidden behind a modal window, also across a minimise and restore.
    void MinimiseBehindModal()
    {
        if (form->IsPlayPanelShown()) {
            EXPECT_TRUE(form->boardHidden) << "the board is hidden behind a modal window";
            EXPECT_FALSE(form->EvolveTimer->isActive() || form->TumbleTimer->isActive());
            if (touring || Chance(0.1)) {
                MinimiseAndRestore();
            }
        }
    }

    void AnswerOptions()
    {
        MinimiseBehindModal();
        if (!touring && Chance(0.4)) {
            OptionsForm->NicknameField->setText(nicknames[Below(nicknames.size())]);
        }
        for (QCheckBox* box :
             {OptionsForm->SelectTileSounds, OptionsForm->EnterWordSounds, OptionsForm->EndRoundSounds}) {
            if (Chance(0.3)) {
                box->setChecked(!box->isChecked());
            }
        }
        if (touring || Chance(0.1)) {
            OptionsForm->HowToPlay->setChecked(touring || !OptionsForm->HowToPlay->isChecked());
        }
        const bool ok = OptionsForm->OKBtn->isEnabled() && (touring || Chance(0.8));
        ++tally.options[ok];
        (ok ? OptionsForm->OKBtn : OptionsForm->CancelBtn)->click();
    }

    void CheckBoard()
    {
        Board& board = *form->board;
        std::vector<Chip*> flagged;
        for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
            for (std::int32_t c = 0; c < static_cast<std::int32_t>(board.Columns()); ++c) {
                Chip* chip = board.Cell(r, c);
                ASSERT_NE(chip, nullptr);
                ASSERT_EQ(chip->Row(), r);
                ASSERT_EQ(chip->Column(), c);
                if ((r + c) % 2 != 0) {
                    ASSERT_FALSE(chip->IsOccupied() || chip->IsSelected()) << "tile in an unused cell" << Cells({chip});
                    continue;
                }
                if (chip->IsSelected()) {
                    ASSERT_TRUE(chip->IsOccupied()) << "flagged empty cell" << Cells({chip});
                    flagged.push_back(chip);
                }
                if (chip->IsOccupied()) {
                    const std::string& letter = chip->Letter();
                    const bool shape = (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z') || letter == "QU";
                    ASSERT_TRUE(shape) << "tile \"" << letter << "\" at" << Cells({chip});
                    ASSERT_EQ(chip->Value(), LetterValue(letter[0])) << letter;
                }
            }
        }
        std::vector<Chip*> chain = board.Selection();
        for (std::size_t i = 1; i < chain.size(); ++i) {
            ASSERT_TRUE(Board::IsAdjacent(chain[i - 1], chain[i])) << "chain link " << i << " is off the last";
        }
        std::sort(chain.begin(), chain.end());
        ASSERT_TRUE(std::adjacent_find(chain.begin(), chain.end()) == chain.end()) << "a tile twice in the chain";
        std::sort(flagged.begin(), flagged.end());
        ASSERT_TRUE(chain == flagged) << "the chain lists exactly the flagged tiles: chain" << Cells(board.Selection())
                                      << ", flagged" << Cells(flagged);
    }

    void CheckGame()
    {
        EXPECT_EQ(form->valueLabel->text(), QString::number(form->score));
        const bool evolve = form->EvolveTimer->isActive();
        const bool tumble = form->TumbleTimer->isActive();
        if (!form->IsPlayPanelShown()) {
            ASSERT_FALSE(evolve || tumble) << "no timer runs between games";
            ASSERT_EQ(form->clearCountdown, 0u);
        }
        if (form->gamesStarted == 0) {
            return;
        }
        ASSERT_GE(form->score, gameScore) << "the score only grows within a game";
        gameScore = form->score;
        // A life per multiple of 2000 crossed: over a game, one per multiple below the score, less rounds lost.
        const std::uint32_t earned = form->startLives + form->score / form->pointsPerLife;
        ASSERT_LE(form->lives, earned) << "more lives than earned";
        ASSERT_EQ(form->lives + roundsLost, earned) << roundsLost << " rounds lost";

        if (CurrentPhase() == Phase::Playing) {
            ASSERT_TRUE(evolve && tumble) << "both timers run in play";
            ASSERT_FALSE(form->boardHidden);
            ASSERT_EQ(form->TumbleTimer->interval(), static_cast<int>(form->tumbleInterval));
            ASSERT_GE(form->EvolveTimer->interval(), 99);
            ASSERT_LE(form->EvolveTimer->interval(), static_cast<int>(form->startEvolveInterval));
            const std::string letters = form->board->WordInProgress();
            ASSERT_EQ(form->enterButton->isEnabledTo(form), !form->words.Lookup(letters).empty())
                << "Enter is on exactly for a word: \"" << letters << "\"";
            ASSERT_EQ(form->clearButton->isEnabledTo(form), !letters.empty());
        } else if (CurrentPhase() == Phase::Clearing) {
            ASSERT_TRUE(!evolve && tumble) << "only the clearing runs";
            ASSERT_EQ(form->TumbleTimer->interval(), 20);
            ASSERT_LE(form->clearCountdown, 25u);
            ASSERT_FALSE(form->pauseButton->isEnabled());
        }
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
    std::mt19937 actions;
    QTimer answerer;
    // Opening each window once in the first game; answers take every path once and end it.
    bool touring = false;
    // Ending the last game at the end of the run; answers end it.
    bool finishing = false;
    // The running game's score at the last step and the rounds it has lost.
    std::uint32_t gameScore = 0;
    std::uint32_t roundsLost = 0;
};

}  // namespace

TEST(Soak, AHundredThousandTicksOfRandomPlayKeepTheBoardAndTheGameSound)
{
    const QByteArray seedText = qgetenv("GLIM_SOAK_SEED");
    bool ok = false;
    const std::uint32_t seed = seedText.toUInt(&ok);
    SoakRun run(ok ? seed : defaultSeed);
    run.Run();
    const Tally& t = run.tally;
    std::cout << "[ soak ] seed " << run.seed << ": " << t.ticks << " ticks, " << t.gamesEnded << " games, "
              << t.roundsLost << " rounds lost, " << t.wordsEntered << " words, best score " << t.bestScore
              << ", " << t.sounds << " sounds; resident KiB " << t.firstGameKiB << " -> " << t.endKiB << "\n";
    ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << run.seed;

    EXPECT_GE(t.ticks, minimumTicks);
    EXPECT_EQ(t.gamesEnded, t.gamesStarted) << "every game ended";
    EXPECT_GE(t.gamesEnded, 10u) << "seed " << run.seed;
    EXPECT_GT(t.wordsEntered, 0u);
    EXPECT_GT(t.invalidAttempts, 0u);
    EXPECT_GT(t.pause[0] * t.pause[1] * t.quit[0] * t.quit[1], 0u) << "both answers to both questions";
    EXPECT_GT(t.scores[0] * t.scores[1], 0u);
    EXPECT_GT(t.options[1], 0u);
    EXPECT_GT(t.roundsLost, 0u);

#ifndef __SANITIZE_ADDRESS__
    // 5% plus 2 MiB allows for the allocator's drift, not a few dozen bytes leaked per tick. Under
    // AddressSanitizer the quarantine holds freed memory, so there the leak checker does this job.
    ASSERT_GT(t.firstGameKiB, 0u);
    EXPECT_LE(t.endKiB, t.firstGameKiB + t.firstGameKiB / 20 + 2048)
        << "resident memory grew from " << t.firstGameKiB << " KiB to " << t.endKiB << " KiB; seed " << run.seed;
#endif
}
