// The mouse and the keys on the board, and the main window's place, size and activation.
#include "GameTestSupport.h"

#include "platform/UserRegistry.h"

#include <QScreen>


namespace {

// C A R T S along the bottom row, and a lone E far to the right.
class Input : public ::testing::Test {
protected:
    Input()
    {
        form->StartGame(false);
        form->SuspendPlay(false);
        form->board->Fill(0);
        const char* letters[] = {"C", "A", "R", "T", "S"};
        for (int i = 0; i < 5; ++i)
            form->board->Cell(0, 2 * i)->Set(letters[i], 2);
        form->board->Cell(0, 14)->Set("E", 2);
        form->FormPaint();
    }

    QPoint At(int column, int dx = 0) const { return game.Centre(Cell(column), dx); }
    Chip* Cell(int column) const { return form->board->Cell(0, column); }
    std::vector<Chip*> Chain() const { return form->board->Selection(); }
    std::vector<Chip*> Cells(std::initializer_list<int> columns) const
    {
        std::vector<Chip*> cells;
        for (int column : columns)
            cells.push_back(Cell(column));
        return cells;
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
};

}  // namespace

TEST_F(Input, DraggingChainsAdjacentTilesInOrder)
{
    game.Press(At(0));
    for (int column : {2, 4, 6})
        game.DragTo(At(column));
    EXPECT_EQ(Chain(), Cells({0, 2, 4, 6}));
    game.DragTo(At(4));
    EXPECT_EQ(Chain(), Cells({0, 2, 4})) << "moving back shortens the chain";
    game.DragTo(At(14));
    EXPECT_EQ(Chain(), Cells({0, 2, 4})) << "a tile away from the chain is passed over";
    game.DragTo(At(6, -16));
    EXPECT_EQ(Chain(), Cells({0, 2, 4})) << "brushing the rim between two tiles picks up nothing";
    game.DragTo(At(6, -15));
    EXPECT_EQ(Chain(), Cells({0, 2, 4, 6}));
    game.Release(At(6));
    EXPECT_EQ(form->dragTile, nullptr);
    EXPECT_EQ(form->wordInProgress->text(), QStringLiteral("CART"));

    form->ClearWord();
    game.Press(At(0));
    form->FormMouseMove(Qt::NoButton, Qt::NoModifier, At(2).x(), At(2).y());
    EXPECT_EQ(form->dragTile, nullptr) << "a move without the button held ends the drag";
    EXPECT_EQ(Chain().size(), 1u);
}

TEST_F(Input, ADoubleClickSubmitsAWordAndOnANonWordRemovesTheTile)
{
    // The double click's first press adds the tile; its second comes after the double click.
    game.Press(At(0));
    game.DragTo(At(2));
    game.Release(At(2));
    game.DoubleClick(At(4));  // "car" is no word: the second press cuts R off again
    EXPECT_EQ(Chain(), Cells({0, 2}));
    EXPECT_EQ(form->score, 0u);

    game.Click(At(4));
    game.Click(At(6));
    game.DoubleClick(At(8));  // "carts"
    EXPECT_EQ(form->score, 32u);
    EXPECT_TRUE(Chain().empty());
    EXPECT_FALSE(Cell(0)->IsOccupied());
}

TEST_F(Input, KeysSubmitAndClearOnlyWhenTheirButtonWould)
{
    game.SelectChain({{0, 0}, {0, 2}});
    QTest::keyClick(form, Qt::Key_Space);  // "ca" is no word
    EXPECT_EQ(Chain().size(), 2u);
    EXPECT_EQ(form->score, 0u);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete}) {
        game.SelectChain({{0, 0}, {0, 2}});
        QTest::keyClick(form, key);
        EXPECT_TRUE(Chain().empty()) << key;
    }
    // Space, the return key and the keypad's Enter submit; Ctrl with the return key does not,
    // and nothing does while the board clears at the end of a round.
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool clearing, submits;
    } submitKeys[] = {{Qt::Key_Space, Qt::NoModifier, false, true},
                      {Qt::Key_Return, Qt::NoModifier, false, true},
                      {Qt::Key_Enter, Qt::KeypadModifier, false, true},
                      {Qt::Key_Return, Qt::ControlModifier, false, false},
                      {Qt::Key_Space, Qt::NoModifier, true, false}};
    for (const auto& k : submitKeys) {
        SCOPED_TRACE(testing::Message() << k.key << " " << k.modifiers.toInt() << (k.clearing ? " clearing" : ""));
        form->ClearWord();
        game.PlaceAndSelectWord({"C", "A", "R", "T", "S"});
        form->clearCountdown = k.clearing ? 5 : 0;
        const std::uint32_t before = form->score;
        QTest::keyClick(form, k.key, k.modifiers);
        EXPECT_EQ(form->score > before, k.submits);
    }
    form->clearCountdown = 0;
}

