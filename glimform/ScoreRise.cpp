// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/ScoreRise.h"

#include "board/Board.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

QFont RiseFont(std::int32_t pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(true);
    return font;
}

bool Overlap(const BoardRect& a, const BoardRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void ScoreRise::Start(BoardPoint point, std::uint32_t value, bool high, std::int32_t tileHeight)
{
    from = point;
    text = QStringLiteral("+%1").arg(value);
    pixelSize = std::max(8, tileHeight * (high ? 9 : 6) / 10);
    rise = std::max(1, tileHeight / 20);
    frame = 0;
}

BoardRect ScoreRise::TextRect() const
{
    const QFontMetrics metrics(RiseFont(pixelSize));
    const std::int32_t width = metrics.horizontalAdvance(text) + 4, height = metrics.height() + 2;
    const std::int32_t y = from.y - frame * rise;
    return {from.x - width / 2, y - height / 2, from.x - width / 2 + width, y - height / 2 + height};
}

std::vector<Chip*> ScoreRise::CellsUnder(Board& board, const BoardRect& area) const
{
    std::vector<Chip*> cells;
    for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
        for (std::int32_t c = r % 2; c < static_cast<std::int32_t>(board.Columns()); c += 2) {
            Chip* chip = board.Cell(r, c);
            if (Overlap(chip->Rect(), area))
                cells.push_back(chip);
        }
    }
    return cells;
}

std::vector<Chip*> ScoreRise::Step(Board& board)
{
    if (!Running())
        return {};
    std::vector<Chip*> cells = CellsUnder(board, TextRect());
    ++frame;
    if (Running()) {
        for (Chip* chip : CellsUnder(board, TextRect()))
            if (std::find(cells.begin(), cells.end(), chip) == cells.end())
                cells.push_back(chip);
    }
    return cells;
}

void ScoreRise::Draw(QPainter& canvas, QPoint origin) const
{
    if (!Running())
        return;
    const BoardRect area = TextRect();
    QColor colour = textColour;
    colour.setAlpha(255 - 255 * frame / frames);
    canvas.save();
    canvas.setFont(RiseFont(pixelSize));
    canvas.setPen(colour);
    canvas.drawText(
        QRect(origin.x() + area.left, origin.y() + area.top, area.right - area.left, area.bottom - area.top),
        Qt::AlignCenter, text);
    canvas.restore();
}
