// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files that are no WAV: nothing is decoded, and a game whose word sound is a folder and
// whose other sounds are text files (the fixture's own) plays to its end without a message.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"

#include <QDir>

TEST(BadSoundFile, NothingIsDecodedAndAGameGoesOn)
{
    for (const QByteArray& bytes : {QByteArray("This is not a sound at all.\n"), QByteArray(),
                                    QByteArray("RIFF\x24\x08\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00", 22)})
        EXPECT_EQ(DecodeSoundClip(bytes), nullptr) << bytes.size() << " bytes";  // the last stops in its format
    GameFixture game;
    const QString folder = game.settingsDir.filePath(QStringLiteral("folder.wav"));
    ASSERT_TRUE(QDir().mkpath(folder));
    SetEventSound(SelectWord, folder);
    ModalRecorder recorder;
    game.Restart(std::make_unique<PulseSoundOutput>());
    EXPECT_EQ(game.probe->sounder().Path(SelectWord), folder);
    ASSERT_TRUE(StartPlay(*game.probe));
    PlayToTheEnd(*game.probe, {"C", "A", "T"});
    EXPECT_GT(game.probe->score(), 0u) << "the word was entered with its sound";
    EXPECT_EQ(recorder.dialogTitles, QStringList{QStringLiteral("Game Over")});
    EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
}
