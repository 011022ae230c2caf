// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/BoardView.h"

#include "board/Board.h"
#include "board/BoardCursor.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

#include <optional>

namespace {

// The way a cursor key points: the arrows, and the keypad's digits with or without Num Lock.
std::optional<HexDirection> KeyDirection(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Left:
        return HexDirection::Left;
    case Qt::Key_Right:
        return HexDirection::Right;
    case Qt::Key_Up:
        return HexDirection::Up;
    case Qt::Key_Down:
        return HexDirection::Down;
    default:
        break;
    }
    if (!(modifiers & Qt::KeypadModifier)) {
        return std::nullopt;
    }
    switch (key) {
    case Qt::Key_4:
        return HexDirection::Left;
    case Qt::Key_6:
        return HexDirection::Right;
    case Qt::Key_8:
        return HexDirection::Up;
    case Qt::Key_2:
        return HexDirection::Down;
    case Qt::Key_7:
    case Qt::Key_Home:
        return HexDirection::UpLeft;
    case Qt::Key_9:
    case Qt::Key_PageUp:
        return HexDirection::UpRight;
    case Qt::Key_1:
    case Qt::Key_End:
        return HexDirection::DownLeft;
    case Qt::Key_3:
    case Qt::Key_PageDown:
        return HexDirection::DownRight;
    default:
        return std::nullopt;
    }
}

}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("boardView"));
    // The window paints the board and takes every click on it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
    sayTimer.setSingleShot(true);
    sayTimer.setInterval(0);
    connect(&sayTimer, &QTimer::timeout, this, &BoardView::SayPending);
}

BoardView::~BoardView() = default;

void BoardView::SetBoard(Board* board_, QPoint origin_)
{
    if (board_ != board) {
        cursor = board_ != nullptr ? std::make_unique<BoardCursor>(*board_) : nullptr;
    }
    const bool moved = board_ != board || origin_ != origin;
    board = board_;
    origin = origin_;
    if (moved && cursorShown) {
        update();
    }
}

void BoardView::HideCursor()
{
    if (cursorShown) {
        cursorShown = false;
        update();
    }
}

Chip* BoardView::CursorCell() const
{
    return cursorShown && Playable() && board != nullptr && cursor != nullptr ? cursor->Cell(*board) : nullptr;
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers others = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (!Playable() || board == nullptr || cursor == nullptr || others != Qt::NoModifier) {
        event->ignore();
        return;
    }
    const int key = event->key();
    if (KeyDirection(key, event->modifiers())) {
        MoveCursor(key, event->modifiers());
        return;
    }
    // Space and Insert pick the cursor's tile while its ring shows; otherwise Space enters the
    // word as it always has.
    if ((key == Qt::Key_Space || key == Qt::Key_Insert) && cursorShown) {
        Chip* tile = CursorCell();
        if (tile != nullptr && tile->IsOccupied() && onPick) {
            onPick(tile);
        }
        return;
    }
    event->ignore();
}

void BoardView::MoveCursor(int key, Qt::KeyboardModifiers modifiers)
{
    // The first cursor key shows the ring where it was; later ones move it.
    if (cursorShown) {
        cursor->Move(*board, *KeyDirection(key, modifiers));
    }
    cursorShown = true;
    update();
    ReportCursorFocus();
}

void BoardView::ReportCursorFocus()
{
    const Chip* cell = CursorCell();
    if (cell == nullptr || !QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(TableRow(*cell) * TableColumns() + TableColumn(*cell));
    QAccessible::updateAccessibility(&event);
}

void BoardView::paintEvent(QPaintEvent*)
{
    const Chip* cell = CursorCell();
    if (cell == nullptr) {
        return;
    }
    // Two rings, dark inside light, show on the board's green and on every tile colour alike.
    const QRect rect = CellRect(*cell);
    const int width = std::max(2, rect.width() / 14);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, width));
    painter.drawEllipse(QRectF(rect).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    painter.setPen(QPen(Qt::black, width));
    painter.drawEllipse(QRectF(rect).adjusted(width * 1.5, width * 1.5, -width * 1.5, -width * 1.5));
}

void BoardView::Announce(const QString& text)
{
    if (text.isEmpty()) {
        return;
    }
    pending += (pending.isEmpty() ? QString() : QStringLiteral(". ")) + text;
    sayTimer.start();
}

void BoardView::AnnounceChain(const QString& text)
{
    pendingChain = text;
    sayTimer.start();
}

void BoardView::SayPending()
{
    QStringList parts{pendingChain, pending};
    parts.removeAll(QString());
    pending.clear();
    pendingChain.clear();
    if (parts.isEmpty()) {
        return;
    }
    announcement = parts.join(QStringLiteral(". "));
    // Orca speaks a change of the focused object's description; the board holds the focus in play.
    setAccessibleDescription(announcement);
}

int BoardView::TableRow(const Chip& cell) const
{
    return static_cast<int>(board->Rows()) - 1 - cell.Row();
}

int BoardView::TableColumn(const Chip& cell) const
{
    return cell.Column() / 2;
}

Chip* BoardView::TableCell(int row, int column) const
{
    if (board == nullptr || row < 0 || column < 0 || row >= TableRows() || column >= TableColumns()) {
        return nullptr;
    }
    const int boardRow = TableRows() - 1 - row;
    return board->Cell(boardRow, 2 * column + boardRow % 2);
}

int BoardView::TableRows() const
{
    return board != nullptr ? static_cast<int>(board->Rows()) : 0;
}

int BoardView::TableColumns() const
{
    return board != nullptr ? static_cast<int>(board->Columns() / 2) : 0;
}

QString BoardView::CellName(const Chip& cell) const
{
    if (!cell.IsOccupied()) {
        return tr("empty");
    }
    const QString spelled = Spelled(cell.Letter());
    QString name =
        cell.Value() == 1 ? tr("%1, 1 point").arg(spelled) : tr("%1, %2 points").arg(spelled).arg(cell.Value());
    if (cell.IsSelected()) {
        name = tr("%1, in the chain").arg(name);
    }
    return name;
}

QString BoardView::Spelled(std::string_view letters)
{
    QStringList apart;
    for (const char letter : letters) {
        apart << QString(QLatin1Char(letter));
    }
    return apart.join(QLatin1Char(' '));
}

QRect BoardView::CellRect(const Chip& cell) const
{
    const BoardRect rect = cell.Rect();
    return {origin.x() + rect.left, origin.y() + rect.top, rect.right - rect.left, rect.bottom - rect.top};
}
