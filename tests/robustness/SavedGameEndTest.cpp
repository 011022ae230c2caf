// SPDX-License-Identifier: GPL-3.0-or-later
// A game whose process is ended from outside, by a shutdown's SIGTERM, a closed terminal's SIGHUP
// or a kill that leaves no chance at all, is offered at the next start and resumed as it was left.
#include "GameTestSupport.h"

#include "settings/SavedGameFile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

#include <csignal>

TEST(SavedGameEnd, AGameEndedFromOutsideIsResumedAtTheNextStart)
{
    // The next line the runner writes, without its newline; empty when none comes in time.
    const auto nextLine = [](QProcess& runner) {
        for (const QDeadlineTimer deadline(30'000); !runner.canReadLine() && !deadline.hasExpired();)
            runner.waitForReadyRead(1000);
        return QString::fromUtf8(runner.readLine()).trimmed();
    };
    for (const char* ending : {"SIGTERM", "SIGHUP", "kill -9 after an autosave"}) {
        SCOPED_TRACE(ending);
        GameFixture game;
        const bool killed = ending[0] == 'k';
        QProcess runner;
        runner.start(QStringLiteral(GLIM_GAME_RUNNER),
                     {game.settingsDir.filePath(QStringLiteral("registry.reg")), QCoreApplication::applicationName(),
                      killed ? QStringLiteral("autosave") : QStringLiteral("term")});
        ASSERT_EQ(nextLine(runner), QStringLiteral("playing")) << runner.readAllStandardError().constData();
        QString left;
        if (killed) {
            left = nextLine(runner);
            ASSERT_TRUE(left.startsWith(QStringLiteral("saved ")));
            runner.kill();
            ASSERT_TRUE(runner.waitForFinished(10'000));
        } else {
            ::kill(static_cast<pid_t>(runner.processId()), ending[4] == 'T' ? SIGTERM : SIGHUP);
            ASSERT_TRUE(runner.waitForFinished(2'000)) << "still running 2 s after the signal";
            EXPECT_EQ(std::pair(runner.exitStatus(), runner.exitCode()), std::pair(QProcess::NormalExit, 0));
            left = nextLine(runner);
            ASSERT_TRUE(left.startsWith(QStringLiteral("left ")));
        }
        ASSERT_TRUE(QFile::exists(SavedGameFile().Path()));

        game.Restart();
        AnswerNextModal([](QWidget* box) { PressMessageButton(box, QMessageBox::Yes); });
        game.form->FormOnIdle();
        EXPECT_EQ(
            QString::number(game.probe->score()) + u' ' + QString::fromStdString(TilesPicture(*game.probe->board)),
            left.section(u' ', 1));
        EXPECT_EQ(game.probe->score(), 16u);
    }
}
