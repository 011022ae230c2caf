// SPDX-License-Identifier: GPL-3.0-or-later
// Play without sight of the board or without a pointer: what assistive technology reads of the
// board and hears of play, the keyboard's cursor, and the main window's buttons, whose windows
// name their controls, close with Esc and give the keyboard back to the board.
#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "dialogs/HallOfFame.h"
#include "dialogs/help.h"
#include "dialogs/newgame.h"
#include "dialogs/sounds.h"
#include "glimform/BoardView.h"
#include "glimform/LivesArea.h"

#include <QAccessible>

namespace {

QString Said(GlimmerFormProbe& probe)
{
    QApplication::processEvents();  // announcements of one step are said together, at its end
    return probe->boardView->LastAnnouncement();
}

// The push buttons, check boxes and edits under `node` that a player can reach and that have no name.
QStringList Unnamed(QAccessibleInterface* node)
{
    QStringList unnamed;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || child->state().invisible)
            continue;
        const QAccessible::Role role = child->role();
        if ((role == QAccessible::PushButton || role == QAccessible::CheckBox || role == QAccessible::EditableText) &&
            child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << (child->object() != nullptr ? child->object()->objectName() : QStringLiteral("?"));
        if (role != QAccessible::Table)
            unnamed << Unnamed(child);
    }
    return unnamed;
}

}  // namespace

// The board is a table of 12 rows of 9 cells, each named by its tile and found under the pointer
// (the screen reader's test walks it through AT-SPI), and play is announced on it: the chain, the
// word scored, the round's end.
TEST(Accessibility, TheBoardsCellsNameTheirTilesAndPlayIsAnnounced)
{
    GameFixture game;
    GlimmerFormProbe& probe = *game.probe;
    ASSERT_TRUE(StartPlay(probe));
    probe->SuspendPlay(false);
    probe->board->Fill(0);
    probe->board->Cell(1, 1)->Set("E", 1);
    game.PlaceAndSelectWord({"QU", "I", "T"});
    const std::uint32_t value = probe->board->SelectionValue();
    EXPECT_EQ(Said(probe), QStringLiteral("quit, %1 points").arg(value));
    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(probe->boardView)->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(QStringList({cells->cellAt(11, 0)->text(QAccessible::Name), cells->cellAt(10, 0)->text(QAccessible::Name),
                           cells->cellAt(0, 8)->text(QAccessible::Name)}),
              QStringList({"Q U, 9 points, in the chain", "E, 1 point", "empty"}));
    EXPECT_TRUE(cells->selectedCellCount() == 3 && !cells->cellAt(12, 0) && !cells->cellAt(0, 9));
    // Each cell spans one row and column; the chain is built by play, never by the reader.
    const QAccessibleTableCellInterface* cell = cells->cellAt(10, 0)->tableCellInterface();
    EXPECT_EQ(std::tuple(cell->rowIndex(), cell->columnIndex(), cell->rowExtent(), cell->columnExtent(),
                         cells->cellAt(11, 0)->state().focusable, cell->isSelected(), cells->selectRow(10)),
              std::tuple(10, 0, 1, 1, true, false, false));
    const QPoint first = cells->cellAt(11, 0)->rect().center();
    EXPECT_EQ(cells->cellAt(11, 0),
              QAccessible::queryAccessibleInterface(probe->boardView)->childAt(first.x(), first.y()));
    probe->EnterWord();
    EXPECT_EQ(Said(probe), QStringLiteral("quit scores %1, score %1").arg(value));
    probe->board->Fill(12);  // full: the next arrival ends the round
    probe->EvolveTimerTick();
    EXPECT_EQ(Said(probe), QStringLiteral("Round over: a life lost, 2 left"));
}

