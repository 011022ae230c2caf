// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/BoardPainter.h"

#include "board/Board.h"
#include "glimform/Colours.h"
#include "settings/Utils.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

int DevicePixels(int logical, qreal ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

}  // namespace

BoardPainter::BoardPainter(QColor ink_)
    : ink(ink_),
      tileFontName(FontExists(QStringLiteral("Verdana")) ? QStringLiteral("Verdana") : QStringLiteral("Arial"))
{
}

void BoardPainter::PaintBoardBackground(QPainter& canvas, int strips, int stripWidth, QPoint topLeft, int height) const
{
    if (strips <= 0 || stripWidth <= 0 || height <= 0) {
        return;
    }
    // One fill of the whole span gives the same pixels as the strips side by side.
    canvas.fillRect(QRect(topLeft.x(), topLeft.y(), strips * stripWidth, height), BgrColour(boardColour));
}

void BoardPainter::PaintFrame(QPainter& canvas, const QRect& inside) const
{
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
}

const QImage& BoardPainter::TileFace(const Chip& tile, const BoardRect& rect, qreal ratio)
{
    const QSize pixels(DevicePixels(rect.right - rect.left, ratio), DevicePixels(rect.bottom - rect.top, ratio));
    QImage& face = faceCache.Face(tile.Value(), pixels, boardColour, colourBlindSafe);
    face.setDevicePixelRatio(ratio);
    return face;
}

const BoardPainter::LaidOutText& BoardPainter::Text(const QString& text, const QFont& font)
{
    const auto key = std::tuple(text, font.pixelSize(), font.bold());
    auto found = textCache.find(key);
    if (found == textCache.end()) {
        if (textCache.size() > 256)  // the tile size changed many times: start afresh
            textCache.clear();
        LaidOutText laidOut{QStaticText(text), QFontMetrics(font).horizontalAdvance(text)};
        laidOut.text.setTextFormat(Qt::PlainText);
        laidOut.text.prepare(QTransform(), font);
        found = textCache.emplace(key, std::move(laidOut)).first;
    }
    return found->second;
}

