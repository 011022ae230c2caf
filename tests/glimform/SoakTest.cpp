// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded workout of whole games: timer ticks mixed with clicks, drags, words, questions,
// minimising and restarts, with the board and the window checked against each other after every
// step; the session's own tests hold its rules. (Memory that leaks shows in the sanitizer run's
// leak check.)
#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "board/PickLetter.h"
#include "dialogs/newgame.h"

#include <random>

namespace {

// Plays nothing: recording every sound would itself grow over a long run.
struct SilentOutput : SoundOutput {
    void PlayImage(const QByteArray&) override {}
    void PlayFile(const QString&) override {}
};

const std::vector<std::vector<std::string>> dictionaryWords = {{"C", "A", "T"},
                                                               {"C", "A", "R", "T", "S"},
                                                               {"QU", "I", "T"},
                                                               {"E", "V", "E"},
                                                               {"T", "R", "E", "E", "S"},
                                                               {"QU", "A", "R", "T", "E", "T", "T", "E", "S"},
                                                               {"P", "O", "L", "I", "S", "H"},
                                                               {"D", "O", "N", "T"}};

enum Phase { Playing, Clearing, BetweenGames };
enum Action { Tick, Click, Word, Chain, Clear, Pause, Quit, Minimise, Start };

class SoakRun {
public:
    explicit SoakRun(std::uint32_t seed) : random(seed)
    {
        SeedGameRandom(seed);
        QObject::connect(&answerer, &QTimer::timeout, [this] { Answer(QApplication::activeModalWidget()); });
        answerer.start(0);
    }

    void Run()
    {
        static std::discrete_distribution<int> weights[] = {
            {850, 40, 12, 40, 15, 0.8, 0.7, 1}, {900, 10, 0, 0, 5, 5, 5, 5}, {0, 0, 0, 0, 0, 0, 0, 0, 1}};
        while (ticks < 100000 && !::testing::Test::HasFailure())
            Step(static_cast<Action>(weights[CurrentPhase()](random)));
        ending = true;  // the last game ends the way a player ends one
        while (CurrentPhase() != BetweenGames && !::testing::Test::HasFailure())
            Step(CurrentPhase() == Playing ? Quit : Tick);
    }

