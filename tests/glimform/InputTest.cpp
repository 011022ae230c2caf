// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse and the keys on the board, the main window's activation and its refused saves.
#include "GameTestSupport.h"

#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "platform/HelpContext.h"
#include "platform/UserRegistry.h"

#include <QCheckBox>
#include <QWindow>

namespace {

// C A R T S along the bottom row, each worth 2, and a lone E far to the right.
class Input : public ::testing::Test {
protected:
    Input()
    {
        probe->StartGame(false);
        probe->SuspendPlay(false);
        probe->board->Fill(0);
        for (int column : {0, 2, 4, 6, 8, 14})
            probe->board->Cell(0, column)->Set(std::string(1, "C A R T S     E"[column]), 2);
        probe->FormPaint();
    }

    QPoint At(int column, int dx = 0) const { return game.Centre(Cell(column), dx); }
    Chip* Cell(int column) const { return probe->board->Cell(0, column); }
    std::vector<Chip*> Chain() const { return probe->board->Selection(); }
    std::vector<Chip*> Cells(std::initializer_list<int> columns) const
    {
        std::vector<Chip*> cells;
        std::ranges::transform(columns, std::back_inserter(cells), [this](int column) { return Cell(column); });
        return cells;
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
    GlimmerFormProbe& probe = *game.probe;
};

}  // namespace

// A drag chains touching tiles in order: back over the chain shortens it, a tile away from it, the
// rim between two tiles or an empty cell at the top adds nothing, a move without the button ends
// the drag.
TEST_F(Input, DraggingAndDoubleClickingChainAndSubmitAdjacentTiles)
{
    game.Press(At(0));
    for (int column : {2, 4, 6})
        game.DragTo(At(column));
    EXPECT_EQ(Chain(), Cells({0, 2, 4, 6}));
    for (QPoint at : {At(4), At(14), At(6, -16), game.Centre(probe->board->Cell(11, 17))}) {
        game.DragTo(at);
        EXPECT_EQ(Chain(), Cells({0, 2, 4})) << at.x();
    }
    game.DragTo(At(6, -15));
    game.Release(At(6));
    EXPECT_EQ(Chain(), Cells({0, 2, 4, 6}));
    EXPECT_TRUE(probe->dragTile == nullptr && probe->wordInProgress->text() == QStringLiteral("CART"));

    probe->ClearWord();
    game.Press(At(0));
    game.Mouse(QEvent::MouseMove, At(2), Qt::NoButton, Qt::RightButton);  // the left button let go
    EXPECT_TRUE(probe->dragTile == nullptr && Chain().size() == 1);

    // A double click's first press adds the tile; on a word its second submits the chain, on a
    // non-word it takes the tile off again.
    game.Click(At(2));
    game.DoubleClick(At(4));  // "car" is no word
    EXPECT_EQ(Chain(), Cells({0, 2}));
    game.Click(At(4));
    game.Click(At(6));
    game.DoubleClick(At(8));  // "carts"
    EXPECT_TRUE(probe->score() == 32 && Chain().empty() && !Cell(0)->IsOccupied());
}

// Between games a left click on the empty window starts a game, one on the buttons' panel (in
// its place) or with the right button does not. Coming back to the game puts the keys on the
// board during play and leaves them on the player's button between games. (The offscreen
// platform never leaves the active state by itself, so the test announces the return.)
TEST(BetweenGames, AClickStartsAGameAndActivationGivesTheBoardTheKeysOnlyInPlay)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    GlimmerFormProbe& probe = *game.probe;
    form->activateWindow();
    QApplication::processEvents();
    probe->ScoresButton->setFocus();
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(QApplication::focusWidget(), probe->ScoresButton);

