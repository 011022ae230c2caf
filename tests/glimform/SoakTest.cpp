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
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
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
    if (!(statm >> size >> resident)) {
        return 0;
    }
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) / 1024;
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
    {"C", "A", "T"},
    {"C", "A", "R", "T", "S"},
    {"QU", "I", "T"},
    {"E", "V", "E"},
    {"QU", "A", "R", "T", "E", "T", "T", "E", "S"},
    {"T", "R", "E", "E"},
    {"T", "R", "E", "E", "S"},
    {"P", "O", "L", "I", "S", "H"},
    {"D", "O", "N", "T"},
};

// Nicknames the options dialog is given, with an empty one (OK stays off) and a TAB.
const std::vector<QString> nicknames = {
    QStringLiteral("Anonymous"), QStringLiteral("Soak"), QString(), QStringLiteral("Tab\tName"),
    QStringLiteral("A rather long nickname for the score table"),
};

enum class Action {
    Tick,
    Click,
    Drag,
    ValidWord,
    InvalidWord,
    Clear,
    Pause,
    Quit,
    CloseWindow,
    Help,
    PlayOptions,
    Minimise,
    Repaint,
    Start,
    BoardClickToStart,
    PreplayOptions,
    ViewScores,
    About,
    HowToPlayStart,
    Finish,
};

const char* ActionName(Action action)
{
    switch (action) {
    case Action::Tick: return "tick";
    case Action::Click: return "click";
    case Action::Drag: return "drag";
    case Action::ValidWord: return "valid word";
    case Action::InvalidWord: return "invalid word";
    case Action::Clear: return "clear";
    case Action::Pause: return "pause";
    case Action::Quit: return "end game";
    case Action::CloseWindow: return "close window";
    case Action::Help: return "help";
    case Action::PlayOptions: return "options during play";
    case Action::Minimise: return "minimise and restore";
    case Action::Repaint: return "let events run";
    case Action::Start: return "start";
    case Action::BoardClickToStart: return "click to start";
    case Action::PreplayOptions: return "options between games";
    case Action::ViewScores: return "view scores";
    case Action::About: return "about box";
    case Action::HowToPlayStart: return "How To Play start";
    case Action::Finish: return "finish";
    }
    return "?";
}

struct Tally {
    std::uint64_t ticks = 0;
    std::uint64_t steps = 0;
    std::uint64_t gamesEnded = 0;
    std::uint64_t wordsEntered = 0;
    std::uint64_t invalidAttempts = 0;
    std::uint64_t roundsLost = 0;
    std::uint64_t pauseYes = 0;
    std::uint64_t pauseNo = 0;
    std::uint64_t quitYes = 0;
    std::uint64_t quitNo = 0;
    std::uint64_t scoresStart = 0;
    std::uint64_t scoresClose = 0;
    std::uint64_t optionsAccepted = 0;
    std::uint64_t optionsCancelled = 0;
    std::uint64_t howToPlayShown = 0;
    std::uint64_t sounds = 0;
    std::uint32_t bestScore = 0;
};

class SoakRun {
public:
    explicit SoakRun(std::uint32_t seed) : seed(seed), actions(seed)
    {
        form = game.form;
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
        // The first game opens every window once and then is ended, so that the memory sampled
        // at its end is the game's working size and not the first use of each window.
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
        for (int guard = 0; guard < 100000 && (form->IsPlayPanelShown() || HowToPlay->isVisible()) &&
                            !::testing::Test::HasFailure();
             ++guard) {
            Step(Action::Finish);
        }
        LetEventsRun();
        endKiB = ResidentKiB();
        gamesStarted = form->gamesStarted;
    }

