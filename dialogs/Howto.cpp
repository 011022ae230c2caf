// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Howto.h"

#include "board/GameRandom.h"
#include "board/PickLetter.h"
#include "dialogs/help.h"
#include "glimform/BoardPainter.h"
#include "platform/HelpContext.h"
#include "settings/FitCaptions.h"
#include "settings/Persist.h"
#include "settings/PlayerOptions.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <array>
#include <string_view>

LazyWindow<THowToPlay> HowToPlay;

namespace {

constexpr int exampleRows = 5;
constexpr int exampleTiles = 4;
constexpr int exampleColumns = exampleTiles * 2;
// Rows 0 (bottom) to 4; capitals are the tiles of the example word.
constexpr std::array<std::string_view, exampleRows> exampleGrid = {"kaft", "GLpo", "ueIM", "snSP", "bwEa"};
constexpr std::string_view exampleWord = "GLIMPSE";

int RowPitch(int width)
{
    return width * 866 / 1000;
}

int ExampleHeight(int width)
{
    return (exampleRows - 1) * RowPitch(width) + width;
}

QFont ArialFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QLabel* RuleLabel(int number, const QString& text, QRect rect, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("rule%1").arg(number));
    label->setGeometry(rect);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(ArialFont(15));
    return label;
}

}  // namespace

void ExampleBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    emit painting(painter);
}

