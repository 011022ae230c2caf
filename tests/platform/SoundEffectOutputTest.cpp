#include "platform/SoundEffectOutput.h"

#include <QFile>
#include <QSoundEffect>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const char* const defaultSounds[] = {"select.wav", "word.wav", "newlife.wav",
                                     "endRound.wav", "highword.wav", "lowword.wav"};

} // namespace

// The desktop backend must accept every generated default sound; loading needs no audio device.
TEST(SoundEffectOutput, TheRealBackendLoadsEveryDefaultSound)
{
    for (const char* name : defaultSounds) {
        const QString path = QStringLiteral(GLIM_BIN_DIR "/") + QString::fromLatin1(name);
        ASSERT_TRUE(QFile::exists(path)) << name;
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(path));
        const bool settled = QTest::qWaitFor(
            [&] { return effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error; }, 5000);
        EXPECT_TRUE(settled) << name;
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << name;
    }
}

TEST(SoundEffectOutput, PlayingImagesFilesAndNothingInTurnIsSafe)
{
    QFile file(QStringLiteral(GLIM_BIN_DIR "/select.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray image = file.readAll();
    SoundEffectOutput output;
    output.PlayImage(image);
    output.PlayImage(image);
    // The caller may drop its image while the output may still play it.
    image = QByteArray();
    output.PlayFile(QStringLiteral(GLIM_BIN_DIR "/word.wav"));
    output.PlayFile(QStringLiteral("/no/such/file.wav"));
    output.PlayImage(QByteArray("not a wave file"));
    output.PlayFile(QString());
    QTest::qWait(50);
}
