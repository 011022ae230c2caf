// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer and keyboard input of the main window: building the chain by clicks, drags and typed
// letters, submitting and clearing it by keys and double clicks, and starting a game between games.
#include "glimform/glimform.h"

#include "glimform/BackgroundPause.h"
#include "glimform/BoardView.h"

#include "board/Board.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

void TGlimmerForm::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // A press on a panel reaches the window too; only its own client area counts.
    if (childAt(at) != nullptr) {
        QWidget::mousePressEvent(event);
        return;
    }
    FormMouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TGlimmerForm::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    FormMouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TGlimmerForm::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    FormMouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TGlimmerForm::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (childAt(at) != nullptr) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // Qt sends the double click in place of the second press: the game handles the double
    // click first and then that press, so a chain that is no word loses the clicked tile.
    if (event->button() == Qt::LeftButton) {
        FormDblClick(at);
    }
    FormMouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TGlimmerForm::keyPressEvent(QKeyEvent* event)
{
    if (FormKeyDown(event->key(), event->modifiers())) {
        return;
    }
    // The Enter button is the window's default button: the return key presses it, and so does
    // the keypad's Enter, which arrives marked as a keypad key. Any other modifier leaves it alone.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        if (enterButton->isEnabled() && enterButton->isVisible()) {
            enterButton->click();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGlimmerForm::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    if (button != Qt::LeftButton) {
        return;
    }
    boardView->HideCursor();
    if (IsPlaying()) {
        // The board is hidden while play waits for the pause question (no tile can be picked), or
        // under the paused board of a pause in the background, where a click plays on.
        if (boardHidden) {
            if (backgroundPause->Pending()) {
                ResumePlay();
            }
            return;
        }
        std::int32_t closeness = 0;
        dragTile = boardLaidOut ? GameBoard().ChipAt(ClientToBoard({x, y}), closeness) : nullptr;
        if (dragTile != nullptr) {
            SelectDragTile(false);
        }
    } else if (!IsPlayPanelShown()) {
        StartGame(false);
    }
}

void TGlimmerForm::FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y)
{
    if (!IsPlaying()) {
        return;
    }
    if (!(buttons & Qt::LeftButton)) {
        dragTile = nullptr;
        return;
    }
    if (!boardLaidOut) {
        return;
    }
    std::int32_t closeness = 0;
    Chip* tile = GameBoard().ChipAt(ClientToBoard({x, y}), closeness);
    if (tile == nullptr || tile == dragTile) {
        return;
    }
    if (!tile->IsSelected()) {
        const std::vector<Chip*> chain = GameBoard().Selection();
        const bool joins = chain.empty() || std::any_of(chain.begin(), chain.end(), [tile](const Chip* link) {
                               return Board::IsAdjacent(link, tile);
                           });
        // Brushing along the rim between two tiles must not pick up the next one.
        const BoardRect rect = tile->Rect();
        const std::int32_t depth = (rect.right - rect.left + rect.bottom - rect.top) / 32;
        if (!joins || depth > closeness) {
            return;
        }
    }
    dragTile = tile;
    SelectDragTile(true);
}

void TGlimmerForm::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int, int)
{
    if (IsPlaying() && button == Qt::LeftButton) {
        dragTile = nullptr;
    }
}

void TGlimmerForm::FormDblClick(QPoint pointer)
{
    if (!IsPlaying() || !boardLaidOut) {
        return;
    }
    std::int32_t closeness = 0;
    const Chip* tile = GameBoard().ChipAt(ClientToBoard(pointer), closeness);
    if (tile != nullptr && tile->IsSelected() && enterButton->isEnabled()) {
        EnterWord();
    }
}

bool TGlimmerForm::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (!IsPlaying() || boardHidden) {
        return false;
    }
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (clearButton->isEnabled()) {
            ClearWord();
        }
        return true;
    case Qt::Key_Space:
        if (enterButton->isEnabled()) {
            EnterWord();
        }
        return true;
    default:
        // Ctrl, Alt and Meta letters stay the toolkit's: Alt with a letter presses a button.
        if (key >= Qt::Key_A && key <= Qt::Key_Z && !(shift & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
            TypeLetter(static_cast<char>('A' + (key - Qt::Key_A)));
            return true;
        }
        return false;
    }
}
