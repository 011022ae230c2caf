// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SavedGameFile.h"

#include <QObject>
#include <QTimer>

#include <memory>

class TGlimmerForm;
class TerminationSignals;
struct SavedGame;

// Keeps the game in progress on disk, so that no way of leaving the program loses it: every 30
// seconds of play, whenever play stops (a pause, the options, a minimised or background window,
// the end of a round), when the desktop session ends (logout) and on SIGTERM or SIGHUP. A game
// that ends, by Game Over or by Quit, takes its save with it. At the next start the player is
// offered the saved game; a save that cannot be read is set aside and the game starts afresh.
class GameKeeper : public QObject {
    Q_OBJECT
public:
    // Keeps the games of `form`, which owns this object.
    explicit GameKeeper(TGlimmerForm& form);
    ~GameKeeper() override;

    // Writes the game in progress, if there is one.
    void Save();
    // Play stopped: the game is saved, and the 30-second saves wait.
    void PlaySuspended();
    // Play runs again: the 30-second saves go on, and a logout that did not happen is forgotten.
    void PlayResumed();
    // The game ended: there is nothing to resume any more.
    void Forget();
    // Offers the game saved at the last run, if any: resumed paused, or ended as a Quit.
    void OfferSavedGame();

    // The program is ending on a signal: nothing may end the game or play on any more.
    bool Leaving() const { return leaving == Leave::Signal; }
    // The game is saved for a logout or a signal: closing needs no question.
    bool MayCloseWithoutAsking() const { return leaving != Leave::No; }

private:
    friend class GlimmerFormProbe;

    void SaveForLogout();
    void SaveAndExit();
    // Whether the bytes are a game that can be resumed here; says why not to the player and sets
    // the file aside when they are not.
    bool Readable(const QByteArray& bytes, SavedGame& game);
    void Resume(const SavedGame& game);
    // Ends the saved game as Quit would: its score offered to its dictionary's high scores.
    void EndAsQuit(const SavedGame& game);

    enum class Leave { No, Logout, Signal };

    TGlimmerForm& form;
    SavedGameFile file;
    QTimer autosave;
    std::unique_ptr<TerminationSignals> termination;
    Leave leaving = Leave::No;
    // A failed write is reported once, not every 30 seconds.
    bool writeFailureReported = false;
};
