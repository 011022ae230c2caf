// How long after a play request the sound's first sample reaches the sink of a private
// PulseAudio server, for the short select sound asked for every 120 ms (each one replacing the
// last) and for the long new-life sound cut short after 120 ms; and what the output costs with no
// server at all.
#include "PulseHarness.h"

#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <thread>

using namespace std::chrono_literals;

namespace {

void PlayRequestToSink(benchmark::State& state, const char* sound)
{
    if (const std::string why = PrivateSoundServer::Unavailable(); !why.empty()) {
        state.SkipWithError(why.c_str());
        return;
    }
    QFile file(QStringLiteral(GLIM_BIN_DIR "/") + QString::fromLatin1(sound));
    const QByteArray image = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::shared_ptr<const SoundClip> clip = DecodeSoundClip(image);
    PrivateSoundServer server;
    MonitorRecorder recorder;
    if (!clip || !server.Running() || !recorder.WaitForSamples()) {
        state.SkipWithError("no sound, server or recording");
        return;
    }
    PulseSoundOutput output;
    std::this_thread::sleep_for(300ms);  // connected in the background, as at a game's start-up

    std::vector<Clock::time_point> asked;
    Clock::duration longestCall{};
    Clock::time_point next = Clock::now() + 50ms;
    for (auto _ : state) {
        std::this_thread::sleep_until(next);
        asked.push_back(Clock::now());
        output.PlayImage(image);
        longestCall = std::max(longestCall, Clock::now() - asked.back());
        next += 120ms;
    }
    std::this_thread::sleep_until(next + 200ms);
    recorder.Stop();

    std::vector<double> delays;
    for (const Clock::time_point when : asked) {
        const long at = FindClip(recorder.Samples(), *clip, recorder.SampleAt(when - 5ms), recorder.SampleAt(when + 300ms));
        if (at >= 0)
            delays.push_back(std::chrono::duration<double, std::milli>(recorder.TimeOf(static_cast<std::size_t>(at)) - when).count());
    }
    std::sort(delays.begin(), delays.end());
    state.counters["heard"] = static_cast<double>(delays.size());
    state.counters["asked"] = static_cast<double>(asked.size());
    if (!delays.empty()) {
        state.counters["median_ms"] = delays[delays.size() / 2];
        state.counters["max_ms"] = delays.back();
    }
    // How long the game's thread waited in the request.
    state.counters["longest_call_ms"] = std::chrono::duration<double, std::milli>(longestCall).count();
    state.counters["recorder_jitter_ms"] = std::chrono::duration<double, std::milli>(recorder.Jitter()).count();
}

// With no sound server at all: creating the output and asking for a sound must cost the game
// nothing it would notice.
void NoServer(benchmark::State& state)
{
    setenv("PULSE_SERVER", "unix:/nonexistent/glimmerquake/native", 1);
    QFile file(QStringLiteral(GLIM_BIN_DIR "/select.wav"));
    const QByteArray image = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (auto _ : state) {
        PulseSoundOutput output;
        output.PlayImage(image);
        output.PlayImage(image);
    }
    unsetenv("PULSE_SERVER");
}

} // namespace

BENCHMARK_CAPTURE(PlayRequestToSink, select, "select.wav")->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlayRequestToSink, newlife_cut_short, "newlife.wav")->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(NoServer)->Unit(benchmark::kMicrosecond);
