// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseHarness.h"
#include "WavFile.h"

#include "platform/DesktopSound.h"
#include "platform/SoundClip.h"
#include "platform/SoundOutput.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

using namespace std::chrono_literals;

// The default sounds are mono at the stream's rate, each the file approved by ear: audible
// without clipping and silent at both ends. (A game without a sound server is the bad sound file
// test's.) With a server, a long sound from memory, then a short one from its file while the
// first still plays: both are heard, and from where the second starts it is heard alone to its
// end, then silence. A long file streams, and a sound after the stream has rested in silence is
// heard.
// (One server for every part: each start of one takes seconds.)
TEST(PulseSoundOutput, TheDefaultSoundsAreHeardANewSoundCutsTheOnePlayingAndALongFileStreams)
{
    const auto path = [](const char* name) { return QStringLiteral(GLIM_BIN_DIR "/") + QString::fromLatin1(name); };
    const auto image = [&path](const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCryptographicHash sounds(QCryptographicHash::Md5);
    for (const char* name :
         {"select.wav", "word.wav", "newlife.wav", "endRound.wav", "highword.wav", "lowword.wav", "refuse.wav"}) {
        const auto clip = DecodeSoundClip(image(name));
        ASSERT_TRUE(clip && clip->rate == PrivateSoundServer::rate && clip->channels == 1) << name;
        sounds.addData(image(name));
    }
    EXPECT_EQ(sounds.result().toHex().left(16).toStdString(), "2840b17277b39d2f");  // whose MD5 sum begins so
    if (const std::string why = PrivateSoundServer::Unavailable(); !why.empty())
        GTEST_SKIP() << "No sound server to test with: " << why;
    PrivateSoundServer server;
    ASSERT_TRUE(server.Running() && server.StartRecording()) << "no server or no recording; see " << server.Log();
    const QByteArray longImage = image("newlife.wav");
    const auto longClip = DecodeSoundClip(longImage);
    const auto shortClip = DecodeSoundClip(image("select.wav"));
    // The game's output: the sound module beside the program loads and connects with the first
    // sound, which is heard whole.
    int argc = 1;
    char name[] = "sound_output_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const std::unique_ptr<SoundOutput> output = NewDesktopSoundOutput();
    output->PlayImage(longImage);
    std::this_thread::sleep_for(150ms);
    output->PlayFile(path("select.wav"));
    std::this_thread::sleep_for(900ms);
    const std::vector<std::int16_t> heard = server.StopRecording();
    const long first = FindClip(heard, *longClip, 0, heard.size());
    ASSERT_GE(first, 0) << "the first sound was not heard";
    const long second = FindClip(heard, *shortClip, static_cast<std::size_t>(first) + 1, heard.size());
    ASSERT_GT(second, first) << "the second sound was not heard after the first";
    EXPECT_LT(static_cast<std::size_t>(second - first), longClip->samples.size()) << "it did not cut the first";
    const std::size_t start = static_cast<std::size_t>(second), end = start + shortClip->samples.size();
    ASSERT_LE(end + PrivateSoundServer::rate / 10, heard.size());
    for (std::size_t i = start; i < end + PrivateSoundServer::rate / 10; ++i)
        ASSERT_LE(std::abs(heard[i] - (i < end ? shortClip->samples[i - start] : 0)), 2) << "at " << i - start;
    // A sound file longer than the game holds in memory (31 seconds) is played as it is read, its
    // pieces joined without a gap.
    constexpr std::uint32_t rate = PrivateSoundServer::rate;
    SoundClip whole{rate, 1, std::vector<std::int16_t>(31 * rate)};
    for (std::size_t i = 0; i < whole.samples.size(); ++i)  // a rising tone, never quiet
        whole.samples[i] = static_cast<std::int16_t>(
            8000 + 4000 * std::sin(0.05 * static_cast<double>(i) + 1e-7 * static_cast<double>(i * i)));
    const QByteArray file = MonoWav(rate, whole.samples);
    QTemporaryDir folder;
    QFile wav(folder.filePath(QStringLiteral("long.wav")));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly) && wav.write(file) == file.size() && wav.flush());
    ASSERT_TRUE(server.StartRecording()) << "no second recording; see " << server.Log();
    output->PlayFile(wav.fileName());
    std::this_thread::sleep_for(1500ms);
    const std::vector<std::int16_t> streamed = server.StopRecording();
    const long begins = FindClip(streamed, whole, 0, streamed.size());
    ASSERT_GE(begins, 0) << "the long file was not heard";
    const SoundClip later{rate, 1, {whole.samples.begin() + rate * 7 / 10, whole.samples.begin() + rate * 9 / 10}};
    EXPECT_EQ(FindClip(streamed, later, static_cast<std::size_t>(begins), streamed.size()), begins + rate * 7 / 10)
        << "the second piece does not follow the first";
    // Stopped, the stream rests after ten seconds of silence; the next sound wakes it.
    output->PlayFile(QString());
    std::this_thread::sleep_for(10500ms);
    ASSERT_TRUE(server.StartRecording()) << "no third recording; see " << server.Log();
    output->PlayImage(longImage);
    std::this_thread::sleep_for(600ms);
    EXPECT_GE(FindClip(server.StopRecording(), *longClip, 0, SIZE_MAX), 0) << "no sound after a rest";
}
