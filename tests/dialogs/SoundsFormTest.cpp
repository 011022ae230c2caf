#include "dialogs/options.h"
#include "dialogs/sounds.h"

#include "GameTestSupport.h"
#include "platform/UserRegistry.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include <QFileDialog>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QString CurrentValue(int event)
{
    const auto key = RegistryKey::Open(QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) +
                                       QStringLiteral("\\.current"));
    return key ? key->String(QString()) : QStringLiteral("<absent>");
}

TEST(SoundsForm, ShowsTheSchemesCurrentFileOfEachEvent)
{
    GameFixture game;
    TSoundsForm sounds;
    sounds.ReadScheme();
    for (int event = 0; event < SoundEventCount; ++event)
        EXPECT_EQ(sounds.Path(event), CurrentValue(event));
    EXPECT_EQ(sounds.EventList->topLevelItem(EndRound)->text(0), QStringLiteral("End Round"));
    EXPECT_EQ(sounds.EventList->topLevelItem(EndRound)->text(1), QStringLiteral("EndRound.wav"));
}

TEST(SoundsForm, OkWritesTheChoicesThatTheSoundPlayerThenReads)
{
    GameFixture game;
    int result = 0;
    AnswerNextModal([&](QWidget* dialog) {
        auto* sounds = qobject_cast<TSoundsForm*>(dialog);
        ASSERT_NE(sounds, nullptr);
        sounds->SelectEvent(SelectTile);
        sounds->NoSoundButton->click();
        sounds->SelectEvent(HighWord);
        sounds->DefaultButton->click();
        sounds->OKButton->click();
    });
    {
        TSoundsForm sounds;
        result = sounds.Execute();
    }
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(CurrentValue(SelectTile), QString());
    // Without a "\.default" entry the default is the file installed beside the program.
    EXPECT_EQ(CurrentValue(HighWord), AppFilePath(QStringLiteral("highword.wav")));

    auto output = std::make_unique<RecordingOutput>();
    RecordingOutput* played = output.get();
    Sounder sounder(std::move(output), [] { return 0u; });
    EXPECT_TRUE(sounder.Path(SelectTile).isEmpty());
    const std::size_t before = played->played.size();
    sounder.play(SelectTile);
    sounder.play(HighWord);
    ASSERT_EQ(played->played.size(), before + 1);
    EXPECT_EQ(played->played.back(), AppFilePath(QStringLiteral("highword.wav")));
}

TEST(SoundsForm, CancelWritesNothing)
{
    GameFixture game;
    const QString before = CurrentValue(LowWord);
    AnswerNextModal([](QWidget* dialog) {
        auto* sounds = qobject_cast<TSoundsForm*>(dialog);
        ASSERT_NE(sounds, nullptr);
        sounds->SelectEvent(LowWord);
        sounds->NoSoundButton->click();
        sounds->CancelButton->click();
    });
    TSoundsForm sounds;
    EXPECT_EQ(sounds.Execute(), QDialog::Rejected);
    EXPECT_EQ(CurrentValue(LowWord), before);
}

TEST(SoundsForm, ChooseTakesTheWaveFilePickedInTheFileDialog)
{
    GameFixture game;
    const QString picked = game.settingsDir.filePath(QStringLiteral("NewLife.wav"));
    TSoundsForm sounds;
    sounds.ReadScheme();
    sounds.SelectEvent(LowWord);
    AnswerNextModal([picked](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(picked);
        QMetaObject::invokeMethod(files, "accept");
    });
    sounds.ChooseButtonClick();
    EXPECT_EQ(sounds.Path(LowWord), picked);
}

TEST(SoundsForm, TheOptionsDialogOpensIt)
{
    GameFixture game;
    QString title;
    AnswerNextModal([](QWidget* dialog) { FinishDialog(dialog, false); }, &title);
    OptionsForm->SoundsButton->click();
    EXPECT_EQ(title, QStringLiteral("Glimmerquake Sounds"));
}

} // namespace
