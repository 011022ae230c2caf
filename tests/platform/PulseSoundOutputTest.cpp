#include "PulseHarness.h"

#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace std::chrono_literals;

namespace {

QString DefaultSoundPath(const char* name)
{
    return QStringLiteral(GLIM_BIN_DIR "/") + QString::fromLatin1(name);
}

QByteArray DefaultSound(const char* name)
{
    QFile file(DefaultSoundPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The generated sounds the game plays by default: short, mono at the stream's rate, audible but
// clear of clipping, without a click at either end, and each its own.
TEST(DefaultSounds, AreShortAudibleCleanAndDistinct)
{
    const std::pair<const char*, double> sounds[] = {{"select.wav", 0.5},  {"word.wav", 0.5},    {"highword.wav", 0.5},
                                                     {"lowword.wav", 0.5}, {"newlife.wav", 1.5}, {"endRound.wav", 1.5}};
    std::set<std::vector<std::int16_t>> distinct;
    for (const auto& [name, maxSeconds] : sounds) {
        SCOPED_TRACE(name);
        const auto clip = DecodeSoundClip(DefaultSound(name));
        ASSERT_NE(clip, nullptr);
        EXPECT_EQ(clip->rate, PrivateSoundServer::rate);
        EXPECT_EQ(clip->channels, 1);
        const std::vector<std::int16_t>& s = clip->samples;
        ASSERT_GT(s.size(), 0.03 * PrivateSoundServer::rate);
        EXPECT_LT(s.size(), maxSeconds * PrivateSoundServer::rate);
        const int peak = std::abs(*std::max_element(s.begin(), s.end(), [](int a, int b) { return std::abs(a) < std::abs(b); }));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32000);
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_LE(std::abs(s[i]), i == 0 ? 64 : 1600) << "sample " << i;
            EXPECT_LE(std::abs(s[s.size() - 1 - i]), i == 0 ? 64 : 1600) << "from the end " << i;
        }
        distinct.insert(s);
    }
    EXPECT_EQ(distinct.size(), std::size(sounds));
}

// Without a sound server every call is taken quietly, also when the caller drops its image.
TEST(PulseSoundOutput, WithoutAServerEveryCallIsTakenQuietly)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/glimmerquake/native");
    {
        PulseSoundOutput output;
        QByteArray image = DefaultSound("select.wav");
        ASSERT_FALSE(image.isEmpty());
        output.PlayImage(image);
        image = QByteArray();
        output.PlayFile(DefaultSoundPath("word.wav"));
        output.PlayFile(QString());
        output.PlayImage(QByteArray("no sound"));
    }
    qunsetenv("PULSE_SERVER");
}

// A long sound from memory, then a short one from its file while the first still plays: both are
// heard, and from where the second starts it is heard alone to its end, then silence.
TEST(PulseSoundOutput, ASoundIsHeardAndTheNextOneCutsItShort)
{
    if (const std::string why = PrivateSoundServer::Unavailable(); !why.empty())
        GTEST_SKIP() << "No sound server to test with: " << why;
    PrivateSoundServer server;
    ASSERT_TRUE(server.Running()) << "the server did not start; see " << server.Log();
    MonitorRecorder recorder;
    ASSERT_TRUE(recorder.WaitForSamples()) << "the recorder got no samples";
    const QByteArray longImage = DefaultSound("newlife.wav");
    const auto longClip = DecodeSoundClip(longImage);
    const auto shortClip = DecodeSoundClip(DefaultSound("select.wav"));
    ASSERT_TRUE(longClip && shortClip);

    PulseSoundOutput output;
    std::this_thread::sleep_for(300ms);  // connected in the background, as at a game's start-up
    output.PlayImage(longImage);
    std::this_thread::sleep_for(150ms);
    output.PlayFile(DefaultSoundPath("select.wav"));
    std::this_thread::sleep_for(900ms);
    recorder.Stop();

    const std::vector<std::int16_t>& heard = recorder.Samples();
    const long first = FindClip(heard, *longClip, 0, heard.size());
    ASSERT_GE(first, 0) << "the first sound was not heard";
    const long second = FindClip(heard, *shortClip, static_cast<std::size_t>(first) + 1, heard.size());
    ASSERT_GT(second, first) << "the second sound was not heard after the first";
    EXPECT_LT(static_cast<std::size_t>(second - first), longClip->samples.size()) << "it did not cut the first short";
    const std::size_t end = static_cast<std::size_t>(second) + shortClip->samples.size();
    ASSERT_LE(end + PrivateSoundServer::rate / 10, heard.size());
    for (std::size_t i = static_cast<std::size_t>(second); i < end + PrivateSoundServer::rate / 10; ++i) {
        const int alone = i < end ? shortClip->samples[i - static_cast<std::size_t>(second)] : 0;
        ASSERT_LE(std::abs(heard[i] - alone), 2) << "not the second sound alone at sample " << i - second;
    }
}
