// Settings files the game did not write: random bytes, near misses of the format, and values of
// the wrong type. The game must start, report what it cannot use, play, and keep the rest.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "dialogs/ScoreTable.h"
#include "dialogs/newgame.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QFile>

#include <functional>
#include <random>

namespace {

// Each named value has the wrong type where the game reads it. A placement is dropped as a whole
// at its first unusable value, so each window gets one bad value at a place the game reads.
const QStringList wrongValueNames{
    "Nickname", "Dictionary", "SelectTileSounds", "EnterWordSounds", "EndRoundSounds", "HowToPlay",
    "GlimmerFormWidth", "GlimmerFormMaximized", "NewGameFormLeft", "OptionsFormTop",
    "ScoresColumnWidth0", "ScoresColumnWidth1", "ScoresColumnWidth2", "English0"};
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

// The file of wrong types with a few bytes changed, dropped or doubled: what a damaged disk or a
// careless hand edit would leave; or, for the first seeds, random bytes.
QByteArray DamagedFile(unsigned seed)
{
    std::mt19937 random(seed);
    const auto below = [&random](qsizetype n) { return std::uniform_int_distribution<qsizetype>(0, n - 1)(random); };
    QByteArray bytes;
    if (seed <= 5) {
        for (int i = 0; i < (64 << seed); ++i)
            bytes += static_cast<char>(below(256));
        return bytes;
    }
    bytes = wrongTypesFile;
    const QByteArray alphabet("\"\\[]=@:;\t\r\n\0dword0F", 20);
    for (qsizetype n = 1 + below(6); n > 0; --n) {
        const qsizetype at = below(bytes.size());
        switch (below(3)) {
        case 0: bytes[at] = alphabet[below(alphabet.size())]; break;
        case 1: bytes.remove(at, 1); break;
        default: bytes.insert(at, bytes[at]); break;
        }
    }
    return bytes;
}

// A settings file of the given bytes for the whole test.
class BadSettings : public ::testing::Test {
protected:
    BadSettings() { UserRegistry::SetFilePath(path); }
    ~BadSettings() override { UserRegistry::SetFilePath(QString()); }

    void WriteFile(const QByteArray& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }

    // Plays a game that enters a word and loses every life, then closes the windows, which saves.
    // Returns the dictionary played with.
    QString PlayAGame(ModalRecorder& recorder, const std::function<void(TGlimmerForm*)>& first = {})
    {
        GameWindows windows;
        TGlimmerForm* form = windows.glimmerForm.get();
        form->show();
        if (first)
            first(form);
        if (StartPlay(form))
            PlayToTheEnd(form, {"C", "A", "T"});
        EXPECT_TRUE(!form->IsPlayPanelShown() && form->lives == 0) << "the game came to its end";
        // A damaged file may name a dictionary that does not exist; then no word counts.
        EXPECT_TRUE(!form->DictionaryNotice().isEmpty() ||
                    (form->score > 0 && recorder.dialogTitles.count(QStringLiteral("Game Over")) == 1));
        return windows.newGameForm->GetDictionary();
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("registry.reg"));
};

}  // namespace

// The game starts on random bytes and damaged files, tells only of values of the wrong kind and
// plays; what such a file keeps through a save is the settings format's own concern.
TEST_F(BadSettings, RandomAndNearlyValidFilesDoNotStopTheGame)
{
    for (unsigned seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        WriteFile(DamagedFile(seed));
        ModalRecorder recorder;
        PlayAGame(recorder);
        for (const QString& message : recorder.messages)
            EXPECT_TRUE(message.contains(QStringLiteral("of the wrong kind"))) << qPrintable(message);
    }
}

TEST_F(BadSettings, EachValueOfTheWrongTypeIsReportedOnceAndTheOtherValuesSurviveTheSave)
{
    WriteFile(wrongTypesFile);
    ModalRecorder recorder;
    const QString dictionary = PlayAGame(recorder, [](TGlimmerForm* form) {
        // A sound scheme value of the wrong type names no file: that event is silent, unreported
        // like every other scheme failure.
        EXPECT_TRUE(form->sounder->Path(SelectWord).isEmpty());
        EXPECT_FALSE(form->sounder->Path(SelectTile).isEmpty());
        form->preplayOptionsButtonClick();  // reads its own placement as it opens
    });
    EXPECT_EQ(dictionary, QStringLiteral("English"));
    for (const QString& name : wrongValueNames)
        EXPECT_EQ(recorder.ReportsNaming(name), 1) << qPrintable(name);
    EXPECT_EQ(recorder.messages.size(), wrongValueNames.size()) << qPrintable(recorder.messages.join(u'\n'));

    const Persist store(false);
    ScoreTable kept;
    kept.Load(store, QStringLiteral("TestWords"));
    ASSERT_EQ(kept.Count(), 2) << "the valid table beside the garbage is kept";
    EXPECT_EQ(kept.Rows()[0], (ScoreRow{"500", "Keeper", "QUIT", true}));
    EXPECT_EQ(kept.Rows()[1], (ScoreRow{"300", "Keeper", "CAT", true}));
    ScoreTable entered;
    entered.Load(store, QStringLiteral("English"));
    ASSERT_EQ(entered.Count(), 1) << "the game's result replaced the unusable row";
    EXPECT_EQ(entered.Rows()[0].player, QStringLiteral("Anonymous"));
    // The next run reads every value it wrote with the right type: nothing more to report.
    int width = 0;
    EXPECT_TRUE(store.readInteger(QStringLiteral("ScoresColumnWidth0"), width));
    QString nickname;
    EXPECT_TRUE(store.readString(QStringLiteral("Nickname"), nickname));
    EXPECT_EQ(nickname, QStringLiteral("Anonymous"));
}
