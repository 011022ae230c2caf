// Sound files that are no WAV: nothing is decoded, and a game with one of them as its word sound
// plays to its end without a message.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "platform/SoundClip.h"

#include <QDir>
#include <QFile>

TEST(BadSoundFile, NothingIsDecodedAndAGameGoesOn)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } badSounds[] = {
        {"text.wav", "This is not a sound at all.\n"},
        {"empty.wav", ""},
        {"cut.wav", QByteArray("RIFF\x24\x08\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00", 22)},  // stops in its format
        {"folder.wav", {}},
    };
    for (const auto& bad : badSounds) {
        SCOPED_TRACE(bad.name);
        GameFixture game;
        const QString path = game.settingsDir.filePath(QString::fromLatin1(bad.name));
        QFile file(path);
        if (bad.bytes.isNull())
            QDir().mkpath(path);
        else
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bad.bytes) == bad.bytes.size());
        file.close();
        EXPECT_EQ(DecodeSoundClip(bad.bytes), nullptr);
        SetEventSound(SelectWord, path);
        ModalRecorder recorder;
        game.windows.reset();
        game.windows = std::make_unique<GameWindows>();
        TGlimmerForm* form = game.windows->glimmerForm.get();
        form->show();
        EXPECT_EQ(form->sounder->Path(SelectWord), path);
        ASSERT_TRUE(StartPlay(form));
        PlayToTheEnd(form, {"C", "A", "T"});
        EXPECT_GT(form->score, 0u) << "the word was entered with its sound";
        EXPECT_EQ(recorder.dialogTitles, QStringList{QStringLiteral("Game Over")});
        EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
    }
}
