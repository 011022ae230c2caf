#include "PulseHarness.h"

#include "platform/SoundClip.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::size_t fingerprint = PrivateSoundServer::rate / 100;  // 10 ms

// Starts `arguments` with standard output to `output` (or the log) and standard error to `log`.
int Spawn(std::vector<std::string> arguments, int output, const std::string& log)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const int errors = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    dup2(errors, 2);
    dup2(output >= 0 ? output : errors, 1);
    execvp(argv[0], argv.data());
    _exit(127);
}

void End(int pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

std::string PrivateSoundServer::Unavailable()
{
    if (const char* given = std::getenv("GLIM_SOUND_SERVER"); given != nullptr && *given != '\0')
        return {};
    if (std::system("command -v pulseaudio >/dev/null && command -v parec >/dev/null") != 0)
        return "pulseaudio or parec is not installed (Debian packages pulseaudio and pulseaudio-utils)";
    return {};
}

PrivateSoundServer::PrivateSoundServer()
{
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
    for (const char* variable : {"XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
        setenv(variable, folder.c_str(), 1);
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
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::remove_all(folder, ignored);
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
    std::vector<unsigned char> buffer(4096);
    std::size_t kept = 0;  // a byte of a sample whose other byte has not come yet
    for (;;) {
        const ssize_t got = ::read(pipe, buffer.data() + kept, buffer.size() - kept);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const Clock::time_point now = Clock::now();
        const std::size_t bytes = kept + static_cast<std::size_t>(got);
        const std::lock_guard<std::mutex> guard(lock);
        for (std::size_t i = 0; i + 1 < bytes; i += 2)
            samples.push_back(static_cast<std::int16_t>(buffer[i] | buffer[i + 1] << 8));
        kept = bytes % 2;
        if (kept != 0)
            buffer[0] = buffer[bytes - 1];
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
    End(pid);
    pid = -1;
    if (reader.joinable())
        reader.join();
    if (pipe >= 0)
        close(pipe);
    pipe = -1;
}

long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to)
{
    // The fingerprint starts 10 ms into the clip's sound, clear of its quiet start.
    std::size_t first = 0;
    while (first < clip.samples.size() && std::abs(clip.samples[first]) <= 500)
        ++first;
    first += fingerprint;
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
