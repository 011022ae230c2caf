// SPDX-License-Identifier: GPL-3.0-or-later
// A game from start to end: timers, rounds, lives, questions, words, scores and the best words.
#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "dialogs/newgame.h"
#include "dictionary/dictload.h"
#include "platform/HelpContext.h"
#include "settings/Persist.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include <tuple>

namespace {

using Tiles = std::vector<std::string>;
const Tiles cat{"C", "A", "T"}, tree{"T", "R", "E", "E"}, trees{"T", "R", "E", "E", "S"};
const Tiles carts{"C", "A", "R", "T", "S"}, quit{"QU", "I", "T"};

// A game on the test words, named in other case, with its sounds recorded.
class Game : public ::testing::Test {
protected:
    explicit Game(bool howToPlay = false) : game(howToPlay, QStringLiteral("testWORDS")) {}
    // Enters each word in turn, spelled along the bottom row of an empty board.
    void Enter(std::initializer_list<Tiles> words)
    {
        for (const Tiles& tiles : words) {
            probe->board->Fill(0);
            game.PlaceAndSelectWord(tiles);
            ASSERT_TRUE(probe->enterButton->isEnabled());
            probe->EnterWord();
        }
    }
    QString LastSound() const { return sounds->empty() ? QString() : sounds->back(); }
    QStringList BestWords() const
    {
        QStringList rows;
        std::ranges::transform(probe->bestWordList->findItems({}, Qt::MatchContains), std::back_inserter(rows),
                               &QListWidgetItem::text);
        return rows;
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
    GlimmerFormProbe& probe = *game.probe;
    std::vector<QString>* sounds = game.sounds;
};

struct HowToPlayFirst : Game {
    HowToPlayFirst() : Game(true) {}
};

}  // namespace

// The round's end turns the buttons off and says so over the board until the clearing begins, and
// the best word the board held is drawn in blue over its tiles until then; the word shows through
// the clearing and at Game Over, in a smaller type when it is too long for its box, but not into
// the next game. A clearing minimised goes on once the window is restored. (The lives, the
// clearing and the intervals are the session's, and the recorded game steps them through the
// window.)
TEST_F(Game, ReachingTheTopTurnsTheButtonsOffAndShowsTheMissedWord)
{
    SeedGameRandom(5);
    probe->StartGame(false);
    probe->SetScore(120);  // the scores come at Game Over
    const auto fillToTheTop = [this](const Tiles& word) {
        probe->board->Fill(0);
        game.PlaceAndSelectWord(word);
        for (int c = 0; c < 18; c += 2)
            probe->board->Cell(10, c)->Set("E", 2);
        probe->EvolveTimerTick();
    };
    // Blue between the missed word's first two tiles.
    const auto missedInBlue = [this] {
        const BoardPoint a = probe->board->Cell(0, 0)->Centre(), b = probe->board->Cell(0, 2)->Centre();
        return probe->boardImage.pixelColor(probe->BoardToClient({(a.x + b.x) / 2, a.y})) == QColor(0, 160, 224);
    };
    fillToTheTop(cat);
    EXPECT_TRUE(missedInBlue()) << "drawn at once";
    probe->FormPaint();
    EXPECT_TRUE(missedInBlue()) << "and in a full paint";
    EXPECT_TRUE(LooksAsApproved(form, QStringLiteral("missed-word")));
    const QString missed = QStringLiteral("missed: cat (12)");
    EXPECT_EQ(std::pair(LastSound(), probe->wordInProgress->text()), std::pair(QStringLiteral("EndRound"), missed));
    for (QPushButton* button : {probe->enterButton, probe->clearButton, probe->pauseButton, probe->endGameButton,
                                probe->helpButton, probe->playOptionsButton})
        EXPECT_FALSE(button->isEnabled()) << qPrintable(button->text());
    auto* roundOver = form->findChild<QLabel*>(QStringLiteral("roundOverLabel"));
    for (int tick = 0; tick < 24; ++tick)
        probe->TumbleTimerTick();
    EXPECT_TRUE(roundOver->isVisible() && roundOver->text() == QStringLiteral("Round over: a life lost, 2 left"));
    probe->TumbleTimerTick();
    EXPECT_FALSE(roundOver->isVisible() || missedInBlue()) << "gone as the clearing begins";
    EXPECT_EQ(probe->wordInProgress->text(), missed) << "the chain cleared, the missed word stays";
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(probe->TumbleTimer->isActive());
    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(probe->TumbleTimer->isActive() && !probe->EvolveTimer->isActive() && !probe->boardHidden);
    while (probe->clearCountdown() != 0)
        probe->TumbleTimerTick();
    EXPECT_TRUE(probe->pauseButton->isEnabled() &&
                form->findChild<QWidget*>(QStringLiteral("livesArea"))->accessibleName() == QStringLiteral("Lives: 2"))
        << "on again in the next round, a life less";

    probe->SetLives(1);
    fillToTheTop({"QU", "A", "R", "T", "E", "T", "T", "E", "S"});
    QString shown;
    AnswerNextModal([&](QWidget* scores) { shown = probe->wordInProgress->text(), FinishDialog(scores, false); });
    while (probe->clearCountdown() != 0)
        probe->TumbleTimerTick();
    EXPECT_EQ(shown, QStringLiteral("<span style=\"font-size:14px\">missed: quartettes (2304)</span>"))
        << "at Game Over, in a smaller type to fit";
    probe->StartGame(false);
    EXPECT_EQ(probe->wordInProgress->text(), QString()) << "gone in the next game";
}

// Closing, End Game and Pause ask first, with play held and the tiles hidden; No to quitting
// and Yes to the pause resume, the other answers end the game.
TEST_F(Game, QuestionsHoldPlayAndTheirAnswersResumeOrEndTheGame)
{
    const QString quit = QStringLiteral("Are you sure you want to quit this game?");
    const QString paused = QStringLiteral("The game is paused.\n\nWould you like to resume the game?");
    using Case = std::tuple<QPushButton*, QMessageBox::StandardButton, QString, bool>;  // no button: close
    for (const auto& [button, answer, text, ends] : {Case{nullptr, QMessageBox::No, quit, false},
                                                     {probe->pauseButton, QMessageBox::Yes, paused, false},
                                                     {probe->pauseButton, QMessageBox::No, paused, true},
                                                     {probe->endGameButton, QMessageBox::Yes, quit, true}}) {
        SCOPED_TRACE(text.toStdString() + (ends ? ": ends" : ": resumes"));
        if (!probe->IsPlaying())
            probe->StartGame(false);
        probe->SetScore(30);
        QString question, scoresTitle;
        AnswerNextModal([&, answer = answer, ends = ends](QWidget* box) {
            question = qobject_cast<QMessageBox*>(box)->text();
            EXPECT_TRUE(probe->boardHidden && !probe->EvolveTimer->isActive() && !probe->TumbleTimer->isActive());
            if (ends)
                AnswerNextModal([](QWidget* dialog) { FinishDialog(dialog, false); }, &scoresTitle);
            PressMessageButton(box, answer);
        });
        if (button != nullptr)
            button->click();
        else
            EXPECT_FALSE(form->close());
        EXPECT_EQ(question, text);
        EXPECT_EQ(
            std::tuple(probe->IsPlaying(), probe->boardHidden && !ends, scoresTitle, game.OccupiedCells().empty()),
            std::tuple(!ends, false, QString::fromLatin1(ends ? "Game Ended" : ""), ends));
    }
    // Esc never throws a game away: the pause question stays open, the quit question plays on.
    probe->StartGame(false);
    for (const auto& [button, staysOpen] : {std::pair{probe->pauseButton, true}, {probe->endGameButton, false}}) {
        bool open = false;
        AnswerNextModal([&open](QWidget* box) {
            QTest::keyClick(box, Qt::Key_Escape);
            if ((open = box->isVisible()))
                PressMessageButton(box, QMessageBox::Yes);
        });
        button->click();
        EXPECT_EQ(std::pair(open, probe->IsPlaying()), std::pair(staysOpen, true)) << qPrintable(button->text());
    }
}

// The dictionary's loading window comes centred over the game, and a word that earns a life shows
// it at once. The scores that come by themselves at the end of a game take no key held from play:
// Return at once, or repeating, does nothing; a new press after half a second starts the next game.
TEST_F(Game, GameOverScoresIgnoreAKeyHeldFromPlay)
{
    probe->StartGame(false);  // the dictionary's loading window came centred over the game
    EXPECT_LE((DictionaryLoading->frameGeometry().center() - form->frameGeometry().center()).manhattanLength(), 4);
    probe->SetScore(1990), Enter({{"E", "V", "E"}});  // past 2000: a life more, shown at once
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("livesArea"))->accessibleName(), "Lives: 4");
    std::vector<bool> open;
    AnswerNextModal([&open](QWidget* scores) {
        QTest::keyClick(scores, Qt::Key_Return);
        open.push_back(scores->isVisible());
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(scores, &repeat);
        open.push_back(scores->isVisible());
        QTest::qWait(600);
        QTest::keyClick(scores, Qt::Key_Return);
        open.push_back(scores->isVisible());
    });
    PlayToTheEnd(probe, cat);
    EXPECT_EQ(open, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(probe->gamesStarted(), 2u) << "Start began the next game";
}

