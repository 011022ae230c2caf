// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files that are no WAV: nothing is decoded, and a game with one of them as its word sound
// plays to its end without a message.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "platform/SoundClip.h"

#include <QDir>
#include <QFile>

TEST(BadSoundFile, NothingIsDecodedAndAGameGoesOn)
{
    for (const QByteArray& bytes : {QByteArray("This is not a sound at all.\n"), QByteArray(),
                                    QByteArray("RIFF\x24\x08\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00", 22)})
        EXPECT_EQ(DecodeSoundClip(bytes), nullptr) << bytes.size() << " bytes";  // the last stops in its format
    GameFixture game;
    for (const QString& bad : {QStringLiteral("text.wav"), QStringLiteral("folder.wav")}) {
        SCOPED_TRACE(bad.toStdString());
        const QString path = game.settingsDir.filePath(bad);
        QFile file(path);
        ASSERT_TRUE(bad == QStringLiteral("folder.wav") ? QDir(game.settingsDir.path()).mkpath(bad)
                                                        : file.open(QIODevice::WriteOnly) && file.write("text") == 4);
        file.close();
        SetEventSound(SelectWord, path);
        ModalRecorder recorder;
        game.windows.reset();
        game.windows = std::make_unique<GameWindows>(std::make_unique<Sounder>());
        TGlimmerForm* form = game.windows->glimmerForm.get();
        GlimmerFormProbe probe(*form);
        form->show();
        EXPECT_EQ(probe->sounder().Path(SelectWord), path);
        ASSERT_TRUE(StartPlay(probe));
        PlayToTheEnd(probe, {"C", "A", "T"});
        EXPECT_GT(probe->score(), 0u) << "the word was entered with its sound";
        EXPECT_EQ(recorder.dialogTitles, QStringList{QStringLiteral("Game Over")});
        EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
    }
}
