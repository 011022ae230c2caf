// Drawing of the board, its tiles and the chain, and of the lives.
#include "glimform/glimform.h"

#include "glimform/Colours.h"
#include "glimform/LivesArea.h"

#include <QLabel>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace {

QPoint Offset(const BoardRect& rect, const BoardRect& from)
{
    return {rect.left - from.left, rect.top - from.top};
}

// Tile letters show their first letter as a capital and the rest small, so QU reads "Qu".
QString LetterText(const std::string& letter)
{
    QString text = QString::fromLatin1(letter.data(), static_cast<qsizetype>(letter.size()));
    return text.left(1) + text.mid(1).toLower();
}

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
    boardImage.fill(BgrColour(backgroundColour));

    std::vector<Chip*> cells;
    for (std::uint32_t row = 0; row < board->Rows(); ++row) {
        for (std::uint32_t column = 0; column < board->Columns(); ++column) {
            Chip* chip = board->Cell(static_cast<std::int32_t>(row), static_cast<std::int32_t>(column));
            if (chip != nullptr && chip->IsOccupied()) {
                cells.push_back(chip);
            }
        }
    }
    QPainter canvas(&boardImage);
    LayoutBoard(canvas, cells);
}

bool TGlimmerForm::LayoutBoard(QPainter& canvas, const std::vector<Chip*>& cells)
{
    // The space left of the right-hand column, below the score and above the dictionary
    // notice's strip while the notice shows.
    const int availW = wordInProgress->x();
    const int spaceBottom = dictionaryNoticeLabel->isVisibleTo(this) ? dictionaryNoticeLabel->y() : height();
    const int availH = spaceBottom - (valueLabel->y() + valueLabel->height());
    boardLaidOut = false;
    if (availW < 100 || availH < 100) {
        return false;
    }
    const int rows = static_cast<int>(board->Rows());
    const int columns = static_cast<int>(board->Columns());
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
            return false;
        }
        size -= 2;
    }
    board->SetTileGeometry(size, size, pitch);
    boardLaidOut = true;
    const int boardW = (columns + 1) * size / 2;
    boardOriginX = (availW - boardW) / 2;
    boardOriginY = height() - spaceBottom + (availH - boardH) / 2;

    const QPoint topLeft = BoardToClient({0, -boardH});
    PaintBoardBackground(canvas, columns + 1, size / 2, topLeft, boardH);

    // Two bevels of three rings: sunken just outside the board, raised around that.
    const QRect inside(topLeft, QSize(boardW, boardH));
    for (int ring = 1; ring <= 6; ++ring) {
        const bool sunken = ring <= 3;
        const QColor topLeftColour = BgrColour(sunken ? frameShadowColour : frameLightColour);
        const QColor bottomRightColour = BgrColour(sunken ? frameLightColour : frameShadowColour);
        const QRect r = inside.adjusted(-ring, -ring, ring, ring);
        canvas.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeftColour);
        canvas.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeftColour);
        canvas.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRightColour);
        canvas.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRightColour);
    }

    if (!boardHidden) {
        PaintTileSet(canvas, *board, cells, board->Selection(), BoardToClient({0, 0}));
    }
    return true;
}

void TGlimmerForm::PaintBoardBackground(QPainter& canvas, int strips, int stripWidth, QPoint topLeft, int height)
{
    if (strips <= 0 || stripWidth <= 0 || height <= 0) {
        return;
    }
    // One fill of the whole span gives the same pixels as the strips side by side.
    canvas.fillRect(QRect(topLeft.x(), topLeft.y(), strips * stripWidth, height), BgrColour(boardColour));
}

const QImage& TGlimmerForm::TileFace(const Chip& tile, const BoardRect& rect, qreal ratio)
{
    const QSize pixels(DevicePixels(rect.right - rect.left, ratio), DevicePixels(rect.bottom - rect.top, ratio));
    QImage& face = faceCache.Face(tile.Value(), pixels, boardColour);
    face.setDevicePixelRatio(ratio);
    return face;
}

