// The game's start-up as app/main.cpp does it, plus a report on stdout once the program has gone
// idle with its main window shown, so that the start-up benchmark can time a real process start.
// The game's handler for exceptions that escape an event handler is left out: it costs nothing
// until one is thrown.
//
//   startup_probe          prints "shown" when idle with the main window exposed, then quits.
//   startup_probe --game   then presses Start (and Start in How To Play) as a player would, and
//                          once idle with the dictionary loaded and a game under way prints
//                          "game VmRSS=<kB> VmHWM=<kB>" from /proc/self/status, then quits.
// Anything else that stops the probe prints "error <reason>" and exits with 1.
//
// It has to live beside English.tsd and the default sounds, as the game does.
#include "app/GameWindows.h"
#include "dialogs/Howto.h"
#include "glimform/glimform.h"
#include "settings/Sounder.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// "VmRSS" -> the kB figure of that line of /proc/self/status, or -1 when it is not there.
long long StatusKilobytes(const QByteArray& status, const QByteArray& field)
{
    for (const QByteArray& line : status.split('\n')) {
        if (!line.startsWith(field + ':'))
            continue;
        bool ok = false;
        const long long value = line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong(&ok);
        return ok ? value : -1;
    }
    return -1;
}

void Report(const QByteArray& line, int exitCode)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    QCoreApplication::exit(exitCode);
}

// Watches the event loop go idle (about to block for new events) and moves through the probe's
// steps; the steps that act on windows run from zero timers, not inside the idle signal.
class IdleProbe {
public:
    explicit IdleProbe(bool playGame) : playGame(playGame)
    {
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                         GlimmerForm, [this] { OnIdle(); });
    }

private:
    enum class Step { WaitingForWindow, StartingGame, WaitingForGame, Done };

    void OnIdle()
    {
        switch (step) {
        case Step::WaitingForWindow:
            if (!MainWindowShown())
                return;
            if (!playGame) {
                Finish("shown", 0);
                return;
            }
            step = Step::StartingGame;
            QTimer::singleShot(0, GlimmerForm, [this] { StartGame(); });
            return;
        case Step::WaitingForGame:
            CheckGame();
            return;
        case Step::StartingGame:
        case Step::Done:
            return;
        }
    }

    static bool MainWindowShown()
    {
        const QWindow* window = GlimmerForm->windowHandle();
        return GlimmerForm->isVisible() && window != nullptr && window->isExposed();
    }

    // The dictionary loads inside the first click; with How To Play on, the game starts with
    // that window's Start.
    void StartGame()
    {
        GlimmerForm->findChild<QPushButton*>(QStringLiteral("StartButton"))->click();
        if (HowToPlay->isVisible())
            HowToPlay->StartButton->click();
        step = Step::WaitingForGame;
    }

    void CheckGame()
    {
        if (!GlimmerForm->findChild<QWidget*>(QStringLiteral("PlayPanel"))->isVisible()) {
            Finish("error no game under way after Start", 1);
            return;
        }
        // The notice along the bottom says when the chosen dictionary gave no words.
        if (const auto* notice = GlimmerForm->findChild<QLabel*>(QStringLiteral("dictionaryNoticeLabel")); notice->isVisible()) {
            Finish("error " + notice->text().toUtf8(), 1);
            return;
        }
        QFile file(QStringLiteral("/proc/self/status"));
        if (!file.open(QIODevice::ReadOnly)) {
            Finish("error /proc/self/status cannot be read", 1);
            return;
        }
        const QByteArray status = file.readAll();
        const long long rss = StatusKilobytes(status, "VmRSS");
        const long long hwm = StatusKilobytes(status, "VmHWM");
        if (rss < 0 || hwm < 0) {
            Finish("error VmRSS or VmHWM missing from /proc/self/status", 1);
            return;
        }
        Finish("game VmRSS=" + QByteArray::number(rss) + " VmHWM=" + QByteArray::number(hwm), 0);
    }

    void Finish(const QByteArray& line, int exitCode)
    {
        step = Step::Done;
        Report(line, exitCode);
    }

    const bool playGame;
    Step step = Step::WaitingForWindow;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glimmerquake"));
    QApplication::setApplicationDisplayName(QStringLiteral("Glimmerquake"));
    const bool playGame = QCoreApplication::arguments().contains(QStringLiteral("--game"));

    GameWindows windows(std::make_unique<Sounder>());
    QTimer::singleShot(0, GlimmerForm, &TGlimmerForm::FormOnIdle);
    IdleProbe probe(playGame);
    return QApplication::exec();
}
