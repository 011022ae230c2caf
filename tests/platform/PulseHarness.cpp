#include "PulseHarness.h"

#include "platform/SoundClip.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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
    if (pid > 0 && kill(pid, SIGTERM) == 0)
        waitpid(pid, nullptr, 0);
}

std::string PrivateSoundServer::Unavailable()
{
    const char* given = std::getenv("GLIM_SOUND_SERVER");
    if ((given == nullptr || *given == '\0') && std::system("command -v pulseaudio parec >/dev/null") != 0)
        return "pulseaudio or parec is not installed (Debian packages pulseaudio and pulseaudio-utils)";
    return {};
}

std::vector<std::string> PrivateSoundServer::Recorder()
{
    return {"parec", "--raw", "--device=glimtest.monitor", "--format=s16ne", "--rate=44100", "--channels=1",
            "--latency-msec=5"};
}

PrivateSoundServer::PrivateSoundServer()
{
    char pattern[] = "/tmp/glimmerquake-pulse-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return;
    folder = pattern;
    log = folder + "/server.log";
    if (const char* given = std::getenv("GLIM_SOUND_SERVER"); given != nullptr && *given != '\0') {
        setenv("PULSE_SERVER", given, 1);
        running = true;
        return;
    }
    const std::string socket = folder + "/native";
    for (const char* variable : {"XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
        setenv(variable, pattern, 1);
    setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    pid = Spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
                 "--log-target=stderr", "-L", "module-null-sink sink_name=glimtest rate=44100 channels=1", "-L",
                 "module-native-protocol-unix auth-anonymous=1 socket=" + socket},
                -1, log);
    for (int wait = 0; pid > 0 && wait < 100 && !running; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        running = std::filesystem::exists(socket);
    }
}

PrivateSoundServer::~PrivateSoundServer()
{
    End(recorder);
    End(pid);
    unsetenv("PULSE_SERVER");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

bool PrivateSoundServer::StartRecording()
{
    const std::string path = folder + "/recording.raw";
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    recorder = Spawn(Recorder(), file, log);
    close(file);
    for (int wait = 0; wait < 500; ++wait) {
        std::error_code missing;
        if (std::filesystem::file_size(path, missing) > rate / 10 * 2 && !missing)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::vector<std::int16_t> PrivateSoundServer::StopRecording()
{
    End(recorder);
    recorder = -1;
    std::ifstream file(folder + "/recording.raw", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

long FindClip(const std::vector<std::int16_t>& recording, const SoundClip& clip, std::size_t from, std::size_t to)
{
    // 10 ms of the clip from 10 ms after its sound starts, clear of its quiet beginning.
    constexpr std::size_t length = PrivateSoundServer::rate / 100;
    std::size_t first = length;
    while (first < clip.samples.size() && std::abs(clip.samples[first - length]) <= 500)
        ++first;
    long best = -1;
    long long bestDifference = 2 * length + 1;  // the server's rounding moves a sample by 2 at most
    for (std::size_t at = from; first + length <= clip.samples.size() && at <= to && at + length <= recording.size(); ++at) {
        long long difference = 0;
        for (std::size_t k = 0; k < length && difference < bestDifference; ++k)
            difference += std::abs(recording[at + k] - clip.samples[first + k]);
        if (difference < bestDifference) {
            bestDifference = difference;
            best = static_cast<long>(at) - static_cast<long>(first);
        }
    }
    return best;
}