    std::uint32_t seed;
    Tally tally;
    std::uint64_t firstGameKiB = 0;
    std::uint64_t endKiB = 0;
    std::uint32_t gamesStarted = 0;

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
        struct Weighted {
            Action action;
            double weight;
        };
        static const std::vector<Weighted> playing = {
            {Action::Tick, 850}, {Action::Click, 40},      {Action::Drag, 30},       {Action::ValidWord, 12},
            {Action::InvalidWord, 10}, {Action::Clear, 15}, {Action::Pause, 0.8},    {Action::Quit, 0.5},
            {Action::CloseWindow, 0.2}, {Action::Help, 0.1}, {Action::PlayOptions, 0.5},
            {Action::Minimise, 1},   {Action::Repaint, 10},
        };
        // Buttons are off while the board clears: pressing them must change nothing.
        static const std::vector<Weighted> clearing = {
            {Action::Tick, 900}, {Action::Click, 10}, {Action::Clear, 5}, {Action::Pause, 5},
            {Action::Quit, 5},   {Action::Minimise, 5}, {Action::Repaint, 10},
        };
        static const std::vector<Weighted> between = {
            {Action::Start, 5},        {Action::BoardClickToStart, 5}, {Action::PreplayOptions, 2},
            {Action::ViewScores, 2},   {Action::About, 1},             {Action::Repaint, 2},
        };
        static const std::vector<Weighted> howToPlay = {{Action::HowToPlayStart, 1}};
        const std::vector<Weighted>* table = &playing;
        switch (CurrentPhase()) {
        case Phase::Playing: break;
        case Phase::Clearing: table = &clearing; break;
        case Phase::BetweenGames: table = &between; break;
        case Phase::HowToPlayShown: table = &howToPlay; break;
        }
        std::vector<double> weights;
        for (const Weighted& w : *table) {
            weights.push_back(w.weight);
        }
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        return (*table)[pick(actions)].action;
    }

    bool Chance(double p) { return std::bernoulli_distribution(p)(actions); }
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(actions); }

    std::string Where() const
    {
        std::ostringstream text;
        text << "seed " << seed << ", step " << tally.steps << ", tick " << tally.ticks << ", game "
             << form->gamesStarted << ", action " << ActionName(current) << detail;
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
        current = action;
        detail = "";
        const std::uint32_t gameBefore = form->gamesStarted;
        const bool shownBefore = form->IsPlayPanelShown();
        const std::uint32_t countdownBefore = form->clearCountdown;
        bool tumbled = false;
        Perform(action, tumbled);
        // Let the windows repaint and free what they let go now and then, as the real event loop would.
        if (tally.steps % 64 == 0) {
            LetEventsRun();
        }

        // A round is lost when the clearing's last tick settles it; a game over may also have
        // started the next game in the same step.
        if (tumbled && countdownBefore == 1 && form->clearCountdown == 0) {
            ++roundsLost;
            ++tally.roundsLost;
        }
        const bool newGame = form->gamesStarted != gameBefore;
        if (shownBefore && (newGame || !form->IsPlayPanelShown())) {
            ++tally.gamesEnded;
            if (tally.gamesEnded == 1) {
                LetEventsRun();
                firstGameKiB = ResidentKiB();
            }
        }
        if (newGame) {
            ASSERT_EQ(form->gamesStarted, gameBefore + 1) << Where();
            gameScore = 0;
            roundsLost = 0;
        }
        CheckBoard();
        CheckGame();
    }

    void Perform(Action action, bool& tumbled)
    {
        switch (action) {
        case Action::Tick: Tick(tumbled); break;
        case Action::Click: ClickSomewhere(); break;
        case Action::Drag: DragChain(); break;
        case Action::ValidWord: EnterDictionaryWord(); break;
        case Action::InvalidWord: TryChainAsWord(); break;
        case Action::Clear: ClearChain(); break;
        case Action::Pause: Press(form->pauseButton); break;
        case Action::Quit: Press(form->endGameButton); break;
        case Action::CloseWindow: form->close(); break;
        case Action::Help: Press(form->helpButton); break;
        case Action::PlayOptions: Press(form->playOptionsButton); break;
        case Action::Minimise: MinimiseAndRestore(); break;
        case Action::Repaint: LetEventsRun(); break;
        case Action::Start:
            Press(form->StartButton);
            EXPECT_TRUE(form->IsPlaying() || HowToPlay->isVisible()) << Where();
            break;
        case Action::BoardClickToStart:
            // A click on the board between games starts one.
            SendClick(QPoint(form->wordInProgress->x() / 2, form->height() / 2));
            EXPECT_TRUE(form->IsPlaying() || HowToPlay->isVisible()) << Where();
            break;
        case Action::PreplayOptions: Press(form->preplayOptionsButton); break;
        case Action::ViewScores: Press(form->ScoresButton); break;
        case Action::About: Press(form->aboutButton); break;
        case Action::HowToPlayStart: StartFromHowToPlay(); break;
        case Action::Finish: FinishStep(tumbled); break;
        }
    }

    // Fires one of the running timers, each as often as its interval makes it fire.
    void Tick(bool& tumbled)
    {
        const bool evolve = form->EvolveTimer->isActive();
        const bool tumble = form->TumbleTimer->isActive();
        if (!evolve && !tumble) {
            return;
        }
        ++tally.ticks;
        const double e = form->EvolveTimer->interval();
        const double t = form->TumbleTimer->interval();
        if (evolve && (!tumble || Chance(t / (e + t)))) {
            detail = " (arrival)";
            form->EvolveTimerTick();
        } else {
            detail = form->clearCountdown == 0 ? " (falling)" : " (clearing)";
            tumbled = true;
            form->TumbleTimerTick();
        }
    }

    void FinishStep(bool& tumbled)
    {
        switch (CurrentPhase()) {
        case Phase::HowToPlayShown: StartFromHowToPlay(); break;
        case Phase::Clearing: Tick(tumbled); break;
        case Phase::Playing: Press(form->endGameButton); break;
        case Phase::BetweenGames: break;
        }
    }

    // Presses the button as a player could: only while it is shown and enabled.
    static void Press(QPushButton* button)
    {
        if (button->isVisible() && button->isEnabled()) {
            button->click();
        }
    }

    // Delivers the posted repaints and deletions. Timers stay out: the game's own would fire
    // by the wall clock, and the run would no longer replay from its seed.
    static void LetEventsRun()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
    }

    void MinimiseAndRestore()
    {
        const bool evolve = form->EvolveTimer->isActive();
        const bool tumble = form->TumbleTimer->isActive();
        form->FormApplicationEventsMinimize();
        EXPECT_FALSE(form->EvolveTimer->isActive()) << Where();
        EXPECT_FALSE(form->TumbleTimer->isActive()) << Where();
        EXPECT_TRUE(form->boardHidden) << Where();
        form->FormApplicationEventsRestore();
        EXPECT_EQ(form->EvolveTimer->isActive(), evolve) << Where();
        EXPECT_EQ(form->TumbleTimer->isActive(), tumble) << Where();
    }

    void StartFromHowToPlay()
    {
        if (!HowToPlay->isVisible()) {
            return;
        }
        ++tally.howToPlayShown;
        // The title board seeds the game's generator from the clock; take the run's seed back.
        SeedGameRandom(static_cast<std::uint32_t>(actions()));
        HowToPlay->HowToPlay->setChecked(Chance(0.5));
        HowToPlay->StartButton->click();
    }

    // --- Pointer input, sent as the window system would ---

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), form->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(form, &event);
    }
    void SendPress(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void SendMove(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void SendRelease(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void SendClick(QPoint at)
    {
        SendPress(at);
        SendRelease(at);
    }
    void SendDoubleClick(QPoint at)
    {
        SendClick(at);
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        SendRelease(at);
    }

    QPoint Centre(const Chip* chip) const { return form->BoardToClient(chip->Centre()); }

    // A point on or near the tile: inside, on its rim or just beside it.
    QPoint NearCentre(const Chip* chip)
    {
        const BoardRect rect = chip->Rect();
        const int reach = std::max(1, (rect.right - rect.left) * 2 / 3);
        std::uniform_int_distribution<int> offset(-reach, reach);
        return Centre(chip) + QPoint(offset(actions), offset(actions));
    }

    std::vector<Chip*> OccupiedCells() const
    {
        std::vector<Chip*> cells;
        Board& board = *form->board;
        for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
            for (std::int32_t c = 0; c < static_cast<std::int32_t>(board.Columns()); ++c) {
                if (board.Cell(r, c)->IsOccupied()) {
                    cells.push_back(board.Cell(r, c));
                }
            }
        }
        return cells;
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

    void ClickSomewhere()
    {
        const std::vector<Chip*> cells = OccupiedCells();
        if (cells.empty()) {
            return;
        }
        SendClick(NearCentre(cells[Below(cells.size())]));
    }

    // A drag from a tile over its neighbours, now and then doubling back or jumping away, and
    // sometimes ending in a double click.
    void DragChain()
    {
        const std::vector<Chip*> cells = OccupiedCells();
        if (cells.empty()) {
            return;
        }
        Chip* at = cells[Below(cells.size())];
        SendPress(NearCentre(at));
        const std::size_t moves = Below(10);
        for (std::size_t m = 0; m < moves; ++m) {
            std::vector<Chip*> next = Neighbours(at);
            std::erase_if(next, [](const Chip* chip) { return !chip->IsOccupied(); });
            if (next.empty() || Chance(0.05)) {
                at = cells[Below(cells.size())];
            } else {
                at = next[Below(next.size())];
            }
            SendMove(Chance(0.8) ? Centre(at) : NearCentre(at));
        }
        SendRelease(Centre(at));
        if (Chance(0.1)) {
            SendDoubleClick(Centre(at));
        }
    }

    void ClearChain()
    {
        switch (Below(4)) {
        case 0: Press(form->clearButton); break;
        case 1: QTest::keyClick(form, Qt::Key_Escape); break;
        case 2: QTest::keyClick(form, Qt::Key_Backspace); break;
        default: QTest::keyClick(form, Qt::Key_Delete); break;
        }
    }

    // Submits a chain that forms a word and checks that it scored its value and left its cells.
    void SubmitWord()
    {
        const std::vector<Chip*> chain = form->board->Selection();
        const std::uint64_t total = std::uint64_t{form->score} + form->board->SelectionValue();
        Submit();
        ++tally.wordsEntered;
        EXPECT_EQ(form->score, static_cast<std::uint32_t>(std::min<std::uint64_t>(total, UINT32_MAX)))
            << "a word scores its value; " << Where();
        EXPECT_TRUE(form->board->Selection().empty()) << Where();
        for (const Chip* chip : chain) {
            EXPECT_FALSE(chip->IsOccupied()) << "an entered word leaves its cells empty; " << Where();
        }
    }

    // Submits the chain by one of the player's four ways: the Enter button, the space bar, the
    // return key, or a double click on the chain's last tile.
    void Submit()
    {
        const std::vector<Chip*> chain = form->board->Selection();
        switch (Below(4)) {
        case 0: Press(form->enterButton); break;
        case 1: QTest::keyClick(form, Qt::Key_Space); break;
        case 2: QTest::keyClick(form, Qt::Key_Return); break;
        default:
            // The press that comes before a double click toggles the tile too: a click takes the
            // last tile off, and that press puts it back before the double click submits.
            if (!chain.empty()) {
                SendClick(Centre(chain.back()));
                SendDoubleClick(Centre(chain.back()));
            }
            break;
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
                std::erase_if(free, [&path](const Chip* chip) {
                    return std::find(path.begin(), path.end(), chip) != path.end();
                });
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

    // Lays a dictionary word's tiles along a random path (a test's hand, not a player's), then
    // chains and submits them as a player would.
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

        SendPress(Centre(path.front()));
        for (std::size_t i = 1; i < path.size(); ++i) {
            SendMove(Centre(path[i]));
        }
        SendRelease(Centre(path.back()));
        ASSERT_TRUE(form->board->Selection() == path) << "the drag chains the laid tiles" << Cells(path) << ", not"
                                                      << Cells(form->board->Selection()) << "; " << Where();
        ASSERT_EQ(form->board->WordInProgress(), letters) << Where();
        ASSERT_TRUE(form->enterButton->isEnabled()) << letters << " is in the test dictionary; " << Where();
        ASSERT_EQ(form->board->SelectionValue(), value) << "the product of the tile values; " << Where();
        SubmitWord();
    }

    // Chains existing tiles and tries to submit them: a non-word changes nothing.
    void TryChainAsWord()
    {
        DragChain();
        const std::vector<Chip*> chain = form->board->Selection();
        const bool word = form->enterButton->isEnabled();
        const std::uint32_t before = form->score;
        if (chain.empty()) {
            return;
        }
        if (word) {
            // Random tiles may spell a word; then it counts like any other.
            SubmitWord();
            return;
        }
        ++tally.invalidAttempts;
        switch (Below(3)) {
        case 0: form->enterButton->click(); break;  // a disabled button ignores the click
        case 1: QTest::keyClick(form, Qt::Key_Space); break;
        default: QTest::keyClick(form, Qt::Key_Return); break;
        }
        EXPECT_EQ(form->score, before) << "a non-word scores nothing; " << Where();
        EXPECT_TRUE(form->board->Selection() == chain)
            << "a non-word keeps its chain" << Cells(chain) << "; " << Where();
    }

    // --- Modal windows ---

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
            ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\"; " << Where();
            modal->close();
        }
    }

    void AnswerQuestion(QMessageBox* box)
    {
        const bool pause = box->text().contains(QStringLiteral("paused"));
        const bool quit = box->text().contains(QStringLiteral("quit"));
        if (!pause && !quit) {
            ADD_FAILURE() << "unexpected question \"" << box->text().toStdString() << "\"; " << Where();
        }
        MinimiseBehindModal();
        if (touring || (!finishing && Chance(0.05))) {
            // Help shows its topic and keeps the question open.
            box->button(QMessageBox::Help)->click();
            EXPECT_TRUE(box->isVisible()) << Where();
        }
        // Yes resumes after a pause; after a quit question No does.
        const bool yes = touring || (finishing ? quit : Chance(pause ? 0.7 : 0.6));
        if (pause) {
            ++(yes ? tally.pauseYes : tally.pauseNo);
        } else {
            ++(yes ? tally.quitYes : tally.quitNo);
        }
        PressMessageButton(box, yes ? QMessageBox::Yes : QMessageBox::No);
    }

    void AnswerScores()
    {
        const QString title = NewGameForm->windowTitle();
        const bool result = title != QStringLiteral("Scores");
        if (result) {
            // The table offers a game's result: it ended with its score and, when over, no lives.
            EXPECT_EQ(form->score, gameScore) << "the result is the game's score; " << Where();
            EXPECT_GT(form->score, 0u) << "only a scoring game is offered; " << Where();
            EXPECT_EQ(title == QStringLiteral("Game Over"), form->lives == 0)
                << title.toStdString() << " with " << form->lives << " lives; " << Where();
            tally.bestScore = std::max(tally.bestScore, form->score);
        }
        if (touring ? result : !finishing && Chance(0.15)) {
            // The nested options window needs its own answer: this one is still running.
            AnswerNextModal([this](QWidget* modal) { Answer(modal); });
            NewGameForm->OptionsButton->click();
        }
        if (touring ? result : !finishing && Chance(0.6)) {
            ++tally.scoresStart;
            NewGameForm->OKButton->click();
        } else {
            ++tally.scoresClose;
            NewGameForm->CancelButton->click();
        }
    }

    // Play stays stopped and hidden behind a modal window, also across a minimise and restore.
    void MinimiseBehindModal()
    {
        if (!form->IsPlayPanelShown()) {
            return;
        }
        if (touring || Chance(0.1)) {
            form->FormApplicationEventsMinimize();
            form->FormApplicationEventsRestore();
        }
        EXPECT_TRUE(form->boardHidden) << "the board is hidden behind a modal window; " << Where();
        EXPECT_FALSE(form->EvolveTimer->isActive()) << Where();
        EXPECT_FALSE(form->TumbleTimer->isActive()) << Where();
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
        if (touring) {
            OptionsForm->HowToPlay->setChecked(true);
        } else if (Chance(0.1)) {
            OptionsForm->HowToPlay->setChecked(!OptionsForm->HowToPlay->isChecked());
        }
        if (OptionsForm->OKBtn->isEnabled() && (touring || Chance(0.8))) {
            ++tally.optionsAccepted;
            OptionsForm->OKBtn->click();
        } else {
            ++tally.optionsCancelled;
            OptionsForm->CancelBtn->click();
        }
    }

    // --- Invariants ---

    void CheckBoard()
    {
        Board& board = *form->board;
        std::vector<Chip*> flagged;
        for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
            for (std::int32_t c = 0; c < static_cast<std::int32_t>(board.Columns()); ++c) {
                const Chip* chip = board.Cell(r, c);
                ASSERT_NE(chip, nullptr) << Where();
                ASSERT_EQ(chip->Row(), r) << Where();
                ASSERT_EQ(chip->Column(), c) << Where();
                if ((r + c) % 2 != 0) {
                    ASSERT_FALSE(chip->IsOccupied() || chip->IsSelected())
                        << "tile in the unusable cell (" << r << ", " << c << "); " << Where();
                    continue;
                }
                if (chip->IsSelected()) {
                    ASSERT_TRUE(chip->IsOccupied()) << "flagged empty cell (" << r << ", " << c << "); " << Where();
                    flagged.push_back(board.Cell(r, c));
                }
                if (chip->IsOccupied()) {
                    const std::string& letter = chip->Letter();
                    const bool shape = (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z') || letter == "QU";
                    ASSERT_TRUE(shape) << "tile \"" << letter << "\" at (" << r << ", " << c << "); " << Where();
                    ASSERT_EQ(chip->Value(), LetterValue(letter[0])) << letter << "; " << Where();
                }
            }
        }
        std::vector<Chip*> chain = board.Selection();
        for (std::size_t i = 1; i < chain.size(); ++i) {
            ASSERT_TRUE(Board::IsAdjacent(chain[i - 1], chain[i]))
                << "chain link " << i << " does not touch the one before; " << Where();
        }
        std::sort(chain.begin(), chain.end());
        ASSERT_TRUE(std::adjacent_find(chain.begin(), chain.end()) == chain.end())
            << "a tile twice in the chain; " << Where();
        std::sort(flagged.begin(), flagged.end());
        ASSERT_TRUE(chain == flagged) << "the chain lists exactly the flagged tiles: chain"
                                      << Cells(board.Selection()) << ", flagged" << Cells(flagged) << "; " << Where();
    }

    void CheckGame()
    {
        EXPECT_EQ(form->valueLabel->text(), QString::number(form->score)) << Where();
        const bool evolve = form->EvolveTimer->isActive();
        const bool tumble = form->TumbleTimer->isActive();
        if (!form->IsPlayPanelShown()) {
            ASSERT_FALSE(evolve || tumble) << "no timer runs between games; " << Where();
            ASSERT_EQ(form->clearCountdown, 0u) << Where();
        }
        if (form->gamesStarted == 0) {
            return;
        }
        ASSERT_GE(form->score, gameScore) << "the score only grows within a game; " << Where();
        gameScore = form->score;
        // Each word gives a life for every multiple of 2000 it crosses; so over a whole game that
        // is one per multiple below the score, less the rounds lost.
        const std::uint32_t earned = form->startLives + form->score / form->pointsPerLife;
        ASSERT_LE(form->lives, earned) << "more lives than earned; " << Where();
        ASSERT_EQ(form->lives + roundsLost, earned) << roundsLost << " rounds lost; " << Where();

        if (CurrentPhase() == Phase::Playing) {
            ASSERT_TRUE(evolve && tumble) << "both timers run in play; " << Where();
            ASSERT_FALSE(form->boardHidden) << Where();
            ASSERT_EQ(form->TumbleTimer->interval(), static_cast<int>(form->tumbleInterval)) << Where();
            ASSERT_GE(form->EvolveTimer->interval(), 99) << Where();
            ASSERT_LE(form->EvolveTimer->interval(), static_cast<int>(form->startEvolveInterval)) << Where();
            const std::string letters = form->board->WordInProgress();
            ASSERT_EQ(form->enterButton->isEnabledTo(form), !form->words.Lookup(letters).empty())
                << "Enter is on exactly for a word: \"" << letters << "\"; " << Where();
            ASSERT_EQ(form->clearButton->isEnabledTo(form), !letters.empty()) << Where();
        } else if (CurrentPhase() == Phase::Clearing) {
            ASSERT_TRUE(!evolve && tumble) << "only the clearing runs; " << Where();
            ASSERT_EQ(form->TumbleTimer->interval(), 20) << Where();
            ASSERT_LE(form->clearCountdown, 25u) << Where();
            ASSERT_FALSE(form->pauseButton->isEnabled()) << Where();
        }
    }

    GameFixture game;
    TGlimmerForm* form = nullptr;
    std::mt19937 actions;
    QTimer answerer;
    Action current = Action::Tick;
    // What the action did, where its name alone does not say.
    const char* detail = "";
    // Opening each window once in the first game; answers take every path once and end it.
    bool touring = false;
    // Ending the last game at the end of the run; answers end it.
    bool finishing = false;
    // The running game's score at the last step and the rounds it has lost.
    std::uint32_t gameScore = 0;
    std::uint32_t roundsLost = 0;
};

std::uint32_t SoakSeed()
{
    const QByteArray text = qgetenv("GLIM_SOAK_SEED");
    bool ok = false;
    const std::uint32_t seed = text.toUInt(&ok);
    return ok ? seed : defaultSeed;
}

}  // namespace

