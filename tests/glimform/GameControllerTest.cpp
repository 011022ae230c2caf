#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "dialogs/Howto.h"
#include "dictionary/dictload.h"
#include "glimform/glimform.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class GameController : public ::testing::Test {
protected:
    explicit GameController(bool howToPlay = false) : game(howToPlay) {}

    int Tiles() const { return static_cast<int>(game.OccupiedCells().size()); }
    // Fills the row below the top and lets a tile arrive: the round ends.
    void BlockTheTopAndArrive()
    {
        for (int c = 0; c < 18; c += 2) {
            form->board->Cell(10, c)->Set("E", 2);
        }
        form->EvolveTimerTick();
    }
    void ExpectPlayTimers()
    {
        EXPECT_EQ(form->EvolveTimer->interval(), 2000);
        EXPECT_EQ(form->TumbleTimer->interval(), 251);
        EXPECT_TRUE(form->EvolveTimer->isActive());
        EXPECT_TRUE(form->TumbleTimer->isActive());
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
};

class HowToPlayFirst : public GameController {
protected:
    HowToPlayFirst() : GameController(true) {}
};

}  // namespace

TEST_F(GameController, AGameStartsWithFourRowsThreeLivesAndBothTimers)
{
    form->StartGame(false);
    EXPECT_TRUE(form->IsPlaying());
    EXPECT_EQ(Tiles(), 36);
    EXPECT_EQ(form->lives, 3u);
    EXPECT_EQ(form->score, 0u);
    EXPECT_EQ(form->gamesStarted, 1u);
    ExpectPlayTimers();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Glimmerquake (TestWords)"));
    EXPECT_TRUE(form->DictionaryNotice().isEmpty());
}

TEST_F(GameController, ArrivalsSpeedUpByHalfAPercentDownToA99MsFloor)
{
    form->StartGame(false);
    std::vector<int> intervals;
    for (int tick = 0; tick < 1000; ++tick) {
        form->board->Fill(0);  // keep the top free so the round never ends
        form->EvolveTimerTick();
        intervals.push_back(form->EvolveTimer->interval());
    }
    EXPECT_EQ(intervals[0], 1990);
    EXPECT_EQ(intervals[1], 1980);
    EXPECT_EQ(intervals.back(), 99);
    EXPECT_GE(*std::min_element(intervals.begin(), intervals.end()), 99);
}

TEST_F(GameController, ReachingTheTopClearsTheBoardLosesALifeAndStartsANewRound)
{
    SeedGameRandom(5);
    form->StartGame(false);
    form->SetScore(120);
    form->EvolveTimer->setInterval(500);
    BlockTheTopAndArrive();

    EXPECT_FALSE(form->EvolveTimer->isActive());
    EXPECT_TRUE(form->TumbleTimer->isActive());
    EXPECT_EQ(form->TumbleTimer->interval(), 20);
    EXPECT_EQ(form->clearCountdown, 25u);
    for (QPushButton* button : {form->enterButton, form->clearButton, form->pauseButton, form->endGameButton,
                                form->helpButton, form->playOptionsButton}) {
        EXPECT_FALSE(button->isEnabled());
    }
    const int full = Tiles();
    for (int tick = 0; tick < 24; ++tick) {
        form->TumbleTimerTick();
    }
    EXPECT_EQ(Tiles(), full) << "the board stands still for 24 ticks";
    form->TumbleTimerTick();
    EXPECT_EQ(Tiles(), full - 2) << "then two tiles go per tick";
    while (form->clearCountdown != 0) {
        form->TumbleTimerTick();
    }
    EXPECT_EQ(form->lives, 2u);
    EXPECT_EQ(form->score, 120u) << "the score carries over";
    EXPECT_EQ(Tiles(), 36) << "the next round starts with four rows";
    EXPECT_TRUE(form->IsPlaying());
    ExpectPlayTimers();
}

