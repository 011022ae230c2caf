// SPDX-License-Identifier: GPL-3.0-or-later
// Play without sight of the board or without a pointer: what assistive technology reads of the
// board and hears of play, the keyboard's cursor, and dialogs that name their controls, close
// with Esc and give the keyboard back to the board.
#include "GameTestSupport.h"

#include "board/GameSession.h"
#include "dialogs/HallOfFame.h"
#include "dialogs/StatisticsForm.h"
#include "dialogs/about.h"
#include "dialogs/newgame.h"
#include "dialogs/sounds.h"
#include "glimform/BoardView.h"
#include "glimform/LivesArea.h"

#include <QAccessible>
#include <QRegularExpression>

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

// The board is a table whose cells name their tiles, rows from the top; the lives and the score
// are named, and the chain, a word's score and a round's end are announced, few and whole.
TEST(Accessibility, TheBoardReadsAsATableOfNamedCellsAndPlayIsAnnounced)
{
    GameFixture game;
    GlimmerFormProbe& probe = *game.probe;
    ASSERT_TRUE(StartPlay(probe));
    probe->SuspendPlay(false);
    EXPECT_EQ(probe->livesArea->accessibleName(), QStringLiteral("Lives: 3"));
    Board& board = *probe->board;
    board.Fill(0);
    board.Cell(0, 0)->Set("QU", 9);
    board.Cell(0, 2)->Set("E", 1);
    board.Cell(1, 1)->Set("T", 2);
    game.SelectChain({{0, 0}, {1, 1}});
    probe->FormPaint();
    EXPECT_EQ(Said(probe), QStringLiteral("Q U T")) << "letters that are no word yet are spelled, once";

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(probe->boardView);
    ASSERT_TRUE(table != nullptr && table->tableInterface() != nullptr);
    EXPECT_EQ(std::pair(table->role(), table->text(QAccessible::Name)),
              std::pair(QAccessible::Table, QString("Board")));
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_EQ(std::pair(cells->rowCount(), cells->columnCount()), std::pair(12, 9));
    for (const auto& [row, column, name] : {std::tuple(11, 0, "Q U, 9 points, in the chain"),
                                            {11, 1, "E, 1 point"},
                                            {10, 0, "T, 2 points, in the chain"},
                                            {11, 2, "empty"},
                                            {0, 8, "empty"}}) {
        QAccessibleInterface* node = cells->cellAt(row, column);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8(name)) << row << "," << column;
        EXPECT_EQ(table->indexOfChild(node), row * 9 + column);
        EXPECT_EQ(node->state().selected, QByteArray(name).endsWith("chain"));
    }
    EXPECT_EQ(cells->selectedCellCount(), 2);
    const QRect first = cells->cellAt(11, 0)->rect();
    EXPECT_EQ(table->childAt(first.center().x(), first.center().y()), cells->cellAt(11, 0)) << "found by pointer";

    probe->ClearWord();
    game.PlaceAndSelectWord({"C", "A", "T"});
    const std::uint32_t value = probe->board->SelectionValue();
    EXPECT_EQ(Said(probe), QStringLiteral("cat, %1 points").arg(value));
    probe->EnterWord();
    EXPECT_EQ(Said(probe), QStringLiteral("cat scores %1, score %1").arg(value));
    EXPECT_EQ(probe->valueLabel->accessibleName(), QStringLiteral("Score: %1").arg(value));
    board.Fill(12);  // full: the next arrival ends the round
    probe->EvolveTimerTick();
    EXPECT_EQ(Said(probe), QStringLiteral("Round over: a life lost, 2 left"));
}

TEST(Accessibility, CursorKeysPickTilesWhileLettersEnterEscAndClicksKeepTheirMeaning)
{
    GameFixture game;
    GlimmerFormProbe& probe = *game.probe;
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
    ASSERT_NE(view->CursorCell(), nullptr);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Left);
    EXPECT_EQ(view->CursorCell(), probe->board->Cell(0, 2));
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    key(Qt::Key_6, Qt::KeypadModifier);
    key(Qt::Key_Insert);
    EXPECT_EQ(probe->wordInProgress->text(), QStringLiteral("CA")) << "Space and Insert pick the cursor's tile";
    // The ring: dark inside light, on the cell's edge.
    const QImage shot = probe->form.grab().toImage();
    const QRect ring = view->CellRect(*view->CursorCell()).translated(view->pos());
    const int width = std::max(2, ring.width() / 14);
    EXPECT_LT(shot.pixelColor(ring.center().x(), ring.top() + width * 3 / 2).value(), 60);
    EXPECT_GT(shot.pixelColor(ring.center().x(), ring.top() + width / 2).lightness(), 200);

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

TEST(Accessibility, DialogsNameTheirControlsCloseWithEscAndGiveTheBoardTheKeysBack)
{
    GameFixture game;
    GlimmerFormProbe& probe = *game.probe;
    EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(&probe->form)), QStringList());
    ASSERT_TRUE(StartPlay(probe));
    EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(&probe->form)), QStringList());

    const auto check = [&](const char* what, const std::function<void()>& open) {
        bool asked = false;
        AnswerNextModal([&](QWidget* dialog) {
            asked = true;
            EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(dialog)), QStringList()) << what;
            QTest::keyClick(dialog, Qt::Key_Escape);
            if (dialog->isVisible()) {
                ADD_FAILURE() << what << " stays open on Esc";
                FinishDialog(dialog, false);
            }
        });
        open();
        EXPECT_TRUE(asked) << what;
    };
    check("Options", [&] { probe->OptionsClick(); });
    QApplication::processEvents();
    EXPECT_TRUE(probe->IsPlaying());
    EXPECT_EQ(QApplication::focusWidget(), probe->boardView)
        << "play goes on from the keyboard, not from " << QApplication::focusWidget()->objectName().toStdString();

    probe->EndGame(true);
    check("the high scores", [&] { probe->ScoresButtonClick(); });
    check("About", [&] { probe->aboutButtonClick(); });
    check("Statistics", [&] { NewGameForm->statistics->Execute(QStringLiteral("TestWords"), GameKind::Standard); });
    check("the Hall of Fame", [&] { THallOfFame(&probe->form).Execute(); });
    check("Sounds", [&] { TSoundsForm(&probe->form).Execute(); });
}
