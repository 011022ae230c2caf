// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file with values of the wrong type (damaged lines are the settings format's own
// tests): the game must start, report each value it cannot use once, play, and keep the rest.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "dialogs/ScoreTable.h"
#include "dialogs/newgame.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QFile>

namespace {

// Each named value has the wrong type where the game reads it. A placement is dropped as a whole
// at its first unusable value, so each window gets one bad value at a place the game reads.
const QStringList wrongValueNames{"Nickname",           "Dictionary",     "SelectTileSounds",   "EnterWordSounds",
                                  "EndRoundSounds",     "HowToPlay",      "GlimmerFormWidth",   "GlimmerFormMaximized",
                                  "NewGameFormLeft",    "OptionsFormTop", "ScoresColumnWidth0", "ScoresColumnWidth1",
                                  "ScoresColumnWidth2", "English0"};
const QByteArray wrongTypesFile(
    "[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]\n"
    "\"Nickname\"=dword:00000007\n\"Dictionary\"=dword:00000001\n\"SelectTileSounds\"=\"yes\"\n"
    "\"EnterWordSounds\"=\"1\"\n\"EndRoundSounds\"=\"0\"\n\"HowToPlay\"=\"no\"\n"
    "\"GlimmerFormLeft\"=\"40\"\n\"GlimmerFormTop\"=\"30\"\n\"GlimmerFormWidth\"=dword:00000300\n"
    "\"GlimmerFormHeight\"=\"500\"\n\"GlimmerFormMaximized\"=dword:00000001\n"
    "\"NewGameFormLeft\"=dword:00000010\n\"NewGameFormTop\"=\"10\"\n\"OptionsFormLeft\"=\"10\"\n"
    "\"OptionsFormTop\"=dword:00000010\n\"ScoresColumnWidth0\"=\"wide\"\n\"ScoresColumnWidth1\"=\"80\"\n"
    "\"ScoresColumnWidth2\"=\"\"\n\"English0\"=dword:00000064\n"
    "\"TestWords0\"=\"500\\tKeeper\\tQUIT\"\n\"TestWords1\"=\"300\\tKeeper\\tCAT\"\n\"TestWords2\"=\"\"\n\n"
    "[\\AppEvents\\Schemes\\Apps\\Glimmerquake Evaluation\\Select Word\\.current]\n@=dword:00000001\n");

}  // namespace

TEST(BadSettings, EachValueOfTheWrongTypeIsReportedOnceAndTheOtherValuesSurviveTheSave)
{
    GameFixture game;
    game.probe.reset(), game.windows.reset();  // they save as they close: before the file is spoiled
    QFile file(UserRegistry::FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(wrongTypesFile) == wrongTypesFile.size() && file.flush());
    ModalRecorder recorder;
    game.Restart();
    // A sound scheme value of the wrong type names no file: that event is silent, unreported like
    // every other scheme failure.
    EXPECT_TRUE(game.probe->sounder().Path(SelectWord).isEmpty() && !game.probe->sounder().Path(SelectTile).isEmpty());
    game.probe->preplayOptionsButtonClick();  // reads its own placement as it opens
    ASSERT_TRUE(StartPlay(*game.probe));
    PlayToTheEnd(*game.probe, {"C", "A", "T"});
    EXPECT_TRUE(!game.probe->IsPlayPanelShown() && game.probe->score() > 0) << "the default dictionary took the word";
    EXPECT_EQ(NewGameForm->GetDictionary(), QStringLiteral("English"));
    game.probe.reset(), game.windows.reset();
    for (const QString& name : wrongValueNames)
        EXPECT_EQ(recorder.ReportsNaming(name), 1) << qPrintable(name);
    EXPECT_EQ(recorder.messages.size(), wrongValueNames.size()) << qPrintable(recorder.messages.join(u'\n'));
    EXPECT_EQ(recorder.dialogTitles, (QStringList{"Options", "Game Over"}));

    const Persist store(false);
    ScoreTable kept, entered;
    kept.Load(store, QStringLiteral("TestWords"));
    entered.Load(store, QStringLiteral("English"));
    EXPECT_EQ(kept.Rows(), (std::vector<ScoreRow>{{"500", "Keeper", "QUIT", true}, {"300", "Keeper", "CAT", true}}))
        << "the valid table beside the garbage is kept";
    EXPECT_TRUE(entered.Count() == 1 && entered.Rows()[0].player == QStringLiteral("Anonymous"))
        << "the game's result replaced the unusable row";
    // The next run reads every value it wrote with the right type: nothing more to report.
    int width = 0;
    QString nickname;
    EXPECT_TRUE(store.readInteger(QStringLiteral("ScoresColumnWidth0"), width) &&
                store.readString(QStringLiteral("Nickname"), nickname) && nickname == QStringLiteral("Anonymous"));
}
