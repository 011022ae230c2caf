// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <set>

class QWidget;

// Keeps keys meant for the game from answering a window that opened by itself (the scores at the
// end of a game): while it lives, Enter, Return and Space do nothing in `window` for the first
// `quiet` after it was made, and a key that was already down when it was made (its repeats and
// its release) never reaches it. Create it just before the window is shown.
class KeyHoldOff : public QObject {
public:
    explicit KeyHoldOff(QWidget& window, std::chrono::milliseconds quiet = std::chrono::milliseconds(500));
    ~KeyHoldOff() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window;
    std::chrono::milliseconds quiet;
    QElapsedTimer since;
    std::set<int> pressedHere;  // keys that went down while the window showed
};