    GameFixture game{false, QStringLiteral("TestWords"), std::make_unique<SilentOutput>()};
    TGlimmerForm* form = game.form;
    GlimmerFormProbe& probe = *game.probe;
    std::uint64_t ticks = 0, steps = 0, gamesEnded = 0, words = 0, roundsLost = 0;
    std::uint64_t answers[2] = {};  // No or Cancel, Yes or OK

private:
    Phase CurrentPhase() const
    {
        return !probe->IsPlayPanelShown() ? BetweenGames : probe->clearCountdown() == 0 ? Playing : Clearing;
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random); }
    int Below(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(random)); }
    Chip* AnyCell()
    {
        const int r = Below(probe->board->Rows());
        return probe->board->Cell(r, 2 * Below(probe->board->Columns() / 2) + r % 2);
    }
    // What a player can press: a button on screen (a disabled one ignores the press).
    static void Press(QPushButton* button) { button->isVisible() ? button->click() : void(); }

    void Step(Action action)
    {
        SCOPED_TRACE(testing::Message() << "step " << ++steps << ", tick " << ticks << ", action " << action);
        const std::uint32_t gameBefore = probe->gamesStarted(), countdownBefore = probe->clearCountdown();
        const bool shownBefore = probe->IsPlayPanelShown();
        Perform(action);
        if (steps % 64 == 0)
            QApplication::processEvents();
        roundsLost += countdownBefore == 1 && probe->clearCountdown() == 0;
        gamesEnded += shownBefore && (probe->gamesStarted() != gameBefore || !probe->IsPlayPanelShown());
        Check();
    }

    void Perform(Action action)
    {
        const double e = probe->EvolveTimer->interval(), t = probe->TumbleTimer->interval();
        switch (action) {
        case Tick:
            ++ticks;
            if (probe->EvolveTimer->isActive() && (!probe->TumbleTimer->isActive() || Chance(t / (e + t))))
                probe->EvolveTimerTick();
            else if (probe->TumbleTimer->isActive())
                probe->TumbleTimerTick();
            break;
        case Click:
            game.Click(game.Centre(AnyCell(), Below(30) - 15));
            break;
        case Word:
            EnterDictionaryWord();
            break;
        case Chain:
            game.Press(game.Centre(AnyCell()));
            for (int n = Below(6); n > 0; --n)
                game.DragTo(game.Centre(AnyCell(), Below(20) - 10));
            game.Release(game.Centre(AnyCell()));
            QTest::keyClick(form, Chance(0.5) ? Qt::Key_Space : Qt::Key_Return);
            break;
        case Clear:
            Chance(0.5) ? QTest::keyClick(form, Qt::Key_Escape) : Press(probe->clearButton);
            break;
        case Pause:
            Press(probe->pauseButton);
            break;
        case Quit:
            Chance(0.5) ? Press(probe->endGameButton) : void(form->close());
            break;
        case Minimise:
            MinimiseAndRestore();
            break;
        case Start:
            Press(probe->StartButton);
            break;
        }
    }

    // Lays a word's tiles along a random path, then a player drags over them and submits them.
    void EnterDictionaryWord()
    {
        const std::vector<std::string>& word = dictionaryWords[Below(dictionaryWords.size())];
        std::vector<Chip*> path{AnyCell()};
        for (int attempt = 0; attempt < 40 && path.size() < word.size(); ++attempt) {
            Chip* next = probe->board->Cell(path.back()->Row() + Below(3) - 1, path.back()->Column() + Below(5) - 2);
            if (Board::IsAdjacent(path.back(), next) && std::ranges::find(path, next) == path.end())
                path.push_back(next);
        }
        if (path.size() < word.size())
            return;
        probe->ClearWord();  // replacing a tile unflags it: the chain goes first
        for (std::size_t i = 0; i < word.size(); ++i)
            path[i]->Set(word[i], LetterValue(word[i].front()));
        probe->PaintTiles(path);
        game.Press(game.Centre(path.front()));
        for (std::size_t i = 1; i < path.size(); ++i)
            game.DragTo(game.Centre(path[i]));
        game.Release(game.Centre(path.back()));
        ASSERT_TRUE(probe->board->Selection() == path && probe->enterButton->isEnabled()) << "the drag chains the word";
        const std::uint64_t total = std::uint64_t{probe->score()} + probe->board->SelectionValue();
        if (Chance(0.25))
            game.Click(game.Centre(path.back())), game.DoubleClick(game.Centre(path.back()));
        else
            Chance(0.5) ? Press(probe->enterButton) : QTest::keyClick(form, Qt::Key_Space);
        ++words;
        EXPECT_EQ(probe->score(), static_cast<std::uint32_t>(std::min<std::uint64_t>(total, UINT32_MAX)));
        EXPECT_TRUE(std::ranges::none_of(path, &Chip::IsOccupied)) << "an entered word leaves its cells empty";
    }

    // Minimising stops play and hides the board; restoring returns exactly to the state before.
    void MinimiseAndRestore()
    {
        const auto state = [this] {
            return std::tuple(probe->EvolveTimer->isActive(), probe->TumbleTimer->isActive(), probe->boardHidden);
        };
        const auto before = state();
        form->setWindowState(Qt::WindowMinimized);
        EXPECT_EQ(state(), std::tuple(false, false, probe->IsPlayPanelShown()));
        form->setWindowState(Qt::WindowNoState);
        EXPECT_EQ(state(), before);
    }

    void Answer(QWidget* modal)
    {
        if (modal == nullptr)
            return;
        const bool yes = !ending && Chance(0.6);
        ++answers[yes];
        if (modal != NewGameForm && probe->IsPlayPanelShown()) {
            // Play stays stopped and hidden behind a question, also across a minimise.
            EXPECT_TRUE(probe->boardHidden && !probe->EvolveTimer->isActive() && !probe->TumbleTimer->isActive());
            if (Chance(0.1))
                MinimiseAndRestore();
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // At the end of the run, No to the pause question and Yes to quitting end the game.
            const bool pause = box->text().contains(QStringLiteral("paused"));
            PressMessageButton(box, (ending ? !pause : yes) ? QMessageBox::Yes : QMessageBox::No);
        } else {
            ASSERT_EQ(modal, NewGameForm) << qPrintable(modal->windowTitle());
            const QString title = NewGameForm->windowTitle();
            EXPECT_TRUE(title == QStringLiteral("Scores") ||
                        ((title == QStringLiteral("Game Over")) == (probe->lives() == 0) && probe->score() > 0))
                << "only a scoring game is offered";
            (yes ? NewGameForm->OKButton : NewGameForm->CancelButton)->click();
        }
    }

    void Check()
    {
        Board& board = *probe->board;
        std::vector<Chip*> flagged, chain = board.Selection();
        for (int r = 0; r < static_cast<int>(board.Rows()); ++r) {
            for (int c = 0; c < static_cast<int>(board.Columns()); ++c) {
                Chip* chip = board.Cell(r, c);
                const std::string& letter = chip->Letter();
                const bool tileShape = (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z') || letter == "QU";
                ASSERT_TRUE(chip->Row() == r && chip->Column() == c &&
                            (chip->IsOccupied()
                                 ? (r + c) % 2 == 0 && tileShape && chip->Value() == LetterValue(letter[0])
                                 : !chip->IsSelected()))
                    << "tile " << letter << " worth " << chip->Value() << (chip->IsSelected() ? ", flagged," : "")
                    << " at " << r << ", " << c;
                if (chip->IsSelected())
                    flagged.push_back(chip);
            }
        }
        for (std::size_t i = 1; i < chain.size(); ++i)
            ASSERT_TRUE(Board::IsAdjacent(chain[i - 1], chain[i])) << "chain link " << i << " is off the last";
        std::ranges::sort(chain);
        ASSERT_TRUE(chain == flagged) << "the chain holds exactly the flagged tiles, each once";

        EXPECT_EQ(probe->valueLabel->text(), QString::number(probe->score()));
        const bool evolve = probe->EvolveTimer->isActive(), tumble = probe->TumbleTimer->isActive();
        const Phase phase = CurrentPhase();
        ASSERT_TRUE(phase != BetweenGames || (!evolve && !tumble && probe->clearCountdown() == 0)) << "nothing runs";
        if (phase == Playing) {
            const std::string letters = board.WordInProgress();
            ASSERT_EQ(std::tuple(evolve, tumble, probe->boardHidden, probe->TumbleTimer->interval(),
                                 probe->enterButton->isEnabledTo(form), probe->clearButton->isEnabledTo(form)),
                      std::tuple(true, true, false, 251, !probe->words().Lookup(letters).empty(), !letters.empty()))
                << letters;
            ASSERT_TRUE(probe->EvolveTimer->interval() >= 99 && probe->EvolveTimer->interval() <= 2000);
        } else if (phase == Clearing) {
            ASSERT_TRUE(!evolve && tumble && probe->TumbleTimer->interval() == 20 && probe->clearCountdown() <= 25 &&
                        !probe->pauseButton->isEnabled())
                << "only the clearing runs";
        }
    }

    std::mt19937 random;
    QTimer answerer;
    bool ending = false;
};

}  // namespace

// The run replays exactly from its seed; GLIM_SOAK_SEED tries another one.
TEST(Soak, AHundredThousandTicksOfRandomPlayKeepTheBoardAndTheGameSound)
{
    bool ok = false;
    const std::uint32_t seed = qgetenv("GLIM_SOAK_SEED").toUInt(&ok);
    SoakRun run(ok ? seed : 20240611);
    run.Run();
    ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << (ok ? seed : 20240611);
    EXPECT_EQ(run.gamesEnded, run.probe->gamesStarted()) << "every game ended";
    EXPECT_GE(run.gamesEnded, 10u);
    EXPECT_GT(run.words * run.roundsLost * run.answers[0] * run.answers[1], 0u) << "every path was taken";
}