TEST_F(GameController, NoToThePauseQuestionEndsTheGameAsGameEnded)
{
    form->StartGame(false);
    form->SetScore(30);
    QString question;
    QString scoresTitle;
    AnswerNextModal([&](QWidget* box) {
        question = qobject_cast<QMessageBox*>(box)->text();
        AnswerNextModal([](QWidget* dialog) { FinishDialog(dialog, false); }, &scoresTitle);
        PressMessageButton(box, QMessageBox::No);
    });
    form->pauseButtonClick();
    EXPECT_EQ(question, QStringLiteral("The game is paused.\n\nWould you like to resume the game?"));
    EXPECT_EQ(scoresTitle, QStringLiteral("Game Ended"));
    EXPECT_FALSE(form->IsPlayPanelShown());
    EXPECT_EQ(Tiles(), 0);
}

TEST_F(GameController, NoToTheQuitQuestionResumesAndClosingDuringPlayIsRefused)
{
    form->StartGame(false);
    QString question;
    AnswerNextModal([&](QWidget* box) {
        question = qobject_cast<QMessageBox*>(box)->text();
        EXPECT_TRUE(form->boardHidden) << "tiles are hidden while the question is open";
        PressMessageButton(box, QMessageBox::No);
    });
    EXPECT_FALSE(form->close());
    EXPECT_EQ(question, QStringLiteral("Are you sure you want to quit this game?"));
    EXPECT_TRUE(form->IsPlaying());
    EXPECT_FALSE(form->boardHidden);
    EXPECT_TRUE(form->EvolveTimer->isActive());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(GameController, TheLoadingWindowsBarHasNoTextAndStaysEmptyForNoWords)
{
    EXPECT_EQ(DictionaryLoading->Label1->geometry(), QRect(10, 10, 302, 19));
    EXPECT_FALSE(DictionaryLoading->Progress->isTextVisible());
    DictionaryLoading->SetRange(0);
    EXPECT_EQ(DictionaryLoading->Progress->maximum(), 1) << "a range of 0 to 0 is a busy indicator";
    EXPECT_EQ(DictionaryLoading->Progress->value(), 0);
}

TEST_F(HowToPlayFirst, StartPressedDuringTheLoadStartsTheGameWhenTheLoadEnds)
{
    // Runs inside the load's first "let messages run", while the word table is still empty.
    bool pressedDuringLoad = false;
    QTimer::singleShot(0, form, [&] {
        pressedDuringLoad = form->words.FileName().empty() && HowToPlay->isVisible();
        HowToPlay->StartButton->click();
    });
    form->StartButtonClick();
    EXPECT_TRUE(pressedDuringLoad);
    EXPECT_TRUE(form->IsPlaying()) << "no second press is needed";
    EXPECT_FALSE(HowToPlay->isVisible());
    EXPECT_FALSE(DictionaryLoading->isVisible());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(HowToPlayFirst, WaitsForItsStartOnceTheLoadIsDone)
{
    form->StartButtonClick();
    EXPECT_FALSE(form->IsPlayPanelShown());
    EXPECT_TRUE(HowToPlay->isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_FALSE(form->close()) << "closing now would leave How To Play to start a hidden game";
    EXPECT_TRUE(form->isVisible());
    HowToPlay->StartButton->click();
    EXPECT_TRUE(form->IsPlaying());
    EXPECT_TRUE(form->isEnabled());
}

// How To Play and Options are windows of their own that may stay on screen while the main
// window is minimised; answering them then must not start tiles falling out of sight.
TEST_F(HowToPlayFirst, PlayStartedOrResumedWhileMinimisedWaitsForTheRestore)
{
    const auto expectWaitingUntilRestored = [this](const char* how) {
        EXPECT_FALSE(form->EvolveTimer->isActive() || form->TumbleTimer->isActive()) << how;
        EXPECT_TRUE(form->boardHidden) << how;
        form->setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(form->IsPlaying()) << how;
        ExpectPlayTimers();
        EXPECT_FALSE(form->boardHidden) << how;
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
