// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/FocusReturn.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

FocusReturn::FocusReturn(QWidget* mainWindow_) : QObject(mainWindow_), mainWindow(mainWindow_)
{
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched != mainWindow && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        // After the hide is done, when the window system has had its say.
        QTimer::singleShot(0, this, &FocusReturn::ReturnFocus);
    }
    return false;
}

void FocusReturn::ReturnFocus()
{
    // Another of the program's windows still open keeps the keyboard, and so does a minimised
    // main window: nothing is taken from where the player is.
    const QWidget* active = QApplication::activeWindow();
    if ((active != nullptr && active->isVisible()) || QApplication::activeModalWidget() != nullptr ||
        !mainWindow->isVisible() || mainWindow->isMinimized()) {
        return;
    }
    mainWindow->activateWindow();
}