// Start pressed while the dictionary loads starts the game when the load ends; pressed after,
// or How To Play closed, it starts at once. No window closes while the load runs its
// messages: that would pull the words from under it. The stored name differs from TestWords.tsd
// only in case, and still finds it; the window's minimum is half its size.
TEST_F(HowToPlayFirst, StartsTheGameWhetherPressedDuringTheLoadOrAfter)
{
    bool pressedDuringLoad = false, closedDuringLoad = true;
    QTimer::singleShot(0, form, [&] {
        pressedDuringLoad = probe->words().FileName().empty() && HowToPlay->isVisible();
        HowToPlay->StartButton->click();
        closedDuringLoad = form->close() || DictionaryLoading->close() || HowToPlay->close();
    });
    probe->StartButton->click();
    EXPECT_TRUE(pressedDuringLoad && !closedDuringLoad);
    EXPECT_TRUE(probe->IsPlaying() && !HowToPlay->isVisible() && !DictionaryLoading->isVisible() && form->isEnabled());
    EXPECT_EQ(probe->DictionaryNotice() + form->windowTitle(), QStringLiteral("Glimmerquake (testWORDS)"));
    const QSize off = form->frameGeometry().size() / 2 - form->minimumSize();
    EXPECT_TRUE(std::abs(off.width()) <= 2 && std::abs(off.height()) <= 2);

    probe->EndGame(true);
    probe->StartButton->click();
    EXPECT_TRUE(!probe->IsPlayPanelShown() && HowToPlay->isVisible() && !form->isEnabled() &&  // over the title
                TilesPicture(*probe->board).starts_with("EKAUQREMM/"));
    form->setWindowState(Qt::WindowMinimized);
    HowToPlay->close();  // counts as its Start, and play begins as the window is restored
    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(probe->IsPlaying() && form->isEnabled() && probe->EvolveTimer->isActive() && !probe->boardHidden);

    // Closing the main window between games ends the program, How To Play and the help included.
    probe->EndGame(true);
    probe->StartButton->click();
    OpenHelpContext(120);
    EXPECT_TRUE(form->close());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << qPrintable(window->objectName());
}

