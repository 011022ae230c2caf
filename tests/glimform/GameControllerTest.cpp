#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "dialogs/Howto.h"
#include "dialogs/newgame.h"
#include "dictionary/dictload.h"
#include "glimform/glimform.h"
#include "settings/Persist.h"

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

int CountTiles(const Board& board)
{
    int count = 0;
    for (int r = 0; r < static_cast<int>(board.Rows()); ++r) {
        for (int c = 0; c < static_cast<int>(board.Columns()); ++c) {
            count += board.Cell(r, c)->IsOccupied() ? 1 : 0;
        }
    }
    return count;
}

// Fills the row below the top so the next arrival has nowhere to fall.
void BlockTheTop(Board& board)
{
    for (int c = 0; c < 18; c += 2) {
        board.Cell(10, c)->Set("E", 2);
    }
}

std::vector<QPushButton*> PlayButtons(TGlimmerForm* form)
{
    return {form->enterButton, form->clearButton, form->pauseButton,
            form->endGameButton, form->helpButton, form->playOptionsButton};
}

}  // namespace

TEST(GameController, AGameStartsWithFourRowsThreeLivesAndBothTimers)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    form->StartGame(false);
    EXPECT_TRUE(form->IsPlaying());
    EXPECT_EQ(CountTiles(*form->board), 36);
    EXPECT_EQ(form->lives, 3u);
    EXPECT_EQ(form->score, 0u);
    EXPECT_EQ(form->gamesStarted, 1u);
    EXPECT_EQ(form->EvolveTimer->interval(), 2000);
    EXPECT_EQ(form->TumbleTimer->interval(), 251);
    EXPECT_TRUE(form->EvolveTimer->isActive());
    EXPECT_TRUE(form->TumbleTimer->isActive());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Glimmerquake (TestWords)"));
    EXPECT_TRUE(form->DictionaryNotice().isEmpty());
}

TEST(GameController, ArrivalsSpeedUpByHalfAPercentDownToA99MsFloor)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
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

TEST(GameController, ReachingTheTopClearsTheBoardLosesALifeAndStartsANewRound)
{
    SeedGameRandom(5);
    GameFixture game;
    TGlimmerForm* form = game.form;
    form->StartGame(false);
    form->SetScore(120);
    form->EvolveTimer->setInterval(500);
    BlockTheTop(*form->board);
    form->EvolveTimerTick();

    EXPECT_FALSE(form->EvolveTimer->isActive());
    EXPECT_TRUE(form->TumbleTimer->isActive());
    EXPECT_EQ(form->TumbleTimer->interval(), 20);
    EXPECT_EQ(form->clearCountdown, 25u);
    for (QPushButton* button : PlayButtons(form)) {
        EXPECT_FALSE(button->isEnabled());
    }
    const int full = CountTiles(*form->board);
    for (int tick = 0; tick < 24; ++tick) {
        form->TumbleTimerTick();
    }
    EXPECT_EQ(CountTiles(*form->board), full) << "the board stands still for 24 ticks";
    form->TumbleTimerTick();
    EXPECT_EQ(CountTiles(*form->board), full - 2) << "then two tiles go per tick";
    while (form->clearCountdown != 0) {
        form->TumbleTimerTick();
    }
    EXPECT_EQ(form->lives, 2u);
    EXPECT_EQ(form->score, 120u) << "the score carries over";
    EXPECT_EQ(CountTiles(*form->board), 36) << "the next round starts with four rows";
    EXPECT_TRUE(form->IsPlaying());
    EXPECT_EQ(form->EvolveTimer->interval(), 2000);
    EXPECT_EQ(form->TumbleTimer->interval(), 251);
    EXPECT_TRUE(form->EvolveTimer->isActive());
    EXPECT_TRUE(form->TumbleTimer->isActive());
}

TEST(GameController, LosingTheLastLifeOffersTheScoreAsGameOver)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    form->StartGame(false);
    form->SetScore(64);
    QString title;
    for (int round = 0; round < 3; ++round) {
        BlockTheTop(*form->board);
        form->EvolveTimerTick();
        if (round == 2) {
            AnswerNextModal([](QWidget* dialog) { FinishDialog(dialog, false); }, &title);
        }
        while (form->clearCountdown != 0) {
            form->TumbleTimerTick();
        }
    }
    EXPECT_EQ(title, QStringLiteral("Game Over"));
    EXPECT_EQ(form->lives, 0u);
    EXPECT_FALSE(form->IsPlayPanelShown());
    EXPECT_FALSE(form->EvolveTimer->isActive());
    EXPECT_FALSE(form->TumbleTimer->isActive());
}

TEST(GameController, NoToThePauseQuestionEndsTheGameAsGameEnded)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
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
    EXPECT_EQ(CountTiles(*form->board), 0);
}

TEST(GameController, NoToTheQuitQuestionResumesAndClosingDuringPlayIsRefused)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
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

TEST(GameController, MinimiseStopsPlayAndRestoreReturnsExactlyToTheStateBefore)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    form->StartGame(false);
    form->FormApplicationEventsMinimize();
    EXPECT_FALSE(form->EvolveTimer->isActive());
    EXPECT_FALSE(form->TumbleTimer->isActive());
    EXPECT_TRUE(form->boardHidden);
    form->FormApplicationEventsRestore();
    EXPECT_TRUE(form->EvolveTimer->isActive());
    EXPECT_TRUE(form->TumbleTimer->isActive());
    EXPECT_FALSE(form->boardHidden);

    // During the round-end clearing only the clearing timer comes back.
    BlockTheTop(*form->board);
    form->EvolveTimerTick();
    form->FormApplicationEventsMinimize();
    EXPECT_FALSE(form->TumbleTimer->isActive());
    form->FormApplicationEventsRestore();
    EXPECT_FALSE(form->EvolveTimer->isActive());
    EXPECT_TRUE(form->TumbleTimer->isActive());
    EXPECT_EQ(form->TumbleTimer->interval(), 20);
}

TEST(GameController, HowToPlayStartPressedDuringTheLoadStartsTheGameWhenTheLoadEnds)
{
    GameFixture game(true);
    TGlimmerForm* form = game.form;
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

TEST(GameController, HowToPlayWaitsForItsStartOnceTheLoadIsDone)
{
    GameFixture game(true);
    TGlimmerForm* form = game.form;
    form->StartButtonClick();  // loads behind the How To Play window and waits
    EXPECT_FALSE(form->IsPlayPanelShown());
    EXPECT_TRUE(HowToPlay->isVisible());
    EXPECT_FALSE(form->isEnabled());
    HowToPlay->StartButton->click();
    EXPECT_TRUE(form->IsPlaying());
    EXPECT_TRUE(form->isEnabled());
}

TEST(GameController, AMissingDictionaryShowsANoticeAndPlayGoesOn)
{
    GameFixture game;
    game.windows.reset();
    {
        Persist settings(true);
        settings.writeString(QStringLiteral("Dictionary"), QStringLiteral("NoSuchWords"));
    }
    game.windows = std::make_unique<GameWindows>();
    TGlimmerForm* form = game.windows->glimmerForm.get();
    form->StartGame(false);
    EXPECT_TRUE(form->IsPlaying());
    EXPECT_TRUE(form->DictionaryNotice().contains(QStringLiteral("NoSuchWords.tsd")));
    EXPECT_TRUE(form->dictionaryNoticeLabel->isVisibleTo(form));
}
