#include "GameTestSupport.h"

#include "glimform/glimform.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

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
        for (int i = 0; i < 5; ++i) {
            form->board->Cell(0, 2 * i)->Set(letters[i], 2);
        }
        form->board->Cell(0, 14)->Set("E", 2);
        form->FormPaint();
    }

    QPoint At(int column, int dx = 0) const { return game.Centre(Cell(column), dx); }
    Chip* Cell(int column) const { return form->board->Cell(0, column); }
    std::vector<Chip*> Chain() const { return form->board->Selection(); }

    GameFixture game;
    TGlimmerForm* form = game.form;
};

}  // namespace

TEST_F(Input, DraggingSelectsInOrderAndMovingBackShortensTheChain)
{
    game.Press(At(0));
    for (int column : {2, 4, 6}) {
        game.DragTo(At(column));
    }
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0), Cell(2), Cell(4), Cell(6)}));
    game.DragTo(At(4));
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0), Cell(2), Cell(4)}));
    game.Release(At(4));
    EXPECT_EQ(form->dragTile, nullptr);
    EXPECT_EQ(form->wordInProgress->text(), QStringLiteral("CAR"));
}

TEST_F(Input, ADragOntoATileAwayFromTheChainIsIgnoredAndTheDragCanGoOn)
{
    game.Press(At(0));
    game.DragTo(At(2));
    game.DragTo(At(14));
    EXPECT_EQ(Chain().size(), 2u);
    EXPECT_EQ(form->dragTile, Cell(2));
    game.DragTo(At(4));
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0), Cell(2), Cell(4)}));
}

TEST_F(Input, BrushingTheRimBetweenTwoTilesDoesNotPickUpTheNext)
{
    // Tiles of 34 pixels: the pointer must be 2 pixels inside the next tile's circle.
    game.Press(At(0));
    game.DragTo(At(2, -16));
    EXPECT_EQ(Chain().size(), 1u);
    game.DragTo(At(2, -15));
    EXPECT_EQ(Chain().size(), 2u);
}

TEST_F(Input, MovesWithoutTheButtonHeldEndTheDrag)
{
    game.Press(At(0));
    form->FormMouseMove(Qt::NoButton, Qt::NoModifier, At(2).x(), At(2).y());
    EXPECT_EQ(form->dragTile, nullptr);
    EXPECT_EQ(Chain().size(), 1u);
}

TEST_F(Input, ADoubleClickSubmitsAWordAndOnANonWordRemovesTheTile)
{
    // The double click's first press adds the tile; its second comes after the double click.
    game.Press(At(0));
    game.DragTo(At(2));
    game.Release(At(2));
    game.DoubleClick(At(4));  // "car" is no word: the second press cuts R off again
    EXPECT_EQ(Chain(), (std::vector<Chip*>{Cell(0), Cell(2)}));
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

    // Space, the return key and the keypad's Enter submit; Ctrl with the return key does not.
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool submits;
    } submitKeys[] = {{Qt::Key_Space, Qt::NoModifier, true},
                      {Qt::Key_Return, Qt::NoModifier, true},
                      {Qt::Key_Enter, Qt::KeypadModifier, true},
                      {Qt::Key_Return, Qt::ControlModifier, false}};
    for (const auto& k : submitKeys) {
        form->ClearWord();
        game.PlaceAndSelectWord({"C", "A", "R", "T", "S"});
        const std::uint32_t before = form->score;
        QTest::keyClick(form, k.key, k.modifiers);
        EXPECT_EQ(form->score > before, k.submits) << k.key << " " << k.modifiers.toInt();
    }
}

TEST_F(Input, DuringTheRoundEndClearingInputIsIgnored)
{
    form->clearCountdown = 5;
    game.Press(At(0));
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_TRUE(Chain().empty());
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
        form->resize(size);
        form->FormPaint();
        ASSERT_TRUE(form->boardLaidOut) << size.width();
        const QRect notice = form->dictionaryNoticeLabel->geometry();
        const auto rows = static_cast<std::int32_t>(form->board->Rows());
        const auto columns = static_cast<std::int32_t>(form->board->Columns());
        for (std::int32_t row = 0; row < rows; ++row) {
            for (std::int32_t column = 0; column < columns; ++column) {
                const BoardRect cell = form->board->Cell(row, column)->Rect();
                const QRect client(form->BoardToClient({cell.left, cell.top}),
                                   QSize(cell.right - cell.left, cell.bottom - cell.top));
                EXPECT_FALSE(notice.intersects(client)) << size.width() << ": " << row << ", " << column;
            }
        }
        // A bottom-row tile, at the design size once under the notice, takes the press.
        form->ClearWord();
        Chip* tile = form->board->Cell(0, 8);
        game.Press(game.Centre(tile));
        game.Release(game.Centre(tile));
        EXPECT_EQ(form->board->Selection(), std::vector<Chip*>{tile}) << size.width();
    }
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