THowToPlay::THowToPlay(PlayerOptions& options, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      options(options),
      // The example's letters are fixed: nothing is ever drawn from its generator.
      exampleRandom(std::make_unique<GameRandom>()),
      example(std::make_unique<Board>(exampleRows, exampleTiles, *exampleRandom)),
      painter(std::make_unique<BoardPainter>(palette().color(QPalette::Active, QPalette::WindowText)))
{
    setObjectName(QStringLiteral("HowToPlay"));
    setWindowTitle(tr("How To Play"));
    setModal(false);
    setFont(ArialFont(13));
    setFixedSize(448, 340);
    SetWindowHelpContext(this, 120);

    // The design's positions are used as they are, in logical pixels.
    auto* panel = new QFrame(this);
    panel->setGeometry(8, 8, 432, 290);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    RuleLabel(1,
              tr("1. Make long words from adjacent tiles: click on them, drag over them or type their "
                 "letters. The selected word is highlighted in red."),
              QRect(200, 8, 228, 73), panel);
    RuleLabel(2, tr("2. Click on the Enter button, or press the space bar or return key to submit a word."),
              QRect(200, 81, 228, 57), panel);
    RuleLabel(3, tr("3. Click on the Clear button, or press the Esc or Del keys to clear the selection."),
              QRect(200, 138, 228, 59), panel);
    RuleLabel(4,
              tr("4. If the falling tiles reach the top, you lose a life; every 2000 points earns a new one. "
                 "Daily game: today's tiles, the same for all. Relaxed game: no speed-up."),
              QRect(8, 198, 420, 65), panel);
    ExampleArea = new ExampleBox(panel);
    ExampleArea->setObjectName(QStringLiteral("ExampleArea"));
    ExampleArea->setGeometry(8, 8, 185, 185);
    ExampleArea->setToolTip(tr("This is just an example. Click on Start Game to play."));
    ExampleArea->setAccessibleName(tr("An example board, where the chain spells GLIMPSE"));
    HowToPlay = new QCheckBox(tr("Show How To &Play before each game"), panel);
    HowToPlay->setObjectName(QStringLiteral("HowToPlay"));
    HowToPlay->setGeometry(8, 265, 416, 20);
    HowToPlay->setFont(ArialFont(18));
    HowToPlay->setToolTip(tr("If this is checked, the How To Play information is shown before each game starts"));

    StartButton = new QPushButton(tr("&Start Game"), this);
    StartButton->setObjectName(QStringLiteral("StartButton"));
    StartButton->setGeometry(19, 303, 150, 32);
    StartButton->setFont(ArialFont(18));
    StartButton->setToolTip(tr("Start playing the game"));
    StartButton->setDefault(true);
    HelpButton = new QPushButton(tr("&More Tips"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setGeometry(280, 304, 150, 32);
    HelpButton->setFont(ArialFont(18));
    HelpButton->setToolTip(tr("View the Strategy and Tips help information"));
    // Enter on More Tips presses More Tips; anywhere else it presses Start.
    HelpButton->setAutoDefault(true);

    connect(StartButton, &QPushButton::clicked, this, &THowToPlay::StartButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &THowToPlay::HelpButtonClick);
    connect(ExampleArea, &ExampleBox::painting, this, &THowToPlay::ExampleAreaPaint);

    Persist(false).windowPlacement(this, nullptr);

    for (int r = 0; r < exampleRows; ++r) {
        for (int k = 0; k < exampleTiles; ++k) {
            const char c = exampleGrid[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
            const bool marked = !(c >= 'a' && c <= 'z');
            std::string letter(1, marked ? c : static_cast<char>(c - 'a' + 'A'));
            const std::uint32_t value = PickLetter(letter, *exampleRandom);
            Chip* cell = example->Cell(r, (r % 2) + 2 * k);
            cell->Set(letter, value);
            if (marked)
                cell->ToggleSelected();
        }
    }
    // Translated captions longer than the designed boxes.
    FitCaptions(*this);
}

THowToPlay::~THowToPlay()
{
    Persist(true).windowPlacement(this, nullptr);
}

void THowToPlay::showEvent(QShowEvent* event)
{
    // A spontaneous show is the desktop restoring the window, not the dialog being opened.
    if (!event->spontaneous()) {
        HowToPlay->setChecked(true);
        StartButton->setFocus();
    }
    QDialog::showEvent(event);
}

void THowToPlay::StartButtonClick()
{
    // Disabled while the dictionary loads after Start was pressed once.
    if (!isEnabled())
        return;
    options.SetHowToPlay(HowToPlay->isChecked());
    emit started();
}

void THowToPlay::HelpButtonClick()
{
    OpenHelpContext(120);
}

void THowToPlay::closeEvent(QCloseEvent* event)
{
    event->ignore();
    StartButtonClick();
}

int THowToPlay::ExampleTileWidth(int clientWidth, int clientHeight)
{
    int width = (clientWidth / (exampleColumns + 1)) * 2;
    while (clientHeight <= ExampleHeight(width)) {
        if (width < 3)
            return 0;
        width -= 2;
    }
    return width;
}

std::vector<Chip*> THowToPlay::ExampleCells()
{
    std::vector<Chip*> cells;
    for (int r = 0; r < exampleRows; ++r) {
        for (int c = 0; c < exampleColumns; ++c) {
            Chip* cell = example->Cell(r, c);
            if (cell != nullptr && cell->IsOccupied())
                cells.push_back(cell);
        }
    }
    return cells;
}

std::vector<Chip*> THowToPlay::ExampleChain()
{
    std::vector<Chip*> chain(exampleWord.size(), nullptr);
    for (Chip* cell : ExampleCells()) {
        if (!cell->IsSelected())
            continue;
        const std::size_t slot = exampleWord.find(cell->Letter().front());
        if (slot != std::string_view::npos)
            chain[slot] = cell;
    }
    // A slot the grid leaves empty would give the painter a null tile.
    std::erase(chain, nullptr);
    return chain;
}

void THowToPlay::ExampleAreaPaint(QPainter& canvas)
{
    const int width = ExampleTileWidth(ExampleArea->width(), ExampleArea->height());
    if (width == 0)
        return;
    const int height = ExampleHeight(width);
    example->SetTileGeometry(width, width, RowPitch(width));
    painter->PaintBoardBackground(canvas, exampleColumns + 1, width / 2, QPoint(0, 0), height);
    painter->SetColourBlindSafe(options.GetColourBlindColours());
    painter->PaintTileSet(canvas, *example, ExampleCells(), ExampleChain(), QPoint(0, height));
}
