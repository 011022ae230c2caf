// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseHarness.h"

#include "platform/SoundClip.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

std::string PrivateSoundServer::Unavailable()
{
    return std::system("command -v pulseaudio parec >/dev/null") == 0
               ? ""
               : "pulseaudio or parec is not installed (Debian packages pulseaudio and pulseaudio-utils)";
}

PrivateSoundServer::PrivateSoundServer()
{
    char pattern[] = "/tmp/glimmerquake-pulse-XXXXXX";
    folder = mkdtemp(pattern) != nullptr ? pattern : "";
    for (const char* variable : {"XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
        setenv(variable, pattern, 1);
    setenv("PULSE_SERVER", ("unix:" + folder + "/native").c_str(), 1);
    // Daemonised, the server returns once it is ready; --kill finds it through its runtime folder.
    const std::string start =
        "pulseaudio -n --daemonize=yes --exit-idle-time=-1 --disable-shm=yes --log-target=file:" + Log() +
        " -L 'module-null-sink sink_name=glimtest rate=44100 channels=1'"
        " -L 'module-native-protocol-unix auth-anonymous=1 socket=" +
        folder + "/native'";
    running = !folder.empty() && std::system(start.c_str()) == 0;
}

PrivateSoundServer::~PrivateSoundServer()
{
    StopRecording();
    std::system("pulseaudio --kill");
    unsetenv("PULSE_SERVER");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

bool PrivateSoundServer::StartRecording()
{
    // parec in the background, noting how to stop it; then at most five seconds for 0.1 s of samples.
    const std::string path = folder + "/recording.raw";
    const std::string record =
        "parec --raw --device=glimtest.monitor --format=s16ne --rate=44100 --channels=1 "
        "--latency-msec=5 >" +
        path + " 2>>" + Log() + " & echo \"kill $!\" >" + folder +
        "/stop-recording; for i in $(seq 500); do [ $(stat -c %s " + path + ") -gt " + std::to_string(rate / 5) +
        " ] && exit 0; sleep 0.01; done; exit 1";
    return std::system(record.c_str()) == 0;
}

std::vector<std::int16_t> PrivateSoundServer::StopRecording()
{
    std::system(("sh " + folder + "/stop-recording 2>/dev/null; rm -f " + folder + "/stop-recording").c_str());
    std::ifstream file(folder + "/recording.raw", std::ios::binary | std::ios::ate);
    std::vector<std::int16_t> samples(file ? static_cast<std::size_t>(file.tellg()) / 2 : 0);
    file.seekg(0).read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * 2));
    return samples;
}

long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to)
{
    // 10 ms of the clip from 10 ms after its sound starts, clear of its quiet beginning; rounding in
    // the server may move a sample by one or two steps, no more.
    constexpr std::size_t length = PrivateSoundServer::rate / 100;
    std::size_t first = length;
    while (first < clip.samples.size() && std::abs(clip.samples[first - length]) <= 500)
        ++first;
    for (std::size_t at = from; first + length <= clip.samples.size() && at <= to && at + length <= recording.size();
         ++at) {
        std::size_t difference = 0;
        for (std::size_t k = 0; k < length && difference <= 2 * length; ++k)
            difference += static_cast<std::size_t>(std::abs(recording[at + k] - clip.samples[first + k]));
        if (difference <= 2 * length)
            return static_cast<long>(at) - static_cast<long>(first);
    }
    return -1;
}
