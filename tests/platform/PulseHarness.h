#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SoundClip;

// Starts `arguments` with standard output to `output` (to `log` for -1) and standard error to
// `log`; returns the process id for End, which stops it.
int Spawn(std::vector<std::string> arguments, int output, const std::string& log);
void End(int pid);

// A PulseAudio server of our own: private runtime folder, one mono 44.1 kHz null sink "glimtest"
// and the native protocol, nothing else. While it lives, PULSE_SERVER points this process's
// clients at it. With GLIM_SOUND_SERVER set, that server is used instead (it must have the same
// sink), so the same checks run against PipeWire's PulseAudio server.
class PrivateSoundServer {
public:
    static constexpr std::uint32_t rate = 44100;

    // Empty when pulseaudio and parec are installed; otherwise why the server cannot run.
    static std::string Unavailable();
    // parec's arguments for recording the sink in mono at `rate`, as raw native 16-bit samples.
    static std::vector<std::string> Recorder();

    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // True once the server answers on its socket.
    bool Running() const { return running; }
    const std::string& Log() const { return log; }
    // Records the sink until StopRecording, which returns the samples; false when no samples
    // flowed within five seconds.
    bool StartRecording();
    std::vector<std::int16_t> StopRecording();

private:
    std::string folder;
    std::string log;
    int pid = -1;
    int recorder = -1;
    bool running = false;
};

// Where `clip` (mono) begins in `recording` between two sample indices, matching its first
// 10 ms of sound exactly but for rounding; -1 when it is not there.
long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to);