void BoardPainter::PaintTileSet(QPainter& canvas, const Board& board, const std::vector<Chip*>& cells,
                                const std::vector<Chip*>& chain, QPoint origin, const std::vector<Chip*>& missed)
{
    const qreal ratio = canvas.device() != nullptr ? canvas.device()->devicePixelRatioF() : 1.0;
    const QColor chainColour = BgrColour(colourBlindSafe ? safeChainColour : selectionColour);
    const QColor edgeColour = BgrColour(safeEdgeColour);
    const auto onLine = [&](const Chip* tile) {
        return std::find(chain.begin(), chain.end(), tile) != chain.end() ||
               std::find(missed.begin(), missed.end(), tile) != missed.end();
    };
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
            const QPoint at = Offset(tileRect, rect);
            painter.drawImage(at, TileFace(*tile, tileRect, ratio));
            // Colour is never the only sign of the chain: its tiles get a ring too.
            if (colourBlindSafe && tile->IsSelected()) {
                const int ring = std::max(2, w / 10);
                const QRectF face(at, QSizeF(tileRect.right - tileRect.left, tileRect.bottom - tileRect.top));
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(edgeColour, ring + 2));
                painter.drawEllipse(face.adjusted(ring, ring, -ring, -ring));
                painter.setPen(QPen(chainColour, ring));
                painter.drawEllipse(face.adjusted(ring, ring, -ring, -ring));
                painter.setRenderHint(QPainter::Antialiasing, false);
            }
        };
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = (dr == 0 ? 0 : -1); dc <= (dr == 0 ? 0 : 1); dc += 2) {
                const Chip* tile = board.Cell(row + dr, column + dc);
                if (tile == nullptr || !tile->IsOccupied()) {
                    continue;
                }
                drawFace(tile);
                chained = chained || tile->IsSelected();
            }
        }

        // A line through the centres of a chain's tiles, clipped to this cell.
        const auto drawLine = [&](const std::vector<Chip*>& line, const QColor& colour, bool edged) {
            const BoardRect first = line.front()->Rect();
            const int t = (first.right - first.left + first.bottom - first.top + 2) / 4;
            const auto local = [&](const Chip* tile) {
                const BoardPoint centre = tile->Centre();
                return QPoint(centre.x - rect.left, centre.y - rect.top);
            };
            painter.setRenderHint(QPainter::Antialiasing);
            const auto stroke = [&](const QColor& paint, int width) {
                painter.setBrush(paint);
                if (line.size() == 1) {
                    painter.setPen(QPen(paint, 1));
                    const QPoint centre = local(line.front());
                    painter.drawEllipse(QRect(centre.x() - width / 2, centre.y() - width / 2, width, width));
                    return;
                }
                painter.setPen(QPen(paint, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                std::vector<QPoint> points;
                points.reserve(line.size());
                for (const Chip* tile : line) {
                    points.push_back(local(tile));
                }
                painter.drawPolyline(points.data(), static_cast<int>(points.size()));
            };
            if (edged) {
                stroke(edgeColour, t + 2 * std::max(2, t / 5));
            }
            stroke(colour, t);
            painter.setRenderHint(QPainter::Antialiasing, false);
        };
        if (chained && !chain.empty()) {
            drawLine(chain, chainColour, colourBlindSafe);
        }
        const bool nearMissed = std::any_of(missed.begin(), missed.end(), [&](const Chip* tile) {
            return std::abs(tile->Row() - row) <= 1 && std::abs(tile->Column() - column) <= 2;
        });
        if (nearMissed) {
            drawLine(missed, BgrColour(missedColour), false);
        }

        // Text on a tile a line runs through gets an edge of the face's colour, which keeps the
        // line from touching the ink.
        const int edge = std::max(1, (w + h) / 40);
        const auto drawText = [&](int x, int y, const LaidOutText& text, const Chip* tile) {
            if (onLine(tile)) {
                painter.setPen(QColor::fromRgb(TileFaces::FaceColour(tile->Value(), colourBlindSafe)));
                for (int d = 1; d <= edge; ++d) {
                    for (const QPoint step : {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1), QPoint(-1, 0), QPoint(1, 0),
                                              QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)}) {
                        painter.drawStaticText(x + d * step.x(), y + d * step.y(), text.text);
                    }
                }
            }
            painter.setPen(ink);
            painter.drawStaticText(x, y, text.text);
        };
        QFont valueFont(tileFontName);
        valueFont.setPixelSize(std::max(1, (w + h) / 8));
        valueFont.setBold(true);
        const QFontMetrics valueMetrics(valueFont);
        const auto drawValue = [&](const Chip* tile) {
            const BoardRect tileRect = tile->Rect();
            const LaidOutText& text = Text(QString::number(tile->Value()), valueFont);
            const int x = tileRect.left - rect.left + (tileRect.right - tileRect.left) / 2 - text.width / 2;
            const int y = tileRect.top - rect.top + (tileRect.bottom - tileRect.top) - valueMetrics.height() - margin;
            drawText(x, y, text, tile);
        };
        if (cell->IsOccupied()) {
            QFont letterFont(tileFontName);
            letterFont.setPixelSize(std::max(1, (w + h) / 4));
            painter.setFont(letterFont);
            const LaidOutText& text = Text(LetterText(cell->Letter()), letterFont);
            const int x = (w - text.width + 1) / 2;
            const int y = (h - QFontMetrics(letterFont).height() + 1) / 2;
            drawText(x, y, text, cell);
            painter.setFont(valueFont);
            drawValue(cell);
        }
        // The bottoms of the tiles of the row above, with their values, reach into this cell.
        painter.setFont(valueFont);
        for (int dc = -1; dc <= 1; dc += 2) {
            const Chip* above = board.Cell(row + 1, column + dc);
            if (above != nullptr && above->IsOccupied()) {
                drawValue(above);
            }
        }
        painter.end();
        canvas.drawImage(QPoint(origin.x() + rect.left, origin.y() + rect.top), work);
    }
}