// The list shows the best words that fit, with the word entered last selected while it shows.
// Shrinking the window to its minimum during play, and enlarging it again, loses no best word:
// the list shows them all again, and the high score row gets the best one.
TEST_F(Game, TheBestWordsListShowsWhatFitsAndSelectsTheNewestWord)
{
    SeedGameRandom(4);
    probe->StartGame(false);
    probe->SuspendPlay(false);  // play moves on only as the test steps it
    const int frame = probe->bestWordList->height() - probe->bestWordList->viewport()->height();
    probe->bestWordList->setFixedHeight(3 * 23 + frame);  // three rows
    Enter({cat, tree, cat});
    EXPECT_EQ(BestWords(), (QStringList{"tree (16)", "cat (12)"}));
    EXPECT_EQ(probe->bestWordList->currentRow(), 1) << "the word entered again is selected, not added";
    Enter({carts, quit, cat});  // cat ranks below the rows shown
    EXPECT_EQ(BestWords(), (QStringList{"carts (48)", "quit (36)", "tree (16)"}));
    EXPECT_TRUE(probe->bestWordList->selectedItems().isEmpty());

    probe->bestWordList->setMinimumHeight(0), probe->bestWordList->setMaximumHeight(QWIDGETSIZE_MAX);
    Enter({trees, {"D", "O", "N", "T"}});
    const QStringList all{"carts (48)", "quit (36)", "trees (32)", QString::fromUtf8("don\u2019t (24)"),
                          "tree (16)",  "cat (12)"};
    const QSize size = form->size();
    form->resize(form->minimumSize());
    EXPECT_LT(BestWords().size(), all.size());
    form->resize(size);
    EXPECT_TRUE(BestWords() == all && LooksAsApproved(form, QStringLiteral("best-words")));
    QString bestWord;
    AnswerNextModal([&](QWidget* scores) {
        EXPECT_TRUE(LooksAsApproved(scores, QStringLiteral("game-over")));
        bestWord = scores->findChild<QTreeWidget*>()->topLevelItem(0)->text(2);
        FinishDialog(scores, false);
    });
    probe->EndGame(true);
    EXPECT_EQ(bestWord, QStringLiteral("carts (48)"));
}