TEST(InputWithoutDictionary, TheNoticeCoversNoTileAndLetsPressesThroughToTheBoard)
{
    GameFixture game(false, QStringLiteral("Missing"));
    TGlimmerForm* form = game.form;
    form->StartGame(false);
    form->SuspendPlay(false);
    ASSERT_TRUE(form->dictionaryNoticeLabel->isVisibleTo(form));
    form->board->Fill(1);
    for (QSize size : {QSize(576, 420), QSize(900, 640), QSize(420, 300)}) {
        SCOPED_TRACE(size.width());
        form->resize(size);
        form->FormPaint();
        ASSERT_TRUE(form->boardLaidOut);
        const QRect notice = form->dictionaryNoticeLabel->geometry();
        for (const Chip* chip : game.OccupiedCells()) {
            const BoardRect cell = chip->Rect();
            const QRect client(form->BoardToClient({cell.left, cell.top}),
                               QSize(cell.right - cell.left, cell.bottom - cell.top));
            EXPECT_FALSE(notice.intersects(client)) << chip->Row() << ", " << chip->Column();
        }
        // A bottom-row tile, at the design size once under the notice, takes the press.
        form->ClearWord();
        Chip* tile = form->board->Cell(0, 8);
        game.Click(game.Centre(tile));
        EXPECT_EQ(form->board->Selection(), std::vector<Chip*>{tile});
    }
}

TEST(BetweenGames, AClickOnTheEmptyWindowStartsAGameButNotOneOnAPanel)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    EXPECT_EQ(form->StartButton->mapTo(form, QPoint()), QPoint(130, 4)) << "the buttons' panel keeps its place";
    const QPoint panelSpace = form->PreplayPanel->geometry().topLeft() + QPoint(1, 1);
    ASSERT_EQ(form->childAt(panelSpace), form->PreplayPanel);
    QTest::mouseClick(form, Qt::LeftButton, Qt::NoModifier, panelSpace);
    EXPECT_FALSE(form->IsPlayPanelShown());
    QTest::mouseClick(form, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_FALSE(form->IsPlayPanelShown());
    QTest::mouseClick(form, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_TRUE(form->IsPlayPanelShown());
    form->SuspendPlay(false);
}

// Coming back to the game puts the keyboard on the board during play, and leaves it on the
// button the player was on between games. (The offscreen platform never leaves the active
// state by itself, so the test announces the return as the window system would.)
TEST(BetweenGames, ActivationGivesTheBoardTheKeysOnlyDuringPlay)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    for (QWidget* focused : {static_cast<QWidget*>(form->ScoresButton), static_cast<QWidget*>(form->pauseButton)}) {
        if (focused == form->pauseButton)
            form->StartGame(false);
        form->activateWindow();
        QApplication::processEvents();
        focused->setFocus();
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        EXPECT_EQ(QApplication::focusWidget(), form->IsPlaying() ? form : focused);
    }
    form->SuspendPlay(false);
}

// The place and size survive a restart and set the minimum; a first start centres the main
// window, and dialogs never opened keep no place, so the next run centres them too.
TEST(MainWindowPlacement, SurvivesARestartAndWindowsNeverOpenedOpenInTheMiddle)
{
    GameFixture game;
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    const auto expectCentred = [&](const QWidget* window) {
        EXPECT_LE((window->frameGeometry().center() - middle).manhattanLength(), 8) << qPrintable(window->windowTitle());
    };
    expectCentred(game.form);
    game.form->setGeometry(120, 90, 1000, 800);  // saves the main window and the scores dialog
    const QRect placed(game.form->pos(), game.form->size());
    game.windows.reset();
    game.windows = std::make_unique<GameWindows>();
    TGlimmerForm* form = game.windows->glimmerForm.get();
    EXPECT_EQ(QRect(form->pos(), form->size()), placed);
    EXPECT_EQ(form->minimumSize(), form->frameGeometry().size() / 2);
    form->show();
    for (QPushButton* button : {form->aboutButton, form->preplayOptionsButton, form->ScoresButton}) {
        AnswerNextModal([&](QWidget* dialog) {
            expectCentred(dialog);
            FinishDialog(dialog, false);
        });
        button->click();
    }
}

// The main window saves as it moves: a settings file that cannot be written is told once, in a
// box that neither blocks the game nor stops its timers.
TEST(MainWindowPlacement, ARefusedSaveDuringPlayIsToldOnceWhilePlayGoesOn)
{
    GameFixture game;
    game.form->StartGame(false);
    const QString settingsFile = UserRegistry::FilePath();
    UserRegistry::SetFilePath(settingsFile + QStringLiteral("/inside.reg"));  // a folder that is a file
    for (int step = 1; step <= 3; ++step)
        game.form->move(game.form->pos() + QPoint(step, step));
    QStringList told;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible())
            told += box->text();
    ASSERT_EQ(told.size(), 1) << qPrintable(told.join(u'|'));
    EXPECT_TRUE(told[0].contains(QStringLiteral("GlimmerFormLeft"))) << qPrintable(told[0]);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(game.form->EvolveTimer->isActive() && game.form->TumbleTimer->isActive());
    UserRegistry::SetFilePath(settingsFile);
}
