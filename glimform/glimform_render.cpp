// Drawing of the board and the lives.
#include "glimform/glimform.h"

#include "glimform/LivesArea.h"

#include <QLabel>
#include <QPainter>
#include <QPaintEvent>

namespace {

QColor FromBgr(std::uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

void TGlimmerForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area(0, valueLabel->geometry().bottom() + 1, wordInProgress->x() - 4,
                     height() - valueLabel->geometry().bottom() - 1);
    const int columns = static_cast<int>(board->Columns());
    const int rows = static_cast<int>(board->Rows());
    int w = 2 * (area.width() / (columns + 1));
    while (w > 2 && (rows - 1) * static_cast<int>(w * 0.866) + w > area.height()) {
        w -= 2;
    }
    const int pitch = static_cast<int>(w * 0.866);
    board->SetTileGeometry(w, w, pitch);
    const int boardWidth = (columns + 1) * w / 2;
    const int boardHeight = (rows - 1) * pitch + w;
    const QPoint origin(area.left() + (area.width() - boardWidth) / 2,
                        area.top() + (area.height() - boardHeight) / 2 + boardHeight);
    painter.fillRect(QRect(origin.x(), origin.y() - boardHeight, boardWidth, boardHeight), FromBgr(boardColour));
    if (boardHidden) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(tileFontName);
    font.setPixelSize(std::max(1, w / 2));
    painter.setFont(font);
    for (int r = 0; r < rows; ++r) {
        for (int c = r % 2; c < columns; c += 2) {
            const Chip* chip = board->Cell(r, c);
            if (!chip->IsOccupied()) {
                continue;
            }
            const BoardRect rect = chip->Rect();
            const QRect tile(origin.x() + rect.left, origin.y() + rect.top, w, w);
            painter.setPen(chip->IsSelected() ? FromBgr(selectionColour) : Qt::black);
            painter.setBrush(QColor(255, 255, 223));
            painter.drawEllipse(tile.adjusted(1, 1, -1, -1));
            painter.setPen(Qt::black);
            const QString letter = chip->Letter() == "QU" ? QStringLiteral("Qu") : QString::fromLatin1(chip->Letter());
            painter.drawText(tile, Qt::AlignCenter, letter);
        }
    }
}

void TGlimmerForm::PaintTiles(const std::vector<Chip*>& tiles)
{
    if (!tiles.empty()) {
        update();
    }
}

void TGlimmerForm::livesAreaPaint(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const int size = livesArea->height() - 2;
    for (std::uint32_t i = 0; i < lives && static_cast<int>(i) * (size + 2) < livesArea->width(); ++i) {
        painter.setBrush(QColor(255, 255, 0));
        painter.drawEllipse(static_cast<int>(i) * (size + 2) + 1, 1, size, size);
    }
}

void TGlimmerForm::PaintBoardBackground(QPainter& canvas, int strips, int stripWidth, QPoint topLeft, int height)
{
    canvas.fillRect(QRect(topLeft.x(), topLeft.y(), strips * stripWidth, height), FromBgr(boardColour));
}

void TGlimmerForm::PaintTileSet(QPainter&, Board&, const std::vector<Chip*>&, const std::vector<Chip*>&, QPoint)
{
}
