// Sound files that are no WAV: the real output and Sounder stay quiet, the other events keep their
// sounds and play goes on. Without a sound server only the decoding can be observed.

#include "GamePlay.h"
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "app/GameWindows.h"
#include "glimform/glimform.h"
#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"
#include "platform/UserRegistry.h"
#include "settings/Sounder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct BadSound {
    const char* name;
    QByteArray bytes;
    bool isFolder = false;
};

void PrintTo(const BadSound& sound, std::ostream* out) { *out << sound.name; }

const std::vector<BadSound> badSounds{
    {"text.wav", "This is not a sound at all.\n"},
    {"empty.wav", ""},
    // A RIFF header that stops in the middle of its format chunk.
    {"cut.wav", QByteArray("RIFF\x24\x08\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00", 22)},
    {"folder.wav", "", true},
};

QString MakeSound(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes, bool isFolder = false)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (isFolder)
        QDir().mkpath(path);
    else if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

class BadSoundFileTest : public ::testing::TestWithParam<BadSound> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        UserRegistry::SetFilePath(folder.filePath(QStringLiteral("registry.reg")));
        badPath = MakeSound(folder, QString::fromLatin1(GetParam().name), GetParam().bytes, GetParam().isFolder);
        // Every other event gets a file holding its name, so a recording tells them apart.
        for (int event = 0; event < SoundEventCount; ++event) {
            const QString name = QStringLiteral("event%1").arg(event);
            const QString path = MakeSound(folder, name + QStringLiteral(".wav"), name.toLatin1());
            const auto key = RegistryKey::Create(QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) +
                                                 QStringLiteral("\\.current"));
            key->SetString(QString(), event == SelectWord ? badPath : path);
            ASSERT_TRUE(key->Flush());
        }
    }
    void TearDown() override { UserRegistry::SetFilePath(QString()); }

    QTemporaryDir folder;
    QString badPath;
};

} // namespace

TEST_P(BadSoundFileTest, NothingPlayableIsDecoded)
{
    EXPECT_EQ(DecodeSoundClip(GetParam().bytes), nullptr);
}

TEST_P(BadSoundFileTest, TheOtherEventsStillPlay)
{
    auto output = std::make_unique<RecordingOutput>();
    RecordingOutput* recording = output.get();
    Sounder sounder(std::move(output), [] { return 0u; });
    recording->played.clear();
    for (int event = 0; event < SoundEventCount; ++event)
        sounder.play(static_cast<SoundEvent>(event));
    ASSERT_EQ(recording->played.size(), static_cast<std::size_t>(SoundEventCount));
    for (int event = 0; event < SoundEventCount; ++event) {
        if (event != SelectWord) {
            EXPECT_EQ(recording->played[static_cast<std::size_t>(event)], QStringLiteral("event%1").arg(event));
        }
    }
}

TEST_P(BadSoundFileTest, TheRealOutputTakesItQuietlyAndAGamePlaysToItsEnd)
{
    {
        PulseSoundOutput output;
        output.PlayFile(badPath);
        QFile file(badPath);
        if (file.open(QIODevice::ReadOnly))
            output.PlayImage(file.readAll());
        output.PlayFile(folder.filePath(QStringLiteral("event0.wav")));
        QCoreApplication::processEvents();
        output.PlayFile(QString());
    }
    ChooseDictionary(QStringLiteral("TestWords"));
    ModalRecorder recorder;
    GameWindows windows;
    TGlimmerForm* form = windows.glimmerForm.get();
    form->show();
    EXPECT_EQ(form->sounder->Path(SelectWord), badPath);
    PlayWholeGame(form, {"C", "A", "T"});
    EXPECT_FALSE(form->IsPlayPanelShown());
    EXPECT_GT(form->score, 0u) << "the word was entered with its sound";
    EXPECT_EQ(recorder.dialogTitles, QStringList{QStringLiteral("Game Over")});
    EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(NotAWav, BadSoundFileTest, ::testing::ValuesIn(badSounds), [](const auto& info) {
    const std::string name = info.param.name;
    return name.substr(0, name.find('.'));
});
