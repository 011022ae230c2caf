// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SoundClip;

// A PulseAudio server of our own: private runtime folder, one mono 44.1 kHz null sink "glimtest"
// and the native protocol, nothing else. While it lives, PULSE_SERVER points this process's
// clients at it.
class PrivateSoundServer {
public:
    static constexpr std::uint32_t rate = 44100;

    // Empty when pulseaudio and parec are installed; otherwise why the server cannot run.
    static std::string Unavailable();

    PrivateSoundServer();
    ~PrivateSoundServer();

    // True once the server is ready.
    bool Running() const { return running; }
    std::string Log() const { return folder + "/server.log"; }
    // Records the sink with parec, mono at `rate`, until StopRecording returns the samples; false
    // when no samples came within five seconds.
    bool StartRecording();
    std::vector<std::int16_t> StopRecording();

private:
    std::string folder;
    bool running = false;
};

// Where `clip` (mono) begins in `recording` between two sample indices, matching its first
// 10 ms of sound exactly but for rounding; -1 when it is not there.
long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to);