// A score that tops its table says "New record!" as the table opens; one that beats the player's
// earlier games without topping the table says it is the player's best, with the high word's
// sound; a lower or an equal one says nothing. While the nickname is the default, a new result
// asks for a name, selected to type over; Enter takes it without starting a game.
TEST_F(Game, ARecordIsSaidWhenTheTableOpens)
{
    const auto play = [this](const Tiles& word) {
        QString said;
        AnswerNextModal([&said](QWidget* scores) {
            said = NewGameForm->recordLabel->isVisible() ? NewGameForm->recordLabel->text() : QString();
            if (NewGameForm->nameEdit->isVisible()) {
                EXPECT_TRUE(NewGameForm->focusWidget() == NewGameForm->nameEdit &&
                            NewGameForm->nameEdit->selectedText() == QStringLiteral("Anonymous"));
                QTest::keyClicks(NewGameForm->nameEdit, QStringLiteral("Ada"));
                QTest::keyClick(NewGameForm->nameEdit, Qt::Key_Return);
                EXPECT_TRUE(scores->isVisible()) << "Enter took the name and started nothing";
                said += QStringLiteral(" named");
            }
            FinishDialog(scores, false);
        });
        probe->StartGame(false);
        PlayToTheEnd(probe, word);
        return said;
    };
    EXPECT_EQ(play(tree), QStringLiteral("New record! named"));
    EXPECT_EQ(NewGameForm->Scores().Rows().at(0).player, QStringLiteral("Ada"));
    EXPECT_EQ(play(cat), QString()) << "no name asked once there is one";
    {
        Persist store(true);
        store.writeString(QStringLiteral("testWORDS0"), QStringLiteral("9999\tAda\tquartz (324)"));
        store.writeString(QStringLiteral("testWORDS1"), QString());
    }
    NewGameForm->TransferScores(false);
    EXPECT_EQ(play(trees), QStringLiteral("Your best testWORDS game"));
    EXPECT_EQ(LastSound(), QStringLiteral("HighWord"));
    EXPECT_EQ(play(trees), QString()) << "equalling the best is no new best";
}

// A dictionary cut short is played with the words it holds, and the notice says how many it read.
TEST(DamagedDictionary, TheNoticeSaysHowManyWordsCouldBeRead)
{
    QFile whole(QCoreApplication::applicationDirPath() + QStringLiteral("/TestWords.tsd")),
        cut(QCoreApplication::applicationDirPath() + QStringLiteral("/CutWords.tsd"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly) &&
                cut.write(whole.readAll().chopped(3)) > 0);
    cut.close();
    GameFixture game(false, QStringLiteral("CutWords"));
    EXPECT_TRUE(StartPlay(*game.probe) && game.probe->DictionaryNotice().contains(QStringLiteral("is damaged: only")))
        << qPrintable(game.probe->DictionaryNotice());
    cut.remove();
}
