// The board's picture checked against what the rules say it shows: layout, frame, faces,
// letters, values, the chain, the lives; and repaints of changed cells against a full paint.
#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "glimform/LivesArea.h"
#include "glimform/TileFaces.h"

#include <QFontMetrics>
#include <QImage>
#include <QLineF>

namespace {

const QColor boardGreen(86, 156, 86);
const QColor frameShadow(115, 151, 189);
const QColor frameLight(217, 253, 255);
const QColor chainRed(255, 64, 64);
const QColor windowColour(166, 202, 240);

bool Near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

bool IsChainRed(QColor c) { return c.red() > 200 && c.green() < 120 && c.blue() < 120; }

// The dark pixels of text in the rows from top to bottom of a tile, inside its round outline.
QRect InkBounds(const QImage& image, const QRect& tile, int top, int bottom)
{
    QRect ink;
    const QPointF centre = QRectF(tile).center();
    for (int y = top; y <= bottom; ++y)
        for (int x = tile.left(); x <= tile.right(); ++x)
            if (QLineF(centre, QPointF(x + 0.5, y + 0.5)).length() < tile.width() / 2.0 - 3 &&
                image.pixelColor(x, y).value() < 200)
                ink |= QRect(x, y, 1, 1);
    return ink;
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

    QColor At(BoardPoint point) const { return form->boardImage.pixelColor(form->BoardToClient(point)); }
    QColor CentreOf(int row, int column, int dx = 0, int dy = 0) const
    {
        const BoardPoint centre = form->board->Cell(row, column)->Centre();
        return At({centre.x + dx, centre.y + dy});
    }
    QRect ClientRect(int row, int column) const
    {
        const BoardRect r = form->board->Cell(row, column)->Rect();
        return {form->BoardToClient({r.left, r.top}), QSize(r.right - r.left, r.bottom - r.top)};
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
    for (const auto& p : pixels)
        EXPECT_EQ(form->boardImage.pixelColor(p.x, p.y), p.colour) << p.x << ", " << p.y;
}

TEST_F(Render, FacesTakeTheirValuesColourAndStayInsideTheirCell)
{
    form->board->Cell(0, 0)->Set("I", 2);
    form->board->Cell(0, 4)->Set("I", 9);
    form->FormPaint();
    EXPECT_EQ(CentreOf(0, 0, -9, -3), QColor(255, 255, 223));
    EXPECT_EQ(CentreOf(0, 4, -9, -3), QColor(255, 255, 0));
    EXPECT_EQ(CentreOf(0, 2), boardGreen);
    EXPECT_EQ(QColor::fromRgb(TileFaces::FaceColour(1)), QColor(255, 255, 255));
    EXPECT_EQ(QColor::fromRgb(TileFaces::FaceColour(20)), QColor(255, 255, 0));
    // The round face's outline keeps clear of the cell's edges.
    const QRect cell = ClientRect(0, 4);
    for (QPoint edge : {QPoint(cell.left(), cell.center().y()), QPoint(cell.right(), cell.center().y()),
                        QPoint(cell.center().x(), cell.top()), QPoint(cell.center().x(), cell.bottom())})
        EXPECT_TRUE(Near(form->boardImage.pixelColor(edge), boardGreen, 40)) << edge.x() << ", " << edge.y();
}

// The letter (QU as "Qu") sits in the middle of the face; the value, in a smaller bold type,
// is centred at the face's foot, a margin above its edge.
TEST_F(Render, ATileShowsItsLetterInTheMiddleAndItsValueAtItsFoot)
{
    const struct {
        const char* letter;
        std::uint32_t value;
        QString shown;
    } tiles[] = {{"E", 2, "E"}, {"QU", 5, "Qu"}, {"W", 10, "W"}};
    for (const auto& t : tiles) {
        SCOPED_TRACE(t.letter);
        form->board->Fill(0);
        form->board->Cell(0, 4)->Set(t.letter, t.value);
        form->FormPaint();
        const QRect cell = ClientRect(0, 4);
        const int size = cell.width() + cell.height();
        QFont letterFont(form->tileFontName);
        letterFont.setPixelSize(size / 4);
        QFont valueFont(form->tileFontName);
        valueFont.setPixelSize(size / 8);
        valueFont.setBold(true);
        const QFontMetrics valueMetrics(valueFont);
        const QRect valueBox = valueMetrics.tightBoundingRect(QString::number(t.value));
        const int valueBottom = cell.bottom() - size / 36 - valueMetrics.descent();
        const int valueTop = valueBottom - valueBox.height() + 1;

        const QRect letterInk = InkBounds(form->boardImage, cell, cell.top(), valueTop - 2);
        EXPECT_NEAR(letterInk.width(), QFontMetrics(letterFont).tightBoundingRect(t.shown).width(), 2);
        EXPECT_NEAR(letterInk.center().x(), cell.center().x(), 2);
        if (t.shown.size() == 1) {  // Qu's tail reaches down among the value's digits
            const QRect valueInk = InkBounds(form->boardImage, cell, valueTop - 2, cell.bottom());
            EXPECT_NEAR(valueInk.width(), valueBox.width(), 1);
            EXPECT_NEAR(valueInk.center().x(), cell.center().x(), 1);
            EXPECT_NEAR(valueInk.top(), valueTop, 1);
            EXPECT_NEAR(valueInk.bottom(), valueBottom, 1);
        }
    }
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
    form->FormPaint();
    EXPECT_EQ(At({a.x - 5, a.y}), chainRed) << "a one-tile chain is a dot beside the letter";
    EXPECT_FALSE(IsChainRed(At({(a.x + b.x) / 2, a.y})));

    form->board->Fill(4);
    form->SuspendPlay(true);
    form->FormPaint();
    for (int column = 0; column < 18; column += 2)
        EXPECT_EQ(CentreOf(0, column, -9, -3), boardGreen) << "a paused board shows no tiles";
}

// Each cell repainted alone must give the pixels a full paint gives, also where the tiles of
// the row above reach into it with their values.
TEST_F(Render, ChangedCellRepaintsMatchAFullPaint)
{
    SeedGameRandom(7);
    form->board->Fill(6);
    form->FormPaint();
    for (int tick = 0; tick < 40; ++tick) {
        form->EvolveTimerTick();
        form->TumbleTimerTick();
        if (tick == 10) {
            game.SelectChain({{1, 1}, {1, 3}, {1, 5}, {1, 7}});
        } else if (tick == 20) {
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
    std::vector<Chip*> all = game.OccupiedCells();
    for (Chip* chip : all) {
        form->PaintTiles({chip});
        ASSERT_TRUE(repainted == form->boardImage) << "cell " << chip->Row() << ", " << chip->Column();
    }
}

TEST_F(Render, TheLivesShowTheirCountAndMood)
{
    ASSERT_EQ(form->livesArea->size(), QSize(130, 24));
    const struct {
        std::uint32_t lives;
        int size;
        QColor colour;
    } cases[] = {{1, 24, QColor(255, 128, 0)}, {2, 24, QColor(247, 202, 21)}, {3, 24, QColor(255, 255, 0)},
                 {12, 10, QColor(255, 255, 0)}, {0, 24, QColor()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lives);
        form->SetLives(c.lives);
        const QImage image = form->livesArea->grab().toImage();
        const int middle = (24 - c.size) / 2 + c.size * 45 / 100;
        for (std::uint32_t i = 0; i < c.lives; ++i)
            EXPECT_TRUE(Near(image.pixelColor(static_cast<int>(i) * c.size + c.size / 2, middle), c.colour, 40)) << i;
        const int after = static_cast<int>(c.lives) * c.size + c.size / 2;
        if (after < 130) {
            EXPECT_EQ(image.pixelColor(after, 12), windowColour);
        }
    }
    // Lower middle of the face: a smile's curve and the straight mouth are black there, a frown
    // curves above it.
    const auto mouth = [](std::uint32_t lives, int y) { return LivesFace(lives, 40, 0xF0CAA6).pixelColor(20, y); };
    EXPECT_LT(mouth(3, 30).lightness(), 60);
    EXPECT_GT(mouth(1, 30).lightness(), 100);
    EXPECT_LT(mouth(2, 25).lightness(), 60);
    EXPECT_TRUE(LivesFace(3, 2, 0xF0CAA6).isNull());
}

TEST_F(Render, ATinyWindowLeavesTheBoardUndrawnAndAPaintAsksForNoOtherPaint)
{
    form->setMinimumSize(1, 1);
    form->resize(200, 120);
    form->FormPaint();
    EXPECT_FALSE(form->boardLaidOut);
    form->resize(576, 420);
    form->FormPaint();
    EXPECT_TRUE(form->boardLaidOut);
    EXPECT_EQ(form->boardOriginX, 33);

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    const auto settle = [] {
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
    };
    settle();
    form->installEventFilter(&counter);
    form->update();
    settle();
    form->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, 1);
}
