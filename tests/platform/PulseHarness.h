#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct SoundClip;

using Clock = std::chrono::steady_clock;

// A PulseAudio server of our own: private runtime folder, one mono 44.1 kHz null sink "glimtest"
// and the native protocol, nothing else. While it runs, PULSE_SERVER points this process's
// clients at it. With GLIM_SOUND_SERVER set, that server is used instead (it must have the same
// sink), so the same checks run against PipeWire's PulseAudio server.
class PrivateSoundServer {
public:
    static constexpr std::uint32_t rate = 44100;

    // Empty when pulseaudio and parec are installed; otherwise why the server cannot run.
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

// Records the null sink's monitor in mono at the server's rate with parec.
class MonitorRecorder {
public:
    using Arrival = std::pair<Clock::time_point, std::size_t>;

    MonitorRecorder();
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Waits until samples flow; false if none came within five seconds.
    bool WaitForSamples();
    // Stops recording; the accessors below read what was recorded.
    void Stop();

    const std::vector<std::int16_t>& Samples() const { return samples; }
    // When each piece arrived and how many samples had arrived with it, for timing measurements.
    const std::vector<Arrival>& Arrivals() const { return arrivals; }

private:
    void Read();

    int pid = -1;
    int pipe = -1;
    std::thread reader;
    std::mutex lock;
    std::vector<std::int16_t> samples;
    std::vector<Arrival> arrivals;
};

// Where `clip` (mono) begins in `recording` between two sample indices, matching its first
// 10 ms of sound exactly but for rounding; -1 when it is not there.
long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to);
