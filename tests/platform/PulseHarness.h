#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SoundClip;

using Clock = std::chrono::steady_clock;

// A PulseAudio server of our own: private runtime folder, one null sink and the native protocol,
// nothing else. While it runs, PULSE_SERVER points this process's clients at it. With
// GLIM_SOUND_SERVER set, that server is used instead (it must have a mono 44.1 kHz null sink
// named glimtest), so the same checks run against PipeWire's PulseAudio server.
class PrivateSoundServer {
public:
    static constexpr std::uint32_t rate = 44100;

    // Empty when pulseaudio is installed; otherwise why the server cannot run.
    static std::string Unavailable();

    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // True once the server answers on its socket.
    bool Running() const { return running; }
    const std::string& Log() const { return logPath; }

private:
    std::string folder;
    std::string logPath;
    int pid = -1;
    bool running = false;
};

// Records the null sink's monitor in mono at the server's rate, noting when each piece arrived,
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

// Where `clip` (mono) begins in `recording` between two sample indices, matching its first
// 10 ms of sound exactly but for rounding; -1 when it is not there.
long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to);
// Where `recording` from `at` on first differs from `clip` played alone (an earlier sound mixed
// in, a gap), within `length` samples or the clip's end; -1 when it does not.
long FirstDifference(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t at,
                     std::size_t length);