void TGlimmerForm::PaintTileSet(QPainter& canvas, Board& board_, const std::vector<Chip*>& cells,
                                const std::vector<Chip*>& chain, QPoint origin)
{
    const qreal ratio = canvas.device() != nullptr ? canvas.device()->devicePixelRatioF() : 1.0;
    // Tiles keep their ink while the window is disabled behind a dialog.
    const QColor textColour = palette().color(QPalette::Active, QPalette::WindowText);
    const QColor chainColour = BgrColour(selectionColour);
    QImage work;

    for (const Chip* cell : cells) {
        if (cell == nullptr) {
            continue;
        }
        const BoardRect rect = cell->Rect();
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        if (w <= 0 || h <= 0) {
            continue;
        }
        const int margin = (w + h) / 36;
        const QSize pixels(DevicePixels(w, ratio), DevicePixels(h, ratio));
        if (work.size() != pixels) {
            work = QImage(pixels, QImage::Format_RGB32);
            work.setDevicePixelRatio(ratio);
        }
        work.fill(BgrColour(boardColour));
        QPainter painter(&work);

        // The cell's own face and the four diagonal neighbours that reach into it, lower rows
        // first. The same order in every cell makes a cell drawn alone match the whole board.
        const int row = cell->Row();
        const int column = cell->Column();
        bool chained = cell->IsOccupied() && cell->IsSelected();
        const auto drawFace = [&](const Chip* tile) {
            const BoardRect tileRect = tile->Rect();
            painter.drawImage(Offset(tileRect, rect), TileFace(*tile, tileRect, ratio));
        };
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = (dr == 0 ? 0 : -1); dc <= (dr == 0 ? 0 : 1); dc += 2) {
                const Chip* tile = board_.Cell(row + dr, column + dc);
                if (tile == nullptr || !tile->IsOccupied()) {
                    continue;
                }
                drawFace(tile);
                chained = chained || tile->IsSelected();
            }
        }

        if (chained && !chain.empty()) {
            const BoardRect first = chain.front()->Rect();
            const int t = (first.right - first.left + first.bottom - first.top + 2) / 4;
            const auto local = [&](const Chip* tile) {
                const BoardPoint centre = tile->Centre();
                return QPoint(centre.x - rect.left, centre.y - rect.top);
            };
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setBrush(chainColour);
            if (chain.size() == 1) {
                painter.setPen(QPen(chainColour, 1));
                const QPoint centre = local(chain.front());
                painter.drawEllipse(QRect(centre.x() - t / 2, centre.y() - t / 2, t, t));
            } else {
                painter.setPen(QPen(chainColour, t, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                std::vector<QPoint> points;
                points.reserve(chain.size());
                for (const Chip* tile : chain) {
                    points.push_back(local(tile));
                }
                painter.drawPolyline(points.data(), static_cast<int>(points.size()));
            }
            painter.setRenderHint(QPainter::Antialiasing, false);
        }

        painter.setPen(textColour);
        QFont valueFont(tileFontName);
        valueFont.setPixelSize(std::max(1, (w + h) / 8));
        valueFont.setBold(true);
        const auto drawValue = [&](const Chip* tile) {
            const BoardRect tileRect = tile->Rect();
            const QString text = QString::number(tile->Value());
            const QFontMetrics metrics = painter.fontMetrics();
            const int x = tileRect.left - rect.left + (tileRect.right - tileRect.left) / 2 -
                          metrics.horizontalAdvance(text) / 2;
            const int y = tileRect.top - rect.top + (tileRect.bottom - tileRect.top) - metrics.height() - margin;
            painter.drawText(x, y + metrics.ascent(), text);
        };
        if (cell->IsOccupied()) {
            QFont letterFont(tileFontName);
            letterFont.setPixelSize(std::max(1, (w + h) / 4));
            painter.setFont(letterFont);
            const QString text = LetterText(cell->Letter());
            const QFontMetrics metrics = painter.fontMetrics();
            const int x = (w - metrics.horizontalAdvance(text) + 1) / 2;
            const int y = (h - metrics.height() + 1) / 2;
            painter.drawText(x, y + metrics.ascent(), text);
            painter.setFont(valueFont);
            drawValue(cell);
        }
        // The bottoms of the tiles of the row above, with their values, reach into this cell.
        painter.setFont(valueFont);
        for (int dc = -1; dc <= 1; dc += 2) {
            const Chip* above = board_.Cell(row + 1, column + dc);
            if (above != nullptr && above->IsOccupied()) {
                drawValue(above);
            }
        }
        painter.end();
        canvas.drawImage(QPoint(origin.x() + rect.left, origin.y() + rect.top), work);
    }
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
    {
        QPainter canvas(&boardImage);
        PaintTileSet(canvas, *board, tiles, board->Selection(), origin);
    }
    QRegion changed;
    for (const Chip* tile : tiles) {
        const BoardRect rect = tile->Rect();
        changed += QRect(origin.x() + rect.left, origin.y() + rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }
    pendingTiles += changed;
    update(changed);
}

void TGlimmerForm::livesAreaPaint(QPainter& painter)
{
    const QRect client = livesArea->rect();
    painter.fillRect(client, BgrColour(backgroundColour));
    if (lives == 0) {
        return;
    }
    const int size = static_cast<int>(std::min(static_cast<std::uint32_t>(client.width()) / lives,
                                               static_cast<std::uint32_t>(client.height())));
    if (4 * size <= 8) {
        return;
    }
    const qreal ratio = livesArea->devicePixelRatioF();
    QImage face = LivesFace(lives, DevicePixels(size, ratio), backgroundColour);
    if (face.isNull()) {
        return;
    }
    face.setDevicePixelRatio(ratio);
    const int top = (client.height() - size) / 2;
    for (std::uint32_t i = 0; i < lives && static_cast<int>(i) * size < client.width(); ++i) {
        painter.drawImage(QPoint(static_cast<int>(i) * size, top), face);
    }
}
