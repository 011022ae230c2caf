// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseHarness.h"

#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// A sound file longer than the game holds in memory (31 seconds) is played as it is read, its
// pieces joined without a gap.
TEST(PulseSoundOutput, ALongFileIsHeardWithoutGaps)
{
    if (const std::string why = PrivateSoundServer::Unavailable(); !why.empty())
        GTEST_SKIP() << "No sound server to test with: " << why;
    constexpr std::uint32_t rate = PrivateSoundServer::rate;
    SoundClip whole{rate, 1, std::vector<std::int16_t>(31 * rate)};
    for (std::size_t i = 0; i < whole.samples.size(); ++i)  // a rising tone, never quiet
        whole.samples[i] = static_cast<std::int16_t>(
            8000 + 4000 * std::sin(0.05 * static_cast<double>(i) + 1e-7 * static_cast<double>(i * i)));
    const std::uint32_t bytes = static_cast<std::uint32_t>(whole.Bytes());
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4), out << 36 + bytes, out.writeRawData("WAVEfmt ", 8);
    out << 16u << std::uint16_t{1} << std::uint16_t{1} << rate << rate * 2 << std::uint16_t{2} << std::uint16_t{16};
    out.writeRawData("data", 4), out << bytes;
    out.writeRawData(reinterpret_cast<const char*>(whole.samples.data()), static_cast<int>(bytes));
    QTemporaryDir folder;
    QFile wav(folder.filePath(QStringLiteral("long.wav")));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly) && wav.write(file) == file.size());
    wav.close();

    PrivateSoundServer server;
    ASSERT_TRUE(server.Running() && server.StartRecording()) << "no server or no recording; see " << server.Log();
    PulseSoundOutput output;
    std::this_thread::sleep_for(300ms);
    output.PlayFile(wav.fileName());
    std::this_thread::sleep_for(1500ms);
    const std::vector<std::int16_t> heard = server.StopRecording();
    const long start = FindClip(heard, whole, 0, heard.size());
    ASSERT_GE(start, 0) << "the long file was not heard";
    const SoundClip later{rate, 1, {whole.samples.begin() + rate * 7 / 10, whole.samples.begin() + rate * 9 / 10}};
    EXPECT_EQ(FindClip(heard, later, static_cast<std::size_t>(start), heard.size()), start + rate * 7 / 10)
        << "the second piece does not follow the first";
}
