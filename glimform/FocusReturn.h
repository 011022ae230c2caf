// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Gives the keyboard back to the main window when another of the program's windows closes and
// leaves no window of the program active, as happens without a window manager (and with some
// that do not return the focus to a dialog's owner). Play then goes on from the keyboard, and a
// screen reader is told where the focus went.
class FocusReturn : public QObject {
public:
    // Watches the program's windows for `mainWindow`, which owns it.
    explicit FocusReturn(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReturnFocus();

    QWidget* mainWindow;
};
