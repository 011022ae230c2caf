// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class TGlimmerForm;

class PausedBoard;

// Pauses play while the game is in the background, for players who ask for it in the options.
// When no window of the program is active any more during play (another application's window came
// to the front; the game's own dialogs do not count), play stops with the board hidden under a
// paused board. Nothing is asked when the player comes back, so no key typed then can end the
// game: Resume, Space or a click on the board plays on.
class BackgroundPause : public QObject {
public:
    // Watches the application's focus for `form`, which owns this object.
    explicit BackgroundPause(TGlimmerForm& form);

    // Pauses now if play runs while the game is in the background and the player asked for it.
    void Check();
    // Stops play and hides the board under the paused board, wherever the game is: a resumed
    // saved game waits there too.
    void PauseNow();
    // Ends a pause begun in the background and takes the paused board away: play resumes, the game
    // ends, or minimising applies its own rules. Returns whether one was pending: play had been
    // running.
    bool Cancel();
    // Whether play waits under the paused board.
    bool Pending() const { return pending; }
    // Centres the paused board, while it shows, on the board's space of a resized window.
    void Place();

private:
    void FocusChanged();

    TGlimmerForm& form;
    bool pending = false;
    PausedBoard* pausedBoard = nullptr;  // made at the first pause; the form owns it
    // Focus passes through no window at all as one window of the game closes and another takes
    // over; only a game that stays without focus this long is in the background.
    QTimer settle;
};
