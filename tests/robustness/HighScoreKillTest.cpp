// A save of the high score table killed at any moment must leave the file holding the table from
// before or the table being saved, never a mix, and must not stop the next save.
#include "ScoreTables.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

std::vector<ScoreRow> StoredRows()
{
    ScoreTable table;
    table.Load(Persist(false), KillTestDictionary);
    return table.Rows();
}

// A settings file in a folder of its own, holding a nickname and table 0.
class HighScoreKill : public ::testing::Test {
protected:
    HighScoreKill()
    {
        UserRegistry::SetFilePath(path);
        Persist store(true);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("Keeper"));
        tables[0].Save(store, KillTestDictionary);
    }
    ~HighScoreKill() override { UserRegistry::SetFilePath(QString()); }

    // Runs one uninterrupted save of table `which`, which must end in time and store that table.
    void SaveInAnotherProcess(int which)
    {
        QProcess save;
        save.start(QStringLiteral(GLIM_SCORE_SAVER), {path, QString::number(which)});
        if (!save.waitForFinished(10000)) {
            save.kill();
            save.waitForFinished();
            QFile lock(path + QStringLiteral(".lock"));
            FAIL() << "the save is held up by the lock \"" << (lock.open(QIODevice::ReadOnly) ? lock.readAll().toStdString() : "")
                   << '"';
        }
        EXPECT_EQ(save.exitCode(), 0);
        EXPECT_EQ(StoredRows(), tables[which].Rows()) << "the save was lost";
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("registry.reg"));
    const ScoreTable tables[2] = {KillTestTable(0), KillTestTable(1)};
};

}  // namespace

TEST_F(HighScoreKill, AKilledSaveLeavesTheOldOrTheNewTableAndTheNextSaveGoesThrough)
{
    std::mt19937 random(8);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    for (int run = 0; run < 150 && !HasFailure(); ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run);
        QProcess saver;
        saver.start(QStringLiteral(GLIM_SCORE_SAVER), {path});
        ASSERT_TRUE(saver.waitForStarted(10000)) << qPrintable(saver.errorString());
        ASSERT_TRUE(saver.waitForReadyRead(30000)) << "the saver never saved";
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10000));
        ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit) << "the saver ended by itself";

        const std::vector<ScoreRow> stored = StoredRows();
        QString nickname;
        Persist(false).readString(QStringLiteral("Nickname"), nickname);
        ASSERT_TRUE((stored == tables[0].Rows() || stored == tables[1].Rows()) && nickname == QStringLiteral("Keeper"))
            << "the file holds " << stored.size() << " rows of neither table, nickname " << qPrintable(nickname);
        // Whatever the killed saver left behind must not hold up the next save (a lock taken for
        // stale only after 30 seconds would).
        SaveInAnotherProcess(run % 2);
    }
    // A save killed while writing leaves its unfinished copy behind under a name of its own; it is
    // never read and never in the way. Nothing else may be left: no lock, no second settings file.
    const QRegularExpression unfinishedCopy(QStringLiteral("^registry\\.reg(\\.[A-Za-z0-9]{6})?$"));
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System))
        EXPECT_TRUE(unfinishedCopy.match(name).hasMatch()) << qPrintable(name);
}
