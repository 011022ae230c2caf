#include "PulseHarness.h"

#include "platform/SoundClip.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr std::size_t fingerprint = PrivateSoundServer::rate / 100;  // 10 ms
constexpr int loudEnough = 500;

std::string InPath(const char* program)
{
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t begin = 0;
    while (begin <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', begin), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(begin, end - begin)) / program;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        begin = end + 1;
    }
    return {};
}

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

std::size_t FirstSound(const SoundClip& clip)
{
    for (std::size_t i = 0; i < clip.samples.size(); ++i) {
        if (std::abs(clip.samples[i]) > loudEnough)
            return i;
    }
    return clip.samples.size();
}

} // namespace

std::string PrivateSoundServer::Unavailable()
{
    if (const char* given = std::getenv("GLIM_SOUND_SERVER"); given != nullptr && *given != '\0')
        return {};
    for (const char* program : {"pulseaudio", "parec"}) {
        if (InPath(program).empty())
            return std::string(program) + " is not installed (Debian packages pulseaudio and pulseaudio-utils)";
    }
    return {};
}

PrivateSoundServer::PrivateSoundServer()
{
    // A server started by hand instead (PipeWire's, say), with a mono 44.1 kHz null sink "glimtest".
    if (const char* given = std::getenv("GLIM_SOUND_SERVER"); given != nullptr && *given != '\0') {
        setenv("PULSE_SERVER", given, 1);
        running = true;
        return;
    }
    char pattern[] = "/tmp/glimmerquake-pulse-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return;
    folder = pattern;
    logPath = folder + "/server.log";
    const std::string socket = folder + "/native";
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    setenv("PULSE_RUNTIME_PATH", folder.c_str(), 1);
    setenv("PULSE_STATE_PATH", folder.c_str(), 1);
    setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    pid = Spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                 "--disable-shm=yes", "--log-target=stderr",
                 "-L", "module-null-sink sink_name=glimtest rate=44100 channels=1",
                 "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket},
                -1, logPath);
    for (int wait = 0; pid > 0 && wait < 100 && !running; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        running = std::filesystem::exists(socket);
    }
}

PrivateSoundServer::~PrivateSoundServer()
{
    End(pid);
    unsetenv("PULSE_SERVER");
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}

MonitorRecorder::MonitorRecorder()
{
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    pid = Spawn({"parec", "--raw", "--device=glimtest.monitor", "--format=s16le", "--rate=44100", "--channels=1",
                 "--latency-msec=5"},
                ends[1], (std::filesystem::temp_directory_path() / "glimmerquake-parec.log").string());
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

long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to)
{
    const std::size_t first = FirstSound(clip) + fingerprint;
    if (first + fingerprint > clip.samples.size())
        return -1;
    long best = -1;
    long long bestDifference = LLONG_MAX;
    for (std::size_t at = from; at <= to && at + fingerprint <= recording.size(); ++at) {
        long long difference = 0;
        for (std::size_t k = 0; k < fingerprint && difference < bestDifference; ++k)
            difference += std::abs(recording[at + k] - clip.samples[first + k]);
        if (difference < bestDifference) {
            bestDifference = difference;
            best = static_cast<long>(at);
        }
    }
    // Rounding in the server may move a sample by one or two steps, no more.
    if (best < 0 || bestDifference > static_cast<long long>(2 * fingerprint))
        return -1;
    return best - static_cast<long>(first);
}

long FirstDifference(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t at,
                     std::size_t length)
{
    const std::size_t end = std::min({at + length, at + clip.samples.size(), recording.size()});
    for (std::size_t i = at; i < end; ++i) {
        if (std::abs(recording[i] - clip.samples[i - at]) > 2)
            return static_cast<long>(i - at);
    }
    return end > at ? -1 : 0;
}
