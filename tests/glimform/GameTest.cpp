// A game from start to end: timers, rounds, lives, questions, words, scores and the best words.
#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "dictionary/dictload.h"

#include <QListWidget>
#include <QProgressBar>

#include <tuple>

namespace {

using Tiles = std::vector<std::string>;
const Tiles cat{"C", "A", "T"}, tree{"T", "R", "E", "E"}, trees{"T", "R", "E", "E", "S"};
const Tiles carts{"C", "A", "R", "T", "S"}, quit{"QU", "I", "T"};

// A game on the test words, named in other case, whose timers the test steps by hand, with
// its sounds recorded.
class Game : public ::testing::Test {
protected:
    explicit Game(bool howToPlay = false) : game(howToPlay, QStringLiteral("testWORDS"))
    {
        auto recorder = std::make_unique<RecordingOutput>();
        output = recorder.get();
        form->sounder = std::make_unique<Sounder>(std::move(recorder), [] { return 0u; });
    }

    // A game that moves on only as the test steps it.
    void StartStepped()
    {
        form->StartGame(false);
        form->SuspendPlay(false);
    }

    int TileCount() const { return static_cast<int>(game.OccupiedCells().size()); }
    // What the player sees of the game: play running, tiles, lives, score, arrival and fall intervals.
    auto State() const
    {
        return std::tuple(form->IsPlaying(), TileCount(), form->lives, form->score, form->EvolveTimer->interval(),
                          form->TumbleTimer->interval());
    }
    // Enters each word in turn, spelled along the bottom row of an empty board.
    void Enter(std::initializer_list<Tiles> words)
    {
        for (const Tiles& tiles : words) {
            form->board->Fill(0);
            game.PlaceAndSelectWord(tiles);
            ASSERT_TRUE(form->enterButton->isEnabled());
            form->EnterWord();
        }
    }
    QString LastSound() const { return output->played.empty() ? QString() : output->played.back(); }
    QStringList BestWords() const
    {
        QStringList rows;
        for (int i = 0; i < form->bestWordList->count(); ++i)
            rows << form->bestWordList->item(i)->text();
        return rows;
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
    RecordingOutput* output = nullptr;
};

class HowToPlayFirst : public Game {
protected:
    HowToPlayFirst() : Game(true) {}
};

}  // namespace

TEST_F(Game, StartsWithFourRowsThreeLivesAndBothTimersAndArrivalsSpeedUpToAFloor)
{
    // Runs inside the load's first "let messages run": closing would pull the words from under it.
    bool closedDuringLoad = true;
    QTimer::singleShot(0, form, [&] { closedDuringLoad = !form->words.FileName().empty() || form->close(); });
    form->StartGame(false);
    EXPECT_FALSE(closedDuringLoad);
    EXPECT_EQ(State(), std::tuple(true, 36, 3u, 0u, 2000, 251));
    // The stored name differs from TestWords.tsd only in case, and still finds it.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Glimmerquake (testWORDS)"));
    EXPECT_TRUE(form->DictionaryNotice().isEmpty());
    // Half a percent faster with each arrival, down to 99 ms.
    std::vector<int> intervals;
    for (int tick = 0; tick < 1000; ++tick) {
        form->board->Fill(0);  // keep the top free so the round never ends
        form->EvolveTimerTick();
        intervals.push_back(form->EvolveTimer->interval());
    }
    EXPECT_EQ(std::tuple(intervals[0], intervals[1], intervals[99], intervals.back()), std::tuple(1990, 1980, 1212, 99));
    EXPECT_EQ(*std::min_element(intervals.begin(), intervals.end()), 99);
}

TEST_F(Game, ReachingTheTopClearsTheBoardLosesALifeAndStartsANewRound)
{
    SeedGameRandom(5);
    form->StartGame(false);
    form->SetScore(120);
    form->EvolveTimer->setInterval(500);
    for (int c = 0; c < 18; c += 2)
        form->board->Cell(10, c)->Set("E", 2);
    form->EvolveTimerTick();

    EXPECT_EQ(LastSound(), QStringLiteral("EndRound"));
    EXPECT_TRUE(!form->EvolveTimer->isActive() && form->TumbleTimer->isActive());
    EXPECT_EQ(form->TumbleTimer->interval(), 20);
    for (QPushButton* button : {form->enterButton, form->clearButton, form->pauseButton, form->endGameButton,
                                form->helpButton, form->playOptionsButton})
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    const int full = TileCount();
    for (int tick = 0; tick < 24; ++tick)
        form->TumbleTimerTick();
    EXPECT_EQ(TileCount(), full) << "the board stands still for 24 ticks";
    form->TumbleTimerTick();
    EXPECT_EQ(TileCount(), full - 2) << "then two tiles go per tick";
    while (form->clearCountdown != 0)
        form->TumbleTimerTick();
    // A life less, the score kept, four rows anew.
    EXPECT_EQ(State(), std::tuple(true, 36, 2u, 120u, 2000, 251));
    EXPECT_TRUE(form->pauseButton->isEnabled() && form->EvolveTimer->isActive() && form->TumbleTimer->isActive());
}

// Closing, End Game and Pause ask first, with play held and the tiles hidden; No to quitting
// and Yes to the pause resume, the other answers end the game.
TEST_F(Game, QuestionsHoldPlayAndTheirAnswersResumeOrEndTheGame)
{
    const QString quit = QStringLiteral("Are you sure you want to quit this game?");
    const QString paused = QStringLiteral("The game is paused.\n\nWould you like to resume the game?");
    const struct {
        QPushButton* button;  // none: the window is closed
        QMessageBox::StandardButton answer;
        QString question;
        bool ends;
    } cases[] = {{nullptr, QMessageBox::No, quit, false},         {form->endGameButton, QMessageBox::No, quit, false},
                 {form->pauseButton, QMessageBox::Yes, paused, false}, {form->pauseButton, QMessageBox::No, paused, true},
                 {form->endGameButton, QMessageBox::Yes, quit, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question.toStdString() + (c.ends ? ": ends" : ": resumes"));
        if (!form->IsPlaying())
            form->StartGame(false);
        form->SetScore(30);
        QString question, scoresTitle;
        AnswerNextModal([&](QWidget* box) {
            question = qobject_cast<QMessageBox*>(box)->text();
            EXPECT_TRUE(form->boardHidden && !form->EvolveTimer->isActive() && !form->TumbleTimer->isActive());
            if (c.ends)
                AnswerNextModal([](QWidget* dialog) { FinishDialog(dialog, false); }, &scoresTitle);
            PressMessageButton(box, c.answer);
        });
        if (c.button != nullptr)
            c.button->click();
        else
            EXPECT_FALSE(form->close());
        EXPECT_EQ(question, c.question);
        EXPECT_EQ(std::tuple(form->IsPlaying(), form->boardHidden && !c.ends, scoresTitle, TileCount() == 0),
                  std::tuple(!c.ends, false, QString::fromLatin1(c.ends ? "Game Ended" : ""), c.ends));
    }
}

TEST_F(HowToPlayFirst, StartPressedDuringTheLoadStartsTheGameWhenTheLoadEnds)
{
    EXPECT_FALSE(DictionaryLoading->Progress->isTextVisible());
    // Runs inside the load's first "let messages run", while the word table is still empty.
    bool pressedDuringLoad = false;
    QTimer::singleShot(0, form, [&] {
        pressedDuringLoad = form->words.FileName().empty() && HowToPlay->isVisible();
        HowToPlay->StartButton->click();
    });
    form->StartButtonClick();
    EXPECT_TRUE(pressedDuringLoad);
    EXPECT_TRUE(form->IsPlaying()) << "no second press is needed";
    EXPECT_TRUE(!HowToPlay->isVisible() && !DictionaryLoading->isVisible() && form->isEnabled());
}

TEST_F(HowToPlayFirst, WaitsForItsStartOnceTheLoadIsDone)
{
    form->StartButtonClick();
    EXPECT_TRUE(!form->IsPlayPanelShown() && HowToPlay->isVisible() && !form->isEnabled());
    EXPECT_FALSE(form->close()) << "closing now would leave How To Play to start a hidden game";
    HowToPlay->StartButton->click();
    EXPECT_TRUE(form->IsPlaying() && form->isEnabled());
}

// How To Play and Options are windows of their own that may stay on screen while the main
// window is minimised; answering them then must not start tiles falling out of sight.
TEST_F(HowToPlayFirst, PlayStartedOrResumedWhileMinimisedWaitsForTheRestore)
{
    const auto expectWaitingUntilRestored = [this](const char* how) {
        EXPECT_TRUE(!form->EvolveTimer->isActive() && !form->TumbleTimer->isActive() && form->boardHidden) << how;
        form->setWindowState(Qt::WindowNoState);
        EXPECT_EQ(State(), std::tuple(true, 36, 3u, 0u, 2000, 251)) << how;
        EXPECT_TRUE(form->EvolveTimer->isActive() && form->TumbleTimer->isActive() && !form->boardHidden) << how;
    };
    form->StartButtonClick();
    form->setWindowState(Qt::WindowMinimized);
    HowToPlay->StartButton->click();
    expectWaitingUntilRestored("started from How To Play");

    form->EvolveTimer->setInterval(2000);
    AnswerNextModal([this](QWidget* options) {
        form->setWindowState(Qt::WindowMinimized);
        FinishDialog(options, true);
    });
    form->OptionsClick();
    expectWaitingUntilRestored("resumed from Options");
}

TEST_F(Game, TheWordInProgressShowsSpellingOrWordAndValueAndSwitchesTheButtons)
{
    const struct {
        Tiles tiles;
        QString shown;
        const char* sound;
        bool enter, clear;
    } cases[] = {
        {{"C", "A"}, "CA", "SelectTile", false, true},
        {cat, "cat (12)", "SelectWord", true, true},
        // A dictionary spelling with a typographic apostrophe shows as written.
        {{"D", "O", "N", "T"}, QString::fromUtf8("don\u2019t (24)"), "SelectWord", true, true},
        {{}, "", nullptr, false, false},
    };
    StartStepped();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        form->ClearWord();
        form->board->Fill(0);
        output->played.clear();
        game.PlaceAndSelectWord(c.tiles);
        EXPECT_EQ(std::tuple(form->wordInProgress->text(), LastSound(), form->enterButton->isEnabled(),
                             form->clearButton->isEnabled()),
                  std::tuple(c.shown, QString::fromLatin1(c.sound), c.enter, c.clear));
    }
}

