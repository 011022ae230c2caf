// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseHarness.h"

#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using namespace std::chrono_literals;

// The default sounds are mono at the stream's rate, audible without clipping and silent at both
// ends. Without a sound server every call is taken quietly, also when the caller drops its image.
// With one, a long sound from memory, then a short one from its file while the first still plays:
// both are heard, and from where the second starts it is heard alone to its end, then silence.
TEST(PulseSoundOutput, TheDefaultSoundsAreHeardAndANewSoundCutsTheOnePlaying)
{
    const auto path = [](const char* name) { return QStringLiteral(GLIM_BIN_DIR "/") + QString::fromLatin1(name); };
    const auto image = [&path](const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const char* name : {"select.wav", "word.wav", "newlife.wav", "endRound.wav", "highword.wav", "lowword.wav"}) {
        const auto clip = DecodeSoundClip(image(name));
        ASSERT_TRUE(clip && clip->rate == PrivateSoundServer::rate && clip->channels == 1) << name;
        const auto [low, high] = std::minmax_element(clip->samples.begin(), clip->samples.end());
        EXPECT_TRUE(std::max(-*low, +*high) > 8000 && std::max(-*low, +*high) < 32000) << name;
        EXPECT_TRUE(std::abs(clip->samples.front()) <= 64 && std::abs(clip->samples.back()) <= 64) << name;
    }
    qputenv("PULSE_SERVER", "unix:/nonexistent/glimmerquake/native");
    {
        PulseSoundOutput output;
        output.PlayImage(image("select.wav"));  // the caller's image goes at once
        output.PlayFile(path("word.wav"));
        output.PlayFile(QString());
        output.PlayImage(QByteArray("no sound"));
    }
    qunsetenv("PULSE_SERVER");
    if (const std::string why = PrivateSoundServer::Unavailable(); !why.empty())
        GTEST_SKIP() << "No sound server to test with: " << why;
    PrivateSoundServer server;
    ASSERT_TRUE(server.Running() && server.StartRecording()) << "no server or no recording; see " << server.Log();
    const QByteArray longImage = image("newlife.wav");
    const auto longClip = DecodeSoundClip(longImage);
    const auto shortClip = DecodeSoundClip(image("select.wav"));
    PulseSoundOutput output;
    std::this_thread::sleep_for(300ms);  // connected in the background, as at a game's start-up
    output.PlayImage(longImage);
    std::this_thread::sleep_for(150ms);
    output.PlayFile(path("select.wav"));
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
}