TEST(Soak, AHundredThousandTicksOfRandomPlayKeepTheBoardAndTheGameSound)
{
    const auto started = std::chrono::steady_clock::now();
    SoakRun run(SoakSeed());
    run.Run();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - started;
    const Tally& t = run.tally;
    std::cout << "[ soak ] seed " << run.seed << ": " << t.ticks << " ticks in " << t.steps << " steps, "
              << t.gamesEnded << " games, " << t.roundsLost << " rounds lost, " << t.wordsEntered
              << " words entered, " << t.invalidAttempts << " non-words tried, best score " << t.bestScore
              << ", pause yes/no " << t.pauseYes << "/" << t.pauseNo << ", quit yes/no " << t.quitYes << "/"
              << t.quitNo << ", scores start/close " << t.scoresStart << "/" << t.scoresClose
              << ", options ok/cancel " << t.optionsAccepted << "/" << t.optionsCancelled << ", How To Play "
              << t.howToPlayShown << ", sounds " << t.sounds << "; " << seconds.count()
              << " s; resident KiB after the first game " << run.firstGameKiB << ", at the end " << run.endKiB << "\n";
    ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << run.seed;

    EXPECT_GE(t.ticks, minimumTicks);
    EXPECT_EQ(t.gamesEnded, run.gamesStarted) << "every game ended";
    EXPECT_GE(t.gamesEnded, 10u) << "seed " << run.seed;
    EXPECT_GT(t.wordsEntered, 0u);
    EXPECT_GT(t.invalidAttempts, 0u);
    EXPECT_GT(t.pauseYes * t.pauseNo * t.quitYes * t.quitNo, 0u) << "both answers to both questions";
    EXPECT_GT(t.scoresStart * t.scoresClose, 0u);
    EXPECT_GT(t.optionsAccepted, 0u);
    EXPECT_GT(t.roundsLost, 0u);

#ifndef __SANITIZE_ADDRESS__
    // From the first game's end on, the windows, caches and tables have their working size; a
    // long run may still shift the allocator's pages a little, so allow 5% plus 2 MiB. A leak
    // of a few dozen bytes per tick over the run would exceed that. (Under AddressSanitizer the
    // quarantine holds freed memory, so there the leak checker does this job.)
    ASSERT_GT(run.firstGameKiB, 0u);
    EXPECT_LE(run.endKiB, run.firstGameKiB + run.firstGameKiB / 20 + 2048)
        << "resident memory grew from " << run.firstGameKiB << " KiB to " << run.endKiB << " KiB; seed " << run.seed;
#endif
}
