// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameHistory.h"

#include <QString>

#include <vector>

// The history of finished games: "history" in the user's data folder, one line a game (see
// HistoryLine). Each game is added to what the file holds, damaged lines included, and the file is
// replaced as a whole, so a crash leaves the history before or after, never half a line.
class GameHistoryFile {
public:
    GameHistoryFile();
    explicit GameHistoryFile(QString path) : path(std::move(path)) {}

    const QString& Path() const { return path; }
    // The games it holds. Lines that cannot be read are left out, and said once in this object's
    // life.
    std::vector<FinishedGame> Read();
    // Adds the game; returns an empty string, or why it could not be written.
    QString Add(const FinishedGame& game) const;
    // Forgets every game.
    void Clear() const;

private:
    QString path;
    bool damageReported = false;
};
