// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

extern char** environ;

using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

// Records the private server's sink with parec in mono at its rate, noting when each piece arrived,
// so that a sample's index converts to the time it was played.
class MonitorRecorder {
public:
    MonitorRecorder();
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Waits until samples flow; false if none came within five seconds.
    bool WaitForSamples();
    // Stops recording; the accessors below read what was recorded.
    void Stop();

    const std::vector<std::int16_t>& Samples() const { return samples; }
    // The time of sample 0, taken from the piece that arrived latest for its position, so a
    // sample's time is never earlier than it was played and late by at most Jitter().
    Clock::time_point Start() const { return start; }
    // How much later than the fastest piece the slowest one arrived: the recorder's own latency
    // as far as it varies, and the most a sample's time can be late.
    Clock::duration Jitter() const { return jitter; }
    Clock::time_point TimeOf(std::size_t sample) const;
    std::size_t SampleAt(Clock::time_point time) const;

private:
    void Read();

    int pid = -1;
    int pipe = -1;
    std::thread reader;
    std::mutex lock;
    std::vector<std::int16_t> samples;
    std::vector<std::pair<Clock::time_point, std::size_t>> arrivals;
    Clock::time_point start;
    Clock::duration jitter{};
};

// Starts `arguments` with standard output to `output` (or the log file) and standard error to the log.
int Spawn(std::vector<std::string> arguments, int output, const std::string& log)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (output >= 0)
        posix_spawn_file_actions_adddup2(&actions, output, 1);
    else
        posix_spawn_file_actions_adddup2(&actions, 2, 1);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void End(int pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

MonitorRecorder::MonitorRecorder()
{
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    pid = Spawn({"parec", "--raw", "--device=glimtest.monitor", "--format=s16le", "--rate=44100", "--channels=1",
                 "--latency-msec=5"},
                ends[1], "/dev/null");
    close(ends[1]);
    pipe = ends[0];
    reader = std::thread([this] { Read(); });
}

MonitorRecorder::~MonitorRecorder()
{
    Stop();
}

void MonitorRecorder::Read()
{
    std::vector<char> buffer(4096);
    std::vector<char> pending;
    for (;;) {
        const ssize_t got = ::read(pipe, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const Clock::time_point now = Clock::now();
        pending.insert(pending.end(), buffer.begin(), buffer.begin() + got);
        const std::lock_guard<std::mutex> guard(lock);
        for (std::size_t i = 0; i + 1 < pending.size(); i += 2)
            samples.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(pending[i]) |
                                                        (static_cast<std::uint8_t>(pending[i + 1]) << 8)));
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(pending.size() / 2 * 2));
        arrivals.emplace_back(now, samples.size());
    }
}

bool MonitorRecorder::WaitForSamples()
{
    for (int wait = 0; wait < 500; ++wait) {
        {
            const std::lock_guard<std::mutex> guard(lock);
            if (samples.size() > PrivateSoundServer::rate / 10)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void MonitorRecorder::Stop()
{
    if (pid > 0) {
        End(pid);
        pid = -1;
    }
    if (reader.joinable())
        reader.join();
    if (pipe >= 0) {
        close(pipe);
        pipe = -1;
    }
    if (arrivals.empty())
        return;
    const auto rate = static_cast<double>(PrivateSoundServer::rate);
    const auto played = [rate](const std::pair<Clock::time_point, std::size_t>& arrival) {
        return arrival.first - std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double>(static_cast<double>(arrival.second) / rate));
    };
    Clock::time_point earliest = played(arrivals.front());
    start = earliest;
    for (const auto& arrival : arrivals) {
        earliest = std::min(earliest, played(arrival));
        start = std::max(start, played(arrival));
    }
    jitter = start - earliest;
}

Clock::time_point MonitorRecorder::TimeOf(std::size_t sample) const
{
    return start + std::chrono::duration_cast<Clock::duration>(
                       std::chrono::duration<double>(static_cast<double>(sample) / PrivateSoundServer::rate));
}

std::size_t MonitorRecorder::SampleAt(Clock::time_point time) const
{
    if (time <= start)
        return 0;
    return static_cast<std::size_t>(std::chrono::duration<double>(time - start).count() * PrivateSoundServer::rate);
}

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
        const long at =
            FindClip(recorder.Samples(), *clip, recorder.SampleAt(when - 5ms), recorder.SampleAt(when + 300ms));
        if (at >= 0)
            delays.push_back(
                std::chrono::duration<double, std::milli>(recorder.TimeOf(static_cast<std::size_t>(at)) - when)
                    .count());
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

}  // namespace

BENCHMARK_CAPTURE(PlayRequestToSink, select, "select.wav")->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlayRequestToSink, newlife_cut_short, "newlife.wav")->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(NoServer)->Unit(benchmark::kMicrosecond);
