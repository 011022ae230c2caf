// SPDX-License-Identifier: GPL-3.0-or-later
// A save of the high score table killed at any moment must leave the file holding the table from
// before or the table being saved, never a mix, and must not stop the next save.
#include "ScoreTables.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

TEST(HighScoreKill, AKilledSaveLeavesTheOldOrTheNewTableAndTheNextSaveGoesThrough)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("registry.reg"));
    UserRegistry::SetFilePath(path);
    const ScoreTable tables[2] = {KillTestTable(0), KillTestTable(1)};
    {
        Persist store(true);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("Keeper"));
        tables[0].Save(store, KillTestDictionary);
    }
    const auto stored = [] {
        ScoreTable table;
        table.Load(Persist(false), KillTestDictionary);
        QString nickname;
        Persist(false).readString(QStringLiteral("Nickname"), nickname);
        return std::pair(table.Rows(), nickname);
    };
    std::mt19937 random(8);
    for (int run = 0; run < 150 && !::testing::Test::HasFailure(); ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run);
        QProcess saver;
        saver.start(QStringLiteral(GLIM_SCORE_SAVER), {path});
        ASSERT_TRUE(saver.waitForStarted(10000) && saver.waitForReadyRead(30000)) << "the saver never saved";
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(random)));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10000) && saver.exitStatus() == QProcess::CrashExit) << "it ended by itself";
        const auto [rows, nickname] = stored();
        ASSERT_TRUE((rows == tables[0].Rows() || rows == tables[1].Rows()) && nickname == QStringLiteral("Keeper"))
            << "the file holds " << rows.size() << " rows of neither table, nickname " << qPrintable(nickname);

        // Whatever the killed saver left must not hold up the next save (a lock taken for stale only
        // after 30 seconds would).
        QProcess save;
        save.start(QStringLiteral(GLIM_SCORE_SAVER), {path, QString::number(run % 2)});
        ASSERT_TRUE(save.waitForFinished(10000) && save.exitCode() == 0) << "the save is held up";
        ASSERT_EQ(stored().first, tables[run % 2].Rows()) << "the save was lost";
    }
    // A save killed while writing leaves its unfinished copy behind under a name of its own; it is
    // never read and never in the way. Nothing else may be left: no lock, no second settings file.
    const QRegularExpression unfinishedCopy(QStringLiteral("^registry\\.reg(\\.[A-Za-z0-9]{6})?$"));
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System))
        EXPECT_TRUE(unfinishedCopy.match(name).hasMatch()) << qPrintable(name);
    UserRegistry::SetFilePath(QString());
}
