// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start-up as app/main.cpp does it, plus a report on stdout once the program has gone
// idle with its main window shown, so that the start-up benchmark can time a real process start.
// The game's handler for exceptions that escape an event handler is left out: it costs nothing
// until one is thrown.
//
//   startup_probe          prints "shown VmRSS=<kB> VmHWM=<kB>" when idle with the main window
//                          exposed, then quits.
//   startup_probe --game   then presses Start (and Start in How To Play) as a player would, and
//                          once idle with the dictionary loaded and a game under way prints
//                          "game VmRSS=<kB> VmHWM=<kB>" from /proc/self/status, then quits.
// Anything else that stops the probe prints "error <reason>" and exits with 1.
//
// It has to live beside English.tsd and the default sounds, as the game does.
#include "ProbeReport.h"
#include "app/GameWindows.h"
#include "dialogs/Howto.h"
#include "glimform/glimform.h"
#include "settings/Sounder.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

bool MainWindowShown()
{
    const QWindow* window = GlimmerForm->windowHandle();
    return GlimmerForm->isVisible() && window != nullptr && window->isExposed();
}

void CheckGame()
{
    if (!GlimmerForm->findChild<QWidget*>(QStringLiteral("PlayPanel"))->isVisible()) {
        Report("error no game under way after Start", 1);
        return;
    }
    // The notice along the bottom says when the chosen dictionary gave no words.
    if (const auto* notice = GlimmerForm->findChild<QLabel*>(QStringLiteral("dictionaryNoticeLabel"));
        notice->isVisible()) {
        Report("error " + notice->text().toUtf8(), 1);
        return;
    }
    const QByteArray line = MemoryLine("game");
    Report(line.isEmpty() ? QByteArray("error VmRSS or VmHWM missing from /proc/self/status") : line,
           line.isEmpty() ? 1 : 0);
}

// The dictionary loads inside the first click; with How To Play on, the game starts with that
// window's Start. The check waits for the next idle.
void StartGame()
{
    GlimmerForm->findChild<QPushButton*>(QStringLiteral("StartButton"))->click();
    if (HowToPlay->isVisible())
        HowToPlay->StartButton->click();
    ReportWhenShown([] { return true; }, CheckGame);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glimmerquake"));
    QApplication::setApplicationDisplayName(QStringLiteral("Glimmerquake"));
    const bool playGame = QCoreApplication::arguments().contains(QStringLiteral("--game"));

    GameWindows windows(std::make_unique<Sounder>());
    QTimer::singleShot(0, GlimmerForm, &TGlimmerForm::FormOnIdle);
    if (playGame)
        ReportWhenShown(MainWindowShown, [] { QTimer::singleShot(0, GlimmerForm, StartGame); });
    else
        ReportWhenShown(MainWindowShown);
    return QApplication::exec();
}
