// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeyHoldOff.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyHoldOff::KeyHoldOff(QWidget& window, std::chrono::milliseconds quiet) : window(window), quiet(quiet)
{
    since.start();
    qApp->installEventFilter(this);
}

KeyHoldOff::~KeyHoldOff()
{
    qApp->removeEventFilter(this);
}

bool KeyHoldOff::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool seenDown = pressedHere.contains(key->key());
    if (type == QEvent::KeyRelease) {
        if (!key->isAutoRepeat())
            pressedHere.erase(key->key());
        return !seenDown;
    }
    if (key->isAutoRepeat())
        return !seenDown;
    const bool answers = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    if (answers && since.elapsed() < quiet.count())
        return true;
    if (type == QEvent::KeyPress)
        pressedHere.insert(key->key());
    return false;
}
