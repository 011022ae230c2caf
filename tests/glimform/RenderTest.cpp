// SPDX-License-Identifier: GPL-3.0-or-later
// The board's picture checked against what the rules say it shows: layout, frame, faces, the
// chain, the lives, an entered word's rising value; and repaints of changed cells against a full
// paint. Letters and values are left to the approved pictures.
#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "dialogs/newgame.h"
#include "glimform/LivesArea.h"
#include "glimform/ScoreRise.h"

#include <array>
#include <cmath>

namespace {

const QColor boardGreen(86, 156, 86), frameShadow(115, 151, 189), frameLight(217, 253, 255);
const QColor chainRed(255, 64, 64), windowColour(166, 202, 240);

bool Near(QColor a, QColor b, int tolerance)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())}) <=
           tolerance;
}

// An empty board at the design size, the game held.
class Render : public ::testing::Test {
protected:
    Render()
    {
        probe->StartGame(false);
        probe->SuspendPlay(false);
        probe->board->Fill(0);
        probe->FormPaint();
    }
    QColor At(BoardPoint point) const { return probe->boardImage.pixelColor(probe->BoardToClient(point)); }
    QColor CentreOf(int row, int column, int dx = 0, int dy = 0) const
    {
        const BoardPoint centre = probe->board->Cell(row, column)->Centre();
        return At({centre.x + dx, centre.y + dy});
    }
    QRect ClientRect(int row, int column) const
    {
        const BoardRect r = probe->board->Cell(row, column)->Rect();
        return {probe->BoardToClient({r.left, r.top}), QSize(r.right - r.left, r.bottom - r.top)};
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
    GlimmerFormProbe& probe = *game.probe;
};

}  // namespace

// Tiles of 34 pixels, rows 29 apart; the board spans 323 by 353 from (33, 49) to (355, 401)
// inclusive, in a sunken frame (shadow above and left) inside a raised one. The score shows on
// the colour of a tip.
TEST_F(Render, TheDesignSizeGivesTheDesignedLayoutFrameAndFaceColours)
{
    ASSERT_EQ(form->size(), QSize(576, 420));
    EXPECT_LE((form->geometry().center() - form->screen()->availableGeometry().center()).manhattanLength(), 4)
        << "first shown mid-screen";
    EXPECT_EQ(ClientRect(0, 0), QRect(33, 368, 34, 34));
    EXPECT_EQ(ClientRect(1, 1).topLeft(), QPoint(50, 339));
    const std::tuple<int, int, QColor> pixels[] = {
        {34, 50, boardGreen},    {355, 401, boardGreen},  {200, 48, frameShadow}, {32, 200, frameShadow},
        {200, 402, frameLight},  {356, 200, frameLight},  {200, 45, frameLight},  {29, 200, frameLight},
        {200, 405, frameShadow}, {359, 200, frameShadow}, {200, 42, windowColour}};
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(probe->boardImage.pixelColor(x, y), colour) << x << ", " << y;
    const QPoint inScoreBox = probe->valueLabel->mapTo(form, QPoint(probe->valueLabel->width() - 5, 5));
    EXPECT_EQ(form->grab().toImage().pixelColor(inScoreBox), form->palette().color(QPalette::ToolTipBase));
    // A face's colour follows its value.
    probe->board->Cell(0, 0)->Set("I", 2);
    probe->board->Cell(0, 4)->Set("I", 9);
    probe->FormPaint();
    EXPECT_EQ(std::tuple(CentreOf(0, 0, -9, -3), CentreOf(0, 4, -9, -3), CentreOf(0, 2)),
              std::tuple(QColor(255, 255, 223), QColor(255, 255, 0), boardGreen));

    // A narrow, tall window: the tiles shrink to the width left of the right-hand column, and the
    // buttons keep to the right edge, Enter to the bottom.
    auto* exit = form->findChild<QPushButton*>(QStringLiteral("ExitButton"));
    auto* pause = probe->pauseButton;
    const QWidget* enter = form->findChild<QPushButton*>(QStringLiteral("enterButton"));
    const auto gaps = [&] {
        return std::tuple(exit->parentWidget()->width() - exit->geometry().right(),
                          pause->parentWidget()->width() - pause->geometry().right(),
                          form->height() - enter->geometry().bottom());
    };
    const auto designed = gaps();
    form->resize(440, 700);
    probe->FormPaint();
    EXPECT_TRUE(LooksAsApproved(form, QStringLiteral("narrow-window")));
    EXPECT_LE(probe->BoardToClient({probe->board->Cell(1, 17)->Rect().right, 0}).x(), probe->wordInProgress->x());
    EXPECT_EQ(gaps(), designed);
}

