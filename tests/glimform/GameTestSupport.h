// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the suites that play the game share: the windows, a fresh settings file, ways to lay
// and chain tiles and to play a game to its end, and the headers such tests need.
#include "GlimmerFormProbe.h"
#include "QtTestSupport.h"
#include "app/GameWindows.h"
#include "board/Board.h"
#include "dialogs/Howto.h"
#include "glimform/glimform.h"
#include "platform/SoundOutput.h"
#include "settings/Sounder.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Records what the game asked to play instead of playing it.
struct RecordingOutput : SoundOutput {
    void PlayImage(const QByteArray& image) override { played.push_back(QString::fromLatin1(image)); }
    void PlayFile(const QString& path) override { played.push_back(path); }
    std::vector<QString> played;
};

// The board row by row from the bottom, a tile's letters or "." for an empty cell, rows apart by "/".
std::string TilesPicture(const Board& board);
// Makes the event play the file at `path` (a sound scheme setting).
void SetEventSound(SoundEvent event, const QString& path);
// Starts a game, through How To Play when that window comes up; returns whether play runs.
bool StartPlay(GlimmerFormProbe& probe);
// Lays the tiles along the bottom row from the left and chains them as a player would.
void PlaceAndSelectWord(GlimmerFormProbe& probe, const std::vector<std::string>& tiles);
// Enters the word of `tiles` (with its button, so only a dictionary word counts), then loses
// rounds until the game ends; the caller answers the high score dialog that follows.
void PlayToTheEnd(GlimmerFormProbe& probe, const std::vector<std::string>& tiles);

// A fresh settings file, the six windows, and the test dictionary (or the named one) chosen
// with How To Play on or off. Each sound event plays a file holding its name, so a recording
// output tells the events apart; the game plays into `output`, or records into `sounds`.
struct GameFixture {
    explicit GameFixture(bool howToPlay = false, const QString& dictionary = QStringLiteral("TestWords"),
                         std::unique_ptr<SoundOutput> output = nullptr);
    ~GameFixture();
    // Ends the program's windows and starts them again on the same settings and data folder, as
    // the next run of the game would; `output` takes the new run's sounds.
    void Restart(std::unique_ptr<SoundOutput> output = nullptr);

    // Chooses the chain of tiles at these cells, clicking the first and dragging over the rest.
    void SelectChain(const std::vector<std::pair<int, int>>& cells);
    void PlaceAndSelectWord(const std::vector<std::string>& tiles) { ::PlaceAndSelectWord(*probe, tiles); }
    std::vector<Chip*> OccupiedCells() const;

    // Mouse input sent as the window system would, so the window's own routing is exercised.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);
    void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void DragTo(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void Click(QPoint at) { Press(at), Release(at); }
    // The press before a double click selects as a click does; the release after it ends it.
    void DoubleClick(QPoint at)
    {
        Click(at), Mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton), Release(at);
    }
    // The window point dx to the right of the tile's centre.
    QPoint Centre(const Chip* chip, int dx = 0) const;

    QTemporaryDir settingsDir;
    // The user's home while the fixture lives: its data folder (saved games) is the fixture's own.
    QByteArray home = qgetenv("HOME");
    std::unique_ptr<GameWindows> windows;
    // What the game asked to play, unless the fixture was given an output.
    std::vector<QString>* sounds = nullptr;
    TGlimmerForm* form = nullptr;
    std::unique_ptr<GlimmerFormProbe> probe;
};