    const QPoint panelSpace = probe->PreplayPanel->geometry().topLeft() + QPoint(1, 1);
    ASSERT_EQ(form->childAt(panelSpace), probe->PreplayPanel);
    QTest::mouseClick(form, Qt::LeftButton, Qt::NoModifier, panelSpace);
    QTest::mouseClick(form, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_FALSE(probe->IsPlayPanelShown());
    QTest::mouseClick(form, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_TRUE(probe->IsPlaying());

    form->activateWindow();
    QApplication::processEvents();
    probe->pauseButton->setFocus();
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(form->hasFocus());
    probe->SuspendPlay(false);
}

namespace {

// The texts of the warnings on screen: a refused save is told in a box that blocks nothing.
QStringList ToldSaves()
{
    QStringList told;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible())
            told += box->text();
    return told;
}

}  // namespace

// The main window saves its place as it moves: a settings file that cannot be written is told
// once, in a box that neither blocks the game nor stops its timers. A result that cannot be saved
// is never lost without a word: the score table says so, and so does a warning in plain words
// with the file's path.
TEST(RefusedSave, IsToldOnceWhilePlayGoesOnAndAScoreNotKeptIsSaid)
{
    GameFixture game;
    game.probe->StartGame(false);
    const QString settingsFile = UserRegistry::FilePath();
    const QString unwritable = settingsFile + QStringLiteral("/inside.reg");  // a folder that is a file
    UserRegistry::SetFilePath(unwritable);
    for (int step = 1; step <= 3; ++step)
        game.form->move(game.form->pos() + QPoint(step, step));
    QStringList told = ToldSaves();
    ASSERT_EQ(told.size(), 1) << qPrintable(told.join(u'|'));
    EXPECT_TRUE(told[0].contains(QStringLiteral("GlimmerFormLeft"))) << qPrintable(told[0]);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(game.probe->EvolveTimer->isActive() && game.probe->TumbleTimer->isActive());

    bool notKept = false;
    AnswerNextModal([&notKept](QWidget* scores) {
        notKept = scores->findChild<QLabel*>(QStringLiteral("notKeptLabel"))->isVisible();
        FinishDialog(scores, false);
    });
    PlayToTheEnd(*game.probe, {"C", "A", "T"});
    told = ToldSaves().filter(QStringLiteral("Not saved: the high scores of TestWords."));
    EXPECT_TRUE(notKept && told.size() == 1 && told[0].contains(unwritable)) << qPrintable(ToldSaves().join(u'|'));
    UserRegistry::SetFilePath(settingsFile);
}

// Typed letters choose the chain a click would, in either case; a letter no chain takes is refused
// with a soft tap; after a submit typing starts afresh. Space, Return and the keypad's Enter submit
// a word, Esc, Backspace and Delete clear; no key does what its button would not, nor anything
// while the board clears. Alt letters, a hidden board and the time between games leave the chain
// alone.
TEST_F(Input, TypingSpellsAWordThatTheKeysSubmitOrClear)
{
    const std::vector<QString>& sounds = *game.sounds;
    QTest::keyClicks(form, QStringLiteral("caRt"));
    EXPECT_TRUE(Chain() == Cells({0, 2, 4, 6}) && probe->wordInProgress->text() == QStringLiteral("CART"));
    QTest::keyClick(form, Qt::Key_X);
    QTest::keyClick(form, Qt::Key_Space);  // "cart" is no word
    EXPECT_TRUE(Chain().size() == 4 && sounds.back().endsWith(QStringLiteral("/refuse.wav")))
        << qPrintable(sounds.back());
    QTest::keyClick(form, Qt::Key_S, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(probe->wordInProgress->text(), sounds.back()),
              std::pair(QStringLiteral("carts (32)"), QStringLiteral("SelectWord")));
    QTest::keyClick(form, Qt::Key_Return, Qt::ControlModifier);
    probe->SetClearCountdown(5);
    QTest::keyClick(form, Qt::Key_Return);
    probe->SetClearCountdown(0);
    EXPECT_EQ(std::pair(probe->score(), Chain().size()), std::pair(0u, std::size_t{5}));
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Space, Qt::NoModifier},
                                         {Qt::Key_Return, Qt::NoModifier},
                                         {Qt::Key_Enter, Qt::KeypadModifier}}) {
        probe->ClearWord();
        game.PlaceAndSelectWord({"C", "A", "R", "T", "S"});
        QTest::keyClick(form, key, modifiers);
        QTest::keyClick(form, Qt::Key_E, Qt::AltModifier);
        EXPECT_TRUE(Chain().empty()) << key;
    }
    EXPECT_EQ(probe->score(), 3 * 48u);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete}) {
        QTest::keyClick(form, Qt::Key_E);
        EXPECT_EQ(Chain(), Cells({14}));
        QTest::keyClick(form, key);
        EXPECT_TRUE(Chain().empty()) << key;
    }
    probe->SuspendPlay(true);
    QTest::keyClick(form, Qt::Key_E);
    probe->SetScore(0);
    probe->EndGame(true);
    QTest::keyClick(form, Qt::Key_E);
    EXPECT_TRUE(Chain().empty());
}

// With the option on, play stops with the board hidden when another application's window comes
// to the front (a plain QWindow stands in for it); the game's own windows do not count, and a new
// round that begins in the background waits too.
TEST(BackgroundPause, AnotherWindowInFrontPausesPlayWhenTheOptionIsOn)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    GlimmerFormProbe& probe = *game.probe;
    QWindow elsewhere;
    elsewhere.show();
    const auto activate = [](QWindow* window) {
        window->requestActivate();
        QApplication::processEvents();
    };
    const auto playing = [&probe] { return probe->EvolveTimer->isActive() && !probe->boardHidden; };
    activate(form->windowHandle());
    probe->StartGame(false);
    AnswerNextModal([&playing](QWidget*) {
        EXPECT_FALSE(playing()) << "the options hold play";
        OptionsForm->PauseInBackground->click(), OptionsForm->OKBtn->click();
    });
    probe->playOptionsButton->click();
    OpenHelpContext(20);
    QTest::qWait(300);
    activate(QApplication::activeWindow()->windowHandle());
    EXPECT_TRUE(NewGameForm->GetPauseInBackground() && playing()) << "help is one of the game's windows";
    activate(&elsewhere);
    QTest::qWait(300);
    EXPECT_TRUE(!probe->EvolveTimer->isActive() && probe->boardHidden && QApplication::activeModalWidget() == nullptr);
    // Coming back asks nothing: the paused board waits, letters, Esc and Return do nothing, and
    // Space (as Resume or a click on the board) plays on.
    activate(form->windowHandle());
    auto* paused = form->findChild<QWidget*>(QStringLiteral("pausedBoard"));
    ASSERT_TRUE(paused != nullptr && paused->isVisible() && QApplication::activeModalWidget() == nullptr);
    EXPECT_TRUE(LooksAsApproved(form, QStringLiteral("paused")));
    EXPECT_EQ(paused->findChild<QLabel*>()->text(), QStringLiteral("Paused: press Resume, Space or click to play on"));
    for (Qt::Key key : {Qt::Key_N, Qt::Key_Escape, Qt::Key_Return})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_TRUE(probe->IsPlaying() && !playing() && paused->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(playing() && !paused->isVisible());

    activate(&elsewhere);
    QTest::qWait(300);
    probe->board->Fill(0);
    probe->SetClearCountdown(1);  // the last tick of a round's clearing
    probe->TumbleTimerTick();
    EXPECT_TRUE(probe->lives() == 2 && probe->boardHidden) << "a round that begins in the background waits";
    probe->SuspendPlay(false);
}