// The chain is a red line through its tiles' centres and nothing else is red; a one-tile chain
// is a dot.
TEST_F(Render, TheChainIsRedBetweenItsTilesAndNowhereElse)
{
    for (int column = 0; column < 18; column += 2)
        probe->board->Cell(0, column)->Set("I", 2), probe->board->Cell(1, column + 1)->Set("I", 2);
    game.SelectChain({{0, 4}, {0, 6}});
    probe->FormPaint();
    const BoardPoint a = probe->board->Cell(0, 4)->Centre(), b = probe->board->Cell(0, 6)->Centre();
    EXPECT_TRUE(At({(a.x + b.x) / 2, a.y}) == chainRed && At({(a.x + b.x) / 2, a.y + 5}) == chainRed);
    EXPECT_TRUE(LooksAsApproved(form, QStringLiteral("two-tile-chain")));  // nothing else red

    probe->ClearWord();
    game.SelectChain({{0, 4}});
    probe->FormPaint();
    EXPECT_TRUE(LooksAsApproved(form, QStringLiteral("one-tile-chain")));  // a red dot
}

// Each cell repainted alone must give the pixels a full paint gives, also where the tiles of
// the row above reach into it with their values.
TEST_F(Render, ChangedCellRepaintsMatchAFullPaint)
{
    SeedGameRandom(7);
    probe->board->Fill(6);
    probe->FormPaint();
    for (int tick = 0; tick < 40; ++tick) {
        probe->EvolveTimerTick();
        probe->TumbleTimerTick();
        if (tick == 10)
            game.SelectChain({{1, 1}, {1, 3}, {1, 5}, {1, 7}});
        if (tick == 20) {
            std::vector<Chip*> changed;
            probe->board->RemoveSelected(changed);
            probe->PaintTiles(changed);
            game.SelectChain({{0, 2}, {1, 3}, {0, 4}});
        }
    }
    ASSERT_EQ(probe->board->Selection().size(), 3u);
    const QImage repainted = probe->boardImage.copy();
    probe->FormPaint();
    EXPECT_TRUE(repainted == probe->boardImage);
    // In both colourings, whose chain and rings reach into neighbouring cells differently.
    for (const bool colourBlind : {false, true}) {
        NewGameForm->Options().SetColourBlindColours(colourBlind);
        probe->FormPaint();
        const QImage whole = probe->boardImage.copy();
        EXPECT_TRUE(
            LooksAsApproved(form, colourBlind ? QStringLiteral("colour-blind-chain") : QStringLiteral("chain")));
        for (Chip* chip : game.OccupiedCells()) {
            probe->PaintTiles({chip});
            ASSERT_TRUE(whole == probe->boardImage) << "cell " << chip->Row() << ", " << chip->Column();
        }
    }
}

// As the approved pictures show: one face per life, 24 pixels while they fit, orange with a frown
// for the last life, amber with a straight mouth for two, yellow and smiling for more.
TEST_F(Render, TheLivesShowTheirCountAndMood)
{
    for (const std::uint32_t lives : {1u, 2u, 3u, 12u, 0u}) {
        probe->SetLives(lives);
        EXPECT_TRUE(LooksAsApproved(probe->livesArea, QStringLiteral("lives-%1").arg(lives)));
    }
}

