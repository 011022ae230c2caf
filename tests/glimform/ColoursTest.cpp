// SPDX-License-Identifier: GPL-3.0-or-later
// The board as colour-blind players see it, simulated with the matrices of Machado, Oliveira and
// Fernandes (2009, full severity) on linear RGB; and letters that stay readable under a chain.
#include "GameTestSupport.h"

#include "dialogs/newgame.h"

#include <array>
#include <cmath>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
const struct Vision {
    const char* name;
    Matrix simulate;
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
    const std::array<double, 3> rgb{linear(colour.red()), linear(colour.green()), linear(colour.blue())};
    std::array<double, 3> seen{};
    for (int i = 0; i < 3; ++i)
        seen[i] = std::clamp(
            vision.simulate[i][0] * rgb[0] + vision.simulate[i][1] * rgb[1] + vision.simulate[i][2] * rgb[2], 0.0, 1.0);
    return 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
}

double Contrast(QColor a, QColor b, const Vision& vision)
{
    const double la = Luminance(a, vision), lb = Luminance(b, vision);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A game held on an empty board, in the designed colours or the colour-blind ones.
struct Board_ {
    explicit Board_(bool colourBlind)
    {
        NewGameForm->Options().SetColourBlindColours(colourBlind);
        probe->StartGame(false);
        probe->SuspendPlay(false);
        probe->board->Fill(0);
    }
    QColor At(BoardPoint point) const { return probe->boardImage.pixelColor(probe->BoardToClient(point)); }
    GameFixture game;
    GlimmerFormProbe& probe = *game.probe;
};

}  // namespace

// Chain against board: 3:1 at least for every vision (WCAG 1.4.11) in the colour-blind colours;
// the designed red on green is far below that for all but normal vision. The tile values' faces
// grow darker in the same order for every vision.
TEST(Colours, TheColourBlindChainStandsOutAndTheFacesStayOrderedForEveryVision)
{
    for (const bool colourBlind : {false, true}) {
        Board_ board(colourBlind);
        for (int c = 0; c < 18; c += 2)
            board.probe->board->Cell(0, c)->Set("E", static_cast<std::uint32_t>(c / 2 + 1));
        board.game.SelectChain({{0, 0}, {0, 2}});
        board.probe->FormPaint();
        const BoardPoint a = board.probe->board->Cell(0, 0)->Centre(), b = board.probe->board->Cell(0, 2)->Centre();
        const QColor chain = board.At({(a.x + b.x) / 2, a.y});
        const QColor green = board.At(board.probe->board->Cell(11, 1)->Centre());  // an empty cell
        for (const Vision& vision : visions) {
            const double contrast = Contrast(chain, green, vision);
            if (colourBlind)
                EXPECT_GE(contrast, 3.0) << vision.name;
            else if (&vision != &visions[0])
                EXPECT_LT(contrast, 2.0) << vision.name << ": the designed chain, kept as designed";
        }
        if (!colourBlind)
            continue;
        // Faces of values 3 to 9, beside their letter, from the picture.
        const Board& tiles = *board.probe->board;
        for (const Vision& vision : visions) {
            double previous = 2.0;
            for (int c = 4; c < 18; c += 2) {
                const BoardPoint centre = tiles.Cell(0, c)->Centre();
                const BoardRect rect = tiles.Cell(0, c)->Rect();
                const double seen =
                    Luminance(board.At({centre.x - (rect.right - rect.left) * 5 / 16, centre.y}), vision);
                EXPECT_LT(seen, previous - 0.02) << vision.name << ", value " << c / 2 + 1;
                previous = seen;
            }
        }
    }
}

// The chain runs under its letters: every pixel of a letter's ink borders ink or the face's
// colour, never the line's.
TEST(Colours, TheLettersOnTheChainStayReadableInBothColourings)
{
    for (const bool colourBlind : {false, true}) {
        Board_ board(colourBlind);
        for (const char* letter : {"W", "M", "X"})
            board.probe->board->Cell(0, 2 * static_cast<int>(std::string_view("WMX").find(*letter)))->Set(letter, 4);
        board.game.SelectChain({{0, 0}, {0, 2}, {0, 4}});
        board.probe->FormPaint();
        const QColor line = colourBlind ? QColor(0, 0, 90) : QColor(255, 64, 64);
        const Chip* middle = board.probe->board->Cell(0, 2);
        const QPoint centre = board.probe->BoardToClient(middle->Centre());
        const int half = (middle->Rect().right - middle->Rect().left) / 4;
        const QImage& image = board.probe->boardImage;
        int ink = 0;
        for (int y = centre.y() - half; y <= centre.y() + half; ++y) {
            for (int x = centre.x() - half; x <= centre.x() + half; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (std::max({pixel.red(), pixel.green(), pixel.blue()}) > 40)
                    continue;
                ++ink;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QColor next = image.pixelColor(QPoint(x, y) + step);
                    const int distance =
                        std::max({std::abs(next.red() - line.red()), std::abs(next.green() - line.green()),
                                  std::abs(next.blue() - line.blue())});
                    ASSERT_GT(distance, 48) << (colourBlind ? "colour-blind" : "designed") << ": ink at " << x << ","
                                            << y << " touches the line";
                }
            }
        }
        EXPECT_GT(ink, 10) << "the letter M is drawn";
    }
}
