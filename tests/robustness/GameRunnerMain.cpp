// SPDX-License-Identifier: GPL-3.0-or-later
// The game in a process of its own, for the tests that end it from outside: the windows on the
// settings file named on the command line, under the application name given (so that its data
// folder is the test's), a game started, a word entered, and then the program's own event loop.
// It writes "playing" once play runs. With "autosave" it saves every 200 ms instead of every 30
// seconds and writes "saved SCORE TILES" after each save; when the event loop ends it writes
// "left SCORE TILES", the game it left.
#include "GameTestSupport.h"

#include "platform/UserRegistry.h"

#include <QStandardPaths>

#include <cstdio>

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return std::fputs("usage: game_runner SETTINGS-FILE APPLICATION-NAME term|autosave\n", stderr), 2;
    QCoreApplication::setApplicationName(arguments[2]);
    UserRegistry::SetFilePath(arguments[1]);
    GameWindows windows(std::make_unique<Sounder>(std::make_unique<RecordingOutput>(), [] { return 0u; }));
    GlimmerFormProbe probe(*windows.glimmerForm);
    const auto say = [&probe](const char* what) {
        std::printf("%s %u %s\n", what, probe.score(), TilesPicture(*probe.board).c_str()), std::fflush(stdout);
    };
    windows.glimmerForm->show();
    if (!StartPlay(probe))
        return std::fputs("the game did not start\n", stderr), 1;
    PlaceAndSelectWord(probe, {"T", "R", "E", "E"});
    probe.EnterWord();
    if (arguments[3] == QStringLiteral("autosave")) {
        probe.autosave().setInterval(200);
        QObject::connect(&probe.autosave(), &QTimer::timeout, [&] { say("saved"); });
    }
    std::puts("playing"), std::fflush(stdout);
    const int code = QApplication::exec();
    say("left");
    return code;
}
