#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "glimform/LivesArea.h"
#include "glimform/TileFaces.h"
#include "glimform/glimform.h"

#include <QCoreApplication>
#include <QImage>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QColor boardGreen(86, 156, 86);
const QColor frameShadow(115, 151, 189);
const QColor frameLight(217, 253, 255);
const QColor chainRed(255, 64, 64);
const QColor windowColour(166, 202, 240);

bool Near(QColor a, QColor b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

bool IsChainRed(QColor c)
{
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}

class Render : public ::testing::Test {
protected:
    Render()
    {
        form->StartGame(false);
        form->SuspendPlay(false);
        form->board->Fill(0);
        form->FormPaint();
    }

    // A board point's colour in the window's picture.
    QColor At(BoardPoint point) const { return form->boardImage.pixelColor(form->BoardToClient(point)); }
    QColor CentreOf(int row, int column, int dx = 0, int dy = 0) const
    {
        const BoardPoint centre = form->board->Cell(row, column)->Centre();
        return At({centre.x + dx, centre.y + dy});
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
};

}  // namespace

TEST_F(Render, TheDesignSizeGivesTheDesignedLayoutBackgroundAndFrame)
{
    ASSERT_EQ(form->size(), QSize(576, 420));
    const BoardRect first = form->board->Cell(0, 0)->Rect();
    EXPECT_EQ(first.right - first.left, 34);
    EXPECT_EQ(first.bottom - first.top, 34);
    EXPECT_EQ(form->board->Cell(0, 0)->Rect().top - form->board->Cell(1, 1)->Rect().top, 29);
    EXPECT_EQ(form->boardOriginX, 33);
    EXPECT_EQ(form->boardOriginY, 18);

    // The board spans 323 by 353 from (33, 49) to (355, 401) inclusive, in a sunken frame (shadow
    // above and left) inside a raised one.
    const struct {
        int x, y;
        QColor colour;
    } pixels[] = {{34, 50, boardGreen},   {355, 401, boardGreen}, {200, 48, frameShadow}, {32, 200, frameShadow},
                  {200, 402, frameLight}, {356, 200, frameLight}, {200, 45, frameLight},  {29, 200, frameLight},
                  {200, 405, frameShadow}, {359, 200, frameShadow}, {200, 42, windowColour}};
    for (const auto& p : pixels) {
        EXPECT_EQ(form->boardImage.pixelColor(p.x, p.y), p.colour) << p.x << ", " << p.y;
    }
}

TEST_F(Render, FaceColoursFollowTheTileValue)
{
    form->board->Cell(0, 0)->Set("I", 2);
    form->board->Cell(0, 4)->Set("I", 9);
    form->FormPaint();
    EXPECT_TRUE(Near(CentreOf(0, 0, -9, -3), QColor(255, 255, 223), 0));
    EXPECT_TRUE(Near(CentreOf(0, 4, -9, -3), QColor(255, 255, 0), 0));
    EXPECT_EQ(CentreOf(0, 2), boardGreen);
    EXPECT_EQ(QColor::fromRgb(TileFaces::FaceColour(1)), QColor(255, 255, 255));
    EXPECT_EQ(QColor::fromRgb(TileFaces::FaceColour(20)), QColor(255, 255, 0));
}

TEST_F(Render, TheChainIsRedBetweenItsTilesAndNowhereElse)
{
    for (int column = 0; column < 18; column += 2) {
        form->board->Cell(0, column)->Set("I", 2);
        form->board->Cell(1, column + 1)->Set("I", 2);
    }
    game.SelectChain({{0, 4}, {0, 6}});
    form->FormPaint();
    const BoardPoint a = form->board->Cell(0, 4)->Centre();
    const BoardPoint b = form->board->Cell(0, 6)->Centre();
    EXPECT_EQ(At({(a.x + b.x) / 2, a.y}), chainRed);
    EXPECT_EQ(At({(a.x + b.x) / 2, a.y + 5}), chainRed);
    // The line is (34 + 34 + 2) / 4 = 17 wide; nothing red lies beyond it and its round caps.
    int strayRed = 0;
    const QImage& image = form->boardImage;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const BoardPoint p = form->ClientToBoard({x, y});
            const bool inLine = p.x >= a.x - 9 && p.x <= b.x + 9 && p.y >= a.y - 9 && p.y <= a.y + 9;
            strayRed += !inLine && IsChainRed(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    EXPECT_EQ(strayRed, 0);

    form->ClearWord();
    game.SelectChain({{0, 4}});
    ASSERT_EQ(form->board->Selection().size(), 1u);
    form->FormPaint();
    EXPECT_EQ(At({a.x - 5, a.y}), chainRed);  // a one-tile chain is a dot beside the letter
    EXPECT_FALSE(IsChainRed(At({(a.x + b.x) / 2, a.y})));
}

TEST_F(Render, APausedBoardShowsNoTiles)
{
    form->board->Fill(4);
    form->SuspendPlay(true);
    form->FormPaint();
    for (int column = 0; column < 18; column += 2) {
        EXPECT_EQ(CentreOf(0, column, -9, -3), boardGreen) << column;
    }
    EXPECT_EQ(form->boardImage.pixelColor(32, 200), frameShadow);
}

TEST_F(Render, TheLivesShowTheirCountAndMood)
{
    ASSERT_EQ(form->livesArea->size(), QSize(130, 24));
    struct Case {
        std::uint32_t lives;
        int size;
        QColor colour;
    };
    for (const Case& c : {Case{1, 24, QColor(255, 128, 0)}, Case{2, 24, QColor(247, 202, 21)},
                          Case{3, 24, QColor(255, 255, 0)}, Case{12, 10, QColor(255, 255, 0)}}) {
        form->SetLives(c.lives);
        const QImage image = form->livesArea->grab().toImage();
        const int middle = (24 - c.size) / 2 + c.size * 45 / 100;
        for (std::uint32_t i = 0; i < c.lives; ++i) {
            const int x = static_cast<int>(i) * c.size + c.size / 2;
            EXPECT_TRUE(Near(image.pixelColor(x, middle), c.colour, 40)) << c.lives << " lives, face " << i;
        }
        const int after = static_cast<int>(c.lives) * c.size + c.size / 2;
        if (after < 130) {
            EXPECT_EQ(image.pixelColor(after, 12), windowColour) << c.lives;
        }
    }
    form->SetLives(0);
    const QImage none = form->livesArea->grab().toImage();
    EXPECT_EQ(none.pixelColor(12, 12), windowColour);
}

TEST_F(Render, TheMoodsDifferInTheMouth)
{
    // Lower middle of the face: a smile's curve and the straight mouth are black there, a frown
    // curves above it.
    const auto mouth = [](std::uint32_t lives) { return LivesFace(lives, 40, 0xF0CAA6).pixelColor(20, 30); };
    EXPECT_LT(mouth(3).lightness(), 60);
    EXPECT_GT(mouth(1).lightness(), 100);
    const QImage straight = LivesFace(2, 40, 0xF0CAA6);
    EXPECT_LT(straight.pixelColor(20, 25).lightness(), 60);
    EXPECT_TRUE(LivesFace(3, 2, 0xF0CAA6).isNull());
}

TEST_F(Render, ChangedCellRepaintsMatchAFreshRenderingPixelForPixel)
{
    SeedGameRandom(7);
    form->board->Fill(6);
    form->FormPaint();
    for (int tick = 0; tick < 40; ++tick) {
        form->EvolveTimerTick();
        form->TumbleTimerTick();
        if (tick == 10) {
            std::vector<std::pair<int, int>> chain;
            for (int column = 1; column < 8; column += 2) {
                chain.emplace_back(1, column);
            }
            game.SelectChain(chain);
        }
        if (tick == 20) {
            std::vector<Chip*> changed;
            form->board->RemoveSelected(changed);
            form->PaintTiles(changed);
            game.SelectChain({{0, 2}, {1, 3}, {0, 4}});
        }
    }
    ASSERT_EQ(form->board->Selection().size(), 3u);
    const QImage repainted = form->boardImage.copy();
    form->FormPaint();
    EXPECT_TRUE(repainted == form->boardImage);
}

TEST_F(Render, ATinyWindowLeavesTheBoardUndrawnAndTheNextPaintRecovers)
{
    form->setMinimumSize(1, 1);
    form->resize(200, 120);
    form->FormPaint();
    EXPECT_FALSE(form->boardLaidOut);
    form->resize(576, 420);
    form->FormPaint();
    EXPECT_TRUE(form->boardLaidOut);
    EXPECT_EQ(form->boardOriginX, 33);
}

TEST_F(Render, APaintOfTheWindowDoesNotAskForAnotherPaint)
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    const auto settle = [] {
        for (int round = 0; round < 5; ++round) {
            QCoreApplication::processEvents();
        }
    };
    settle();
    form->installEventFilter(&counter);
    form->update();
    settle();
    form->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, 1);
}
