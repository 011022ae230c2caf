#include "PulseHarness.h"

#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace {

const char* const defaultSounds[] = {"select.wav", "word.wav", "newlife.wav",
                                     "endRound.wav", "highword.wav", "lowword.wav"};

QByteArray DefaultSound(const char* name)
{
    QFile file(QStringLiteral(GLIM_BIN_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

// Without a sound server every call is taken quietly.
TEST(PulseSoundOutput, WithoutAServerImagesFilesAndNothingPlayQuietly)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/glimmerquake/native");
    {
        PulseSoundOutput output;
        QByteArray image = DefaultSound("select.wav");
        ASSERT_FALSE(image.isEmpty());
        output.PlayImage(image);
        image = QByteArray();  // the caller may drop its image while the output may still play it
        output.PlayFile(QStringLiteral(GLIM_BIN_DIR "/word.wav"));
        output.PlayFile(QString());
        output.PlayImage(QByteArray("no sound"));
    }
    qunsetenv("PULSE_SERVER");
}

// Six default sounds three times over, asked for 150 ms apart: each must be heard, in order,
// starting within 50 ms of its request, and each cuts the one before it short.
TEST(PulseSoundOutput, EverySoundIsHeardInOrderPromptlyAndCutsTheOneBefore)
{
    if (const std::string why = PrivateSoundServer::Unavailable(); !why.empty())
        GTEST_SKIP() << "No sound server to test with: " << why;
    PrivateSoundServer server;
    ASSERT_TRUE(server.Running()) << "the server did not start; see " << server.Log();
    MonitorRecorder recorder;
    ASSERT_TRUE(recorder.WaitForSamples()) << "the recorder got no samples";

    std::vector<QByteArray> images;
    std::vector<std::shared_ptr<const SoundClip>> clips;
    for (const char* name : defaultSounds) {
        images.push_back(DefaultSound(name));
        clips.push_back(DecodeSoundClip(images.back()));
        ASSERT_NE(clips.back(), nullptr) << name;
        ASSERT_EQ(clips.back()->rate, PrivateSoundServer::rate) << name;
        ASSERT_EQ(clips.back()->channels, 1) << name;
    }

    PulseSoundOutput output;
    // As a game would, with the output connected in the background since start-up.
    std::this_thread::sleep_for(300ms);

    struct Play {
        std::size_t sound;
        Clock::time_point asked;
    };
    std::vector<Play> plays;
    Clock::time_point next = Clock::now() + 100ms;
    for (int round = 0; round < 3; ++round) {
        for (std::size_t sound = 0; sound < std::size(defaultSounds); ++sound) {
            std::this_thread::sleep_until(next);
            const Clock::time_point asked = Clock::now();
            output.PlayImage(images[sound]);
            plays.push_back({sound, asked});
            next += 150ms;
        }
    }
    std::this_thread::sleep_until(next + 1s);
    recorder.Stop();

    const std::vector<std::int16_t>& recording = recorder.Samples();
    const Clock::duration allowed = 50ms + recorder.Jitter();
    std::cout << "recorder jitter " << Milliseconds(recorder.Jitter()) << " ms; delays:";
    long previous = -1;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        const Play& play = plays[i];
        const char* name = defaultSounds[play.sound];
        const std::size_t from = recorder.SampleAt(play.asked - 5ms);
        const long at = FindClip(recording, *clips[play.sound], from, recorder.SampleAt(play.asked + 300ms));
        ASSERT_GE(at, 0) << "play " << i << " (" << name << ") was not heard";
        EXPECT_GT(at, previous) << "play " << i << " (" << name << ") came out of order";
        const Clock::duration delay = recorder.TimeOf(static_cast<std::size_t>(at)) - play.asked;
        std::cout << ' ' << Milliseconds(delay);
        EXPECT_LE(delay, allowed) << "play " << i << " (" << name << ") started " << Milliseconds(delay)
                                  << " ms after its request";
        // Whatever played before stops where this one starts: 50 ms of this sound alone.
        const long differs =
            FirstDifference(recording, *clips[play.sound], static_cast<std::size_t>(at), PrivateSoundServer::rate / 20);
        EXPECT_EQ(differs, -1) << "play " << i << " (" << name << ") is not heard alone from sample " << differs
                               << " on";
        previous = at;
    }
    std::cout << " ms\n";
}