TEST(Accessibility, CursorKeysPickTilesWhileLettersEnterEscAndClicksKeepTheirMeaning)
{
    GameFixture game;
    GlimmerFormProbe& probe = *game.probe;
    SeedGameRandom(2);
    ASSERT_TRUE(StartPlay(probe));
    probe->SuspendPlay(false);
    game.PlaceAndSelectWord({"C", "A", "T", "S"});
    probe->ClearWord();
    probe->FormPaint();
    BoardView* view = probe->boardView;
    // Keys the board does not use go on to the window, as from the focus.
    const auto key = [&](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view, static_cast<Qt::Key>(code), modifiers);
    };
    ASSERT_EQ(view->CursorCell(), nullptr) << "no ring before a cursor key";

    key(Qt::Key_Left);  // shows the ring where the cursor is, mid-bottom
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Left);
    EXPECT_EQ(view->CursorCell(), probe->board->Cell(0, 2));
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view);
    EXPECT_EQ(board->focusChild(), board->tableInterface()->cellAt(11, 1)) << "the reader follows the cursor";
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    key(Qt::Key_6, Qt::KeypadModifier);
    key(Qt::Key_Insert);
    EXPECT_EQ(probe->wordInProgress->text(), QStringLiteral("CA")) << "Space and Insert pick the cursor's tile";
    // The ring, dark inside light on the cell's edge.
    EXPECT_TRUE(LooksAsApproved(&probe->form, QStringLiteral("cursor-ring")));

    key(Qt::Key_T);
    EXPECT_EQ(probe->wordInProgress->text().left(3), QStringLiteral("cat")) << "letters still type";
    game.Click(game.Centre(probe->board->Cell(0, 6)));
    EXPECT_EQ(view->CursorCell(), nullptr) << "a click hides the ring";
    probe->ClearWord();
    game.PlaceAndSelectWord({"C", "A", "T"});
    key(Qt::Key_Space);
    EXPECT_GT(probe->score(), 0u) << "without the ring Space enters the word";
    key(Qt::Key_Up);
    key(Qt::Key_Escape);
    EXPECT_NE(view->CursorCell(), nullptr) << "Esc clears the chain and leaves the ring";
}

// Every button of the main window does its part, and each window it opens names its controls and
// closes with Esc (Statistics here with Enter, its Close being the default). Between games Scores,
// About and Statistics open their windows (the Hall of Fame and Sounds are opened as the scores and
// the options open them), Esc on the scores starts nothing and Start on them plays; during play
// Options opens its window and gives the keys back to the board, Help shows its topic and pauses;
// Clear clears the chain, Enter enters it; Exit closes.
TEST(Accessibility, EveryButtonDoesItsPartAndItsWindowNamesItsControlsAndClosesWithEsc)
{
    GameFixture game;
    GlimmerFormProbe& probe = *game.probe;
    const auto click = [&](const char* button) {
        probe->form.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    };
    const auto opens = [](const char* expected, const std::function<void()>& open) {
        // Shared: a click that opens nothing leaves the answer waiting for a later window.
        const auto shown = std::make_shared<QString>();
        AnswerNextModal([shown](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                *shown = box->text().section(u'\n', 0, 0);
                return PressMessageButton(box, QMessageBox::Yes);
            }
            *shown = modal->objectName();
            EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(modal)), QStringList()) << qPrintable(*shown);
            QTest::keyClick(modal, *shown == u"StatisticsForm" ? Qt::Key_Return : Qt::Key_Escape);
            if (modal->isVisible()) {
                ADD_FAILURE() << qPrintable(*shown) << " stays open on its closing key";
                FinishDialog(modal, false);
            }
        });
        open();
        EXPECT_EQ(*shown, QString::fromLatin1(expected));
    };
    opens("NewGameForm", [&] { click("ScoresButton"); });
    opens("AboutBox", [&] { click("aboutButton"); });
    opens("StatisticsForm", [&] { click("statisticsButton"); });
    opens("HallOfFame", [&] { THallOfFame(&probe->form).Execute(); });
    opens("SoundsForm", [&] { TSoundsForm(&probe->form).Execute(); });
    EXPECT_FALSE(probe->IsPlayPanelShown()) << "Esc on the scores starts nothing";
    AnswerNextModal([](QWidget*) { NewGameForm->OKButton->click(); });
    click("ScoresButton");
    EXPECT_TRUE(probe->IsPlaying()) << "Start on the scores starts a game";
    // Its caption marks S and R; S is Start's, so Alt+R is its key.
    EXPECT_EQ(probe->ScoresButton->shortcut(), QKeySequence(Qt::ALT | Qt::Key_R));

    opens("OptionsForm", [&] { click("playOptionsButton"); });
    QApplication::processEvents();
    EXPECT_TRUE(probe->IsPlaying() && QApplication::focusWidget() == probe->boardView)
        << "play goes on from the keyboard, not from " << qPrintable(QApplication::focusWidget()->objectName());
    opens("The game is paused.", [&] { click("helpButton"); });
    EXPECT_TRUE(game.windows->helpService->Window() != nullptr && game.windows->helpService->Window()->isVisible());
    game.PlaceAndSelectWord({"C", "A", "T"});
    click("clearButton");
    EXPECT_TRUE(probe->IsPlaying() && probe->board->Selection().empty());
    game.PlaceAndSelectWord({"C", "A", "T"});
    click("enterButton");
    EXPECT_EQ(probe->score(), 12u);
    AnswerNextModal([](QWidget* scores) { FinishDialog(scores, false); });
    probe->EndGame(true);
    click("ExitButton");
    EXPECT_FALSE(probe->form.isVisible());
}
