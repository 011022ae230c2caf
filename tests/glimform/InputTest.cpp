#include "GameTestSupport.h"

#include "glimform/glimform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Input : public ::testing::Test {
protected:
    Input()
    {
        form = game.form;
        form->StartGame(false);
        form->SuspendPlay(false);
        form->board->Fill(0);
        // C A R T S along the bottom row, and a lone tile far to the right.
        const char* letters[] = {"C", "A", "R", "T", "S"};
        for (int i = 0; i < 5; ++i) {
            form->board->Cell(0, 2 * i)->Set(letters[i], 2);
        }
        form->board->Cell(0, 14)->Set("E", 2);
        form->FormPaint();
    }

    QPoint Client(int row, int column, int dx = 0) const
    {
        const BoardPoint centre = form->board->Cell(row, column)->Centre();
        return form->BoardToClient({centre.x + dx, centre.y});
    }

    // Sends a mouse event as the window system would, so the window's own routing is exercised.
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), form->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(form, &event);
    }
    void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void DragTo(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void DoubleClick(QPoint at)
    {
        Press(at);
        Release(at);
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        Release(at);
    }

    std::vector<Chip*> Chain() const { return form->board->Selection(); }
    Chip* Cell(int row, int column) const { return form->board->Cell(row, column); }

    GameFixture game;
    TGlimmerForm* form = nullptr;
};

}  // namespace

TEST_F(Input, DraggingSelectsInOrderAndMovingBackShortensTheChain)
{
    Press(Client(0, 0));
    DragTo(Client(0, 2));
    DragTo(Client(0, 4));
    DragTo(Client(0, 6));
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0, 0), Cell(0, 2), Cell(0, 4), Cell(0, 6)}));
    DragTo(Client(0, 4));
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0, 0), Cell(0, 2), Cell(0, 4)}));
    Release(Client(0, 4));
    EXPECT_EQ(form->dragTile, nullptr);
    EXPECT_EQ(form->wordInProgress->text(), QStringLiteral("CAR"));
}

TEST_F(Input, ADragOntoATileAwayFromTheChainIsIgnoredAndTheDragCanGoOn)
{
    Press(Client(0, 0));
    DragTo(Client(0, 2));
    DragTo(Client(0, 14));
    EXPECT_EQ(Chain().size(), 2u);
    EXPECT_EQ(form->dragTile, Cell(0, 2));
    DragTo(Client(0, 4));
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0, 0), Cell(0, 2), Cell(0, 4)}));
}

TEST_F(Input, BrushingTheRimBetweenTwoTilesDoesNotPickUpTheNext)
{
    // Tiles of 34 pixels: the pointer must be 2 pixels inside the next tile's circle.
    Press(Client(0, 0));
    DragTo(Client(0, 2, -16));  // 1 pixel inside
    EXPECT_EQ(Chain().size(), 1u);
    DragTo(Client(0, 2, -15));  // 2 pixels inside
    EXPECT_EQ(Chain().size(), 2u);
}

TEST_F(Input, MovesWithoutTheButtonHeldEndTheDrag)
{
    Press(Client(0, 0));
    form->FormMouseMove(Qt::NoButton, Qt::NoModifier, Client(0, 2).x(), Client(0, 2).y());
    EXPECT_EQ(form->dragTile, nullptr);
    EXPECT_EQ(Chain().size(), 1u);
}

TEST_F(Input, ADoubleClickSubmitsAWordAndOnANonWordRemovesTheTile)
{
    // The double click's first press adds the tile; its second press comes after the double
    // click handler.
    Press(Client(0, 0));
    DragTo(Client(0, 2));
    Release(Client(0, 2));
    DoubleClick(Client(0, 4));  // "car" is no word: the second press cuts R off again
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0, 0), Cell(0, 2)}));
    EXPECT_EQ(form->score, 0u);

    for (int column : {4, 6}) {
        Press(Client(0, column));
        Release(Client(0, column));
    }
    DoubleClick(Client(0, 8));  // "carts"
    EXPECT_EQ(form->score, 32u);
    EXPECT_TRUE(Chain().empty());
    EXPECT_FALSE(Cell(0, 0)->IsOccupied());
}

TEST_F(Input, KeysSubmitAndClearOnlyWhenTheirButtonWould)
{
    QTest::keyClick(form, Qt::Key_Escape);  // nothing selected
    EXPECT_TRUE(Chain().empty());
    EXPECT_TRUE(form->wordInProgress->text().isEmpty());

    game.SelectChain({{0, 0}, {0, 2}});
    QTest::keyClick(form, Qt::Key_Space);  // "ca" is no word
    EXPECT_EQ(Chain().size(), 2u);
    EXPECT_EQ(form->score, 0u);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete}) {
        game.SelectChain({{0, 0}, {0, 2}});
        QTest::keyClick(form, key);
        EXPECT_TRUE(Chain().empty()) << key;
    }

    game.SelectChain({{0, 0}, {0, 2}, {0, 4}, {0, 6}, {0, 8}});
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_EQ(form->score, 32u);
}

TEST_F(Input, DuringTheRoundEndClearingInputIsIgnored)
{
    form->clearCountdown = 5;
    Press(Client(0, 0));
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_TRUE(Chain().empty());
    form->clearCountdown = 0;
}

TEST(InputBetweenGames, AClickOnTheEmptyWindowStartsAGameButNotOneOnAPanel)
{
    GameFixture game;
    TGlimmerForm* form = game.form;
    const QPoint panelSpace = form->PreplayPanel->geometry().topLeft() + QPoint(1, 1);
    ASSERT_EQ(form->childAt(panelSpace), form->PreplayPanel);
    QTest::mouseClick(form, Qt::LeftButton, Qt::NoModifier, panelSpace);
    EXPECT_FALSE(form->IsPlayPanelShown());
    QTest::mouseClick(form, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_FALSE(form->IsPlayPanelShown());
    QTest::mouseClick(form, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_TRUE(form->IsPlayPanelShown());
    EXPECT_EQ(form->lives, 3u);
    form->SuspendPlay(false);
}
