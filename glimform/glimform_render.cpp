// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the board, its tiles and the chain, and of the lives.
#include "glimform/glimform.h"

#include "glimform/ScoreRise.h"

#include "board/Board.h"
#include "board/GameSession.h"
#include "glimform/BoardPainter.h"
#include "glimform/BoardView.h"
#include "glimform/Colours.h"
#include "glimform/LivesArea.h"
#include "settings/PlayerOptions.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Device pixels for `logical` pixels at the given ratio.
int DevicePixels(int logical, qreal ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

}  // namespace

QPoint TGlimmerForm::BoardToClient(BoardPoint point) const
{
    return {point.x + boardOriginX, height() + point.y - boardOriginY};
}

BoardPoint TGlimmerForm::ClientToBoard(QPoint point) const
{
    return {point.x() - boardOriginX, point.y() - height() + boardOriginY};
}

Board& TGlimmerForm::GameBoard() const
{
    return session->GetBoard();
}

void TGlimmerForm::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(DevicePixels(width(), ratio), DevicePixels(height(), ratio));
    // Only the cells PaintTiles has already drawn may be shown without a fresh layout.
    const bool onlyTiles = boardImage.size() == pixels && boardImage.devicePixelRatio() == ratio &&
                           (event->region() - pendingTiles).isEmpty();
    if (!onlyTiles) {
        RenderBoard();
    }
    pendingTiles = QRegion();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), boardImage);
}

void TGlimmerForm::FormPaint()
{
    RenderBoard();
    update();
}

void TGlimmerForm::RenderBoard()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(DevicePixels(width(), ratio), DevicePixels(height(), ratio));
    if (boardImage.size() != pixels || boardImage.devicePixelRatio() != ratio) {
        boardImage = QImage(pixels, QImage::Format_RGB32);
        boardImage.setDevicePixelRatio(ratio);
    }
    boardImage.fill(BgrColour(BoardPainter::backgroundColour));

    Board& board = GameBoard();
    std::vector<Chip*> cells;
    for (std::uint32_t row = 0; row < board.Rows(); ++row) {
        for (std::uint32_t column = 0; column < board.Columns(); ++column) {
            Chip* chip = board.Cell(static_cast<std::int32_t>(row), static_cast<std::int32_t>(column));
            if (chip != nullptr && chip->IsOccupied()) {
                cells.push_back(chip);
            }
        }
    }
    painter->SetColourBlindSafe(options.GetColourBlindColours());
    QPainter canvas(&boardImage);
    LayoutBoard(canvas, cells);
}

QRect TGlimmerForm::BoardArea() const
{
    const int top = valueLabel->y() + valueLabel->height();
    const int bottom = dictionaryNoticeLabel->isVisibleTo(this) ? dictionaryNoticeLabel->y() : height();
    return {0, top, wordInProgress->x(), bottom - top};
}

bool TGlimmerForm::LayoutBoard(QPainter& canvas, const std::vector<Chip*>& cells)
{
    const QRect area = BoardArea();
    const int availW = area.width();
    const int spaceBottom = area.bottom() + 1;
    const int availH = area.height();
    boardLaidOut = false;
    if (boardView->geometry() != area) {
        boardView->setGeometry(area);
    }
    if (availW < 100 || availH < 100) {
        boardView->SetBoard(nullptr, {});
        return false;
    }
    Board& board = GameBoard();
    const int rows = static_cast<int>(board.Rows());
    const int columns = static_cast<int>(board.Columns());
    int size = std::max(2, (availW - 24) / (columns + 1) * 2);
    int pitch = 0;
    int boardH = 0;
    for (;;) {
        pitch = static_cast<int>(size * 0.866);
        boardH = (rows - 1) * pitch + size;
        if (boardH < availH - 24) {
            break;
        }
        if (size <= 2) {
            boardView->SetBoard(nullptr, {});
            return false;
        }
        size -= 2;
    }
    board.SetTileGeometry(size, size, pitch);
    boardLaidOut = true;
    const int boardW = (columns + 1) * size / 2;
    boardOriginX = (availW - boardW) / 2;
    boardOriginY = height() - spaceBottom + (availH - boardH) / 2;

    boardView->SetBoard(&board, BoardToClient({0, 0}) - area.topLeft());
    const QPoint topLeft = BoardToClient({0, -boardH});
    painter->PaintBoardBackground(canvas, columns + 1, size / 2, topLeft, boardH);
    painter->PaintFrame(canvas, QRect(topLeft, QSize(boardW, boardH)));

    if (!boardHidden) {
        painter->PaintTileSet(canvas, board, cells, board.Selection(), BoardToClient({0, 0}), session->MissedChain());
        // A value still rising stays through a full paint.
        scoreRise->Draw(canvas, BoardToClient({0, 0}));
    }
    return true;
}

void TGlimmerForm::PaintTiles(const std::vector<Chip*>& tiles)
{
    if (tiles.empty()) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(DevicePixels(width(), ratio), DevicePixels(height(), ratio));
    // Without a current layout, or with the tiles hidden, the next full paint draws what is right.
    if (boardHidden || !boardLaidOut || boardImage.size() != pixels || boardImage.devicePixelRatio() != ratio) {
        update();
        return;
    }
    const QPoint origin = BoardToClient({0, 0});
    QRegion changed;
    for (const Chip* tile : tiles) {
        const BoardRect rect = tile->Rect();
        changed += QRect(origin.x() + rect.left, origin.y() + rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }
    {
        QPainter canvas(&boardImage);
        painter->PaintTileSet(canvas, GameBoard(), tiles, GameBoard().Selection(), origin, session->MissedChain());
        // A rising value stays over the cells repainted under it.
        canvas.setClipRegion(changed);
        scoreRise->Draw(canvas, origin);
    }
    pendingTiles += changed;
    update(changed);
}

void TGlimmerForm::livesAreaPaint(QPainter& painter)
{
    const QRect client = livesArea->rect();
    painter.fillRect(client, BgrColour(BoardPainter::backgroundColour));
    const std::uint32_t lives = session->State().lives;
    if (lives == 0) {
        return;
    }
    const int size = static_cast<int>(
        std::min(static_cast<std::uint32_t>(client.width()) / lives, static_cast<std::uint32_t>(client.height())));
    if (4 * size <= 8) {
        return;
    }
    const qreal ratio = livesArea->devicePixelRatioF();
    QImage face = LivesFace(lives, DevicePixels(size, ratio), BoardPainter::backgroundColour);
    if (face.isNull()) {
        return;
    }
    face.setDevicePixelRatio(ratio);
    const int top = (client.height() - size) / 2;
    for (std::uint32_t i = 0; i < lives && static_cast<int>(i) * size < client.width(); ++i) {
        painter.drawImage(QPoint(static_cast<int>(i) * size, top), face);
    }
}