// An entered word's value rises from where the word was and fades: each frame repaints only the
// cells under its text before and after the move, never the whole board, and the text shows
// there; when it is over, the board is exactly what a full paint draws. CARTS (48) is worth just
// enough for the larger type of a high word.
TEST_F(Render, AnEnteredWordsValueRisesOverOnlyTheCellsItCrosses)
{
    SeedGameRandom(3);
    probe->board->Fill(3);
    game.PlaceAndSelectWord({"C", "A", "R", "T", "S"});
    probe->FormPaint();
    probe->EnterWord();
    const QTimer* rise = form->findChild<QTimer*>(QStringLiteral("riseTimer"));
    EXPECT_TRUE(rise->isActive()) << "the value rises by itself";
    const int tileWidth = ClientRect(0, 0).width();
    for (int frame = 0; frame < ScoreRise::frames; ++frame) {
        SCOPED_TRACE(frame);
        const QImage before = probe->boardImage.copy();
        probe->pendingTiles = QRegion();
        probe->RiseTimerTick();
        const QRegion repainted = probe->pendingTiles;
        ASSERT_TRUE(!repainted.isEmpty() && repainted.boundingRect().width() <= 3 * tileWidth);
        EXPECT_EQ(rise->isActive(), frame + 1 < ScoreRise::frames) << "it stops after the last frame";
        int outside = 0, text = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x) {
                const bool changed = before.pixel(x, y) != probe->boardImage.pixel(x, y);
                outside += changed && !repainted.contains(QPoint(x, y));
                text += Near(probe->boardImage.pixelColor(x, y), ScoreRise::textColour, 40);
            }
        EXPECT_EQ(outside, 0);
        // Until it has faded much.
        EXPECT_TRUE(frame >= ScoreRise::frames / 3 || text > 20) << "the value shows";
        EXPECT_TRUE(frame != 4 || LooksAsApproved(form, QStringLiteral("rising-value")));
    }
    const QImage last = probe->boardImage.copy();
    probe->FormPaint();
    EXPECT_EQ(last, probe->boardImage) << "nothing of the value is left";
}

namespace {

// Colour-blind vision simulated with the matrices of Machado, Oliveira and Fernandes (2009, full
// severity) on linear RGB.
const struct Vision {
    const char* name;
    std::array<std::array<double, 3>, 3> simulate;
} visions[] = {
    {"normal vision", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
};

// The relative luminance of a colour as that vision sees it.
double Luminance(QColor colour, const Vision& vision)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double rgb[] = {linear(colour.red()), linear(colour.green()), linear(colour.blue())};
    const auto seen = [&](int i) {
        const auto& row = vision.simulate[i];
        return std::clamp(row[0] * rgb[0] + row[1] * rgb[1] + row[2] * rgb[2], 0.0, 1.0);
    };
    return 0.2126 * seen(0) + 0.7152 * seen(1) + 0.0722 * seen(2);
}

}  // namespace

// The chain runs under its letters: every pixel of a letter's ink borders ink or the face's
// colour, never the line's, in both colourings. The colour-blind chain stands out from the board
// by 3:1 at least for every vision (WCAG 1.4.11), and its faces grow darker with the value in
// the same order for every vision.
TEST_F(Render, TheColourBlindChainStandsOutAndTheLettersOnTheChainStayReadable)
{
    for (const auto& [column, letter] : {std::pair(0, "W"), {2, "M"}, {4, "X"}})
        probe->board->Cell(0, column)->Set(letter, 4);
    for (int c = 0; c < 18; c += 2)
        probe->board->Cell(2, c)->Set("E", static_cast<std::uint32_t>(c / 2 + 1));
    game.SelectChain({{0, 0}, {0, 2}, {0, 4}});
    QColor line;
    for (const bool colourBlind : {false, true}) {
        NewGameForm->Options().SetColourBlindColours(colourBlind);
        probe->FormPaint();
        line = CentreOf(0, 0, 17);
        const QRect cell = ClientRect(0, 2);
        const QImage& image = probe->boardImage;
        int ink = 0;
        for (int y = cell.top() + cell.height() / 4; y <= cell.bottom() - cell.height() / 4; ++y) {
            for (int x = cell.left() + cell.width() / 4; x <= cell.right() - cell.width() / 4; ++x) {
                if (image.pixelColor(x, y).value() > 40)
                    continue;
                ++ink;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    ASSERT_FALSE(Near(image.pixelColor(QPoint(x, y) + step), line, 48))
                        << (colourBlind ? "colour-blind" : "designed") << ": ink at " << x << "," << y
                        << " touches the line";
            }
        }
        EXPECT_GT(ink, 10) << "the letter M is drawn";
    }
    for (const Vision& vision : visions) {
        const double chain = Luminance(line, vision), board = Luminance(CentreOf(11, 1), vision);
        EXPECT_GE((std::max(chain, board) + 0.05) / (std::min(chain, board) + 0.05), 3.0) << vision.name;
        double previous = 2.0;
        for (int c = 0; c < 18; c += 2) {
            const double seen = Luminance(CentreOf(2, c, -10), vision);
            EXPECT_LT(seen, previous - 0.02) << vision.name << ", value " << c / 2 + 1;
            previous = seen;
        }
    }
}
