// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class TGlimmerForm;

// Pauses play while the game is in the background, for players who ask for it in the options.
// When no window of the program is active any more during play (another application's window came
// to the front; the game's own dialogs do not count), play stops with the board hidden, and the
// pause question comes once the main window is active again, as the Pause button would ask it.
class BackgroundPause : public QObject {
public:
    // Watches the application's focus for `form`, which owns this object.
    explicit BackgroundPause(TGlimmerForm& form);

    // Pauses now if play runs while the game is in the background and the player asked for it.
    void Check();
    // Forgets a pause begun in the background, for minimising, whose own rules then hold.
    // Returns whether one was pending: play had been running.
    bool Cancel();

private:
    void FocusChanged();
    void AskWhenActive();

    TGlimmerForm& form;
    bool pending = false;
    // Focus passes through no window at all as one window of the game closes and another takes
    // over; only a game that stays without focus this long is in the background.
    QTimer settle;
};