// A life for every multiple of 2000 crossed, which wins over the word's sound; 48 is a high
// word and 36 a low one. The entered word stays shown, its cells empty.
TEST_F(Game, ScoresLivesAndSoundsOfAWord)
{
    const struct {
        Tiles tiles;
        std::uint32_t before, after, livesGained;
        const char* sound;
        const char* shown;
    } cases[] = {
        {{"E", "V", "E"}, 1990, 2010, 1, "NewLife", "eve (20)"},
        {{"QU", "A", "R", "T", "E", "T", "T", "E", "S"}, 1900, 4204, 2, "NewLife", "quartettes (2304)"},
        {carts, 0, 48, 0, "HighWord", "carts (48)"},
        {quit, 48, 84, 0, "LowWord", "quit (36)"},
        {cat, UINT32_MAX - 5, UINT32_MAX, 0, "LowWord", "cat (12)"},  // stops at the top instead of wrapping
    };
    StartStepped();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        form->SetScore(c.before);
        const std::uint32_t lives = form->lives;
        Enter({c.tiles});
        EXPECT_EQ(std::tuple(form->score, form->valueLabel->text(), form->lives, LastSound(), form->wordInProgress->text()),
                  std::tuple(c.after, QString::number(c.after), lives + c.livesGained, QString::fromLatin1(c.sound),
                             QString::fromLatin1(c.shown)));
        EXPECT_FALSE(form->enterButton->isEnabled() || form->clearButton->isEnabled());
        EXPECT_TRUE(!form->board->Cell(0, 0)->IsOccupied() && form->board->Selection().empty());
    }
}

TEST_F(Game, BestWordsRankByValueKeepOneRowPerWordAndFitTheList)
{
    StartStepped();
    // Exactly three visible rows.
    const int frame = form->bestWordList->height() - form->bestWordList->viewport()->height();
    form->bestWordList->setFixedHeight(3 * 23 + frame);
    Enter({cat, tree, cat});
    EXPECT_EQ(BestWords(), (QStringList{"tree (16)", "cat (12)"}));
    EXPECT_EQ(form->bestWordList->currentRow(), 1) << "the word entered again is selected, not added";
    Enter({carts, quit, cat});  // cat falls out, then does not rank in the full list
    EXPECT_EQ(BestWords(), (QStringList{"carts (48)", "quit (36)", "tree (16)"}));
    EXPECT_TRUE(form->bestWordList->selectedItems().isEmpty());
    Enter({trees});
    EXPECT_EQ(BestWords(), (QStringList{"carts (48)", "quit (36)", "trees (32)"}));
    EXPECT_EQ(form->bestValues, (std::vector<std::uint32_t>{48, 36, 32}));
    EXPECT_EQ(form->BestWordText(), QStringLiteral("carts (48)"));

    // Shrinking the window drops rows that do not come back.
    form->bestWordList->setMinimumHeight(0);
    form->bestWordList->setMaximumHeight(QWIDGETSIZE_MAX);
    const QSize size = form->size();
    form->resize(size.width(), form->minimumHeight());
    const int shown = form->bestWordList->viewport()->height() / 23;
    ASSERT_LT(shown, 3);
    EXPECT_EQ(form->bestWordList->count(), shown);
    EXPECT_EQ(static_cast<int>(form->bestValues.size()), shown);
    form->resize(size);
    EXPECT_EQ(form->bestWordList->count(), shown);
}
