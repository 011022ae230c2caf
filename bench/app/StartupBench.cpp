// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and resident memory of the game beside a bare Qt Widgets window, each from a
// fresh process on the offscreen platform, with the user folders in a temporary folder so the
// real user's settings are untouched.
//
// StartupToFirstIdle: wall time from just before the process is started to the probe's "shown"
// line arriving, i.e. loading the program and Qt with its plugins, creating the windows and the
// application object, and the first idle with the main window shown and painted; and the peak
// resident memory (VmHWM) at that moment. The process exit afterwards is not timed. Each
// repetition starts bare_probe (twenty ordinary controls) and then startup_probe (the game), so
// that a busy machine slows both alike. The benchmark's time is the game's; the counters are the
// bare window's time (bare_ms), both peaks (game_HWM_MB, bare_HWM_MB) and the game's share of
// each (time_ratio, memory_ratio). The median over the repetitions is the figure, its spread the
// standard deviation and the min and max.
//
// GameMemory: VmRSS and VmHWM of the game once English.tsd has loaded and a game is under way
// (counters in MB of 1024 kB); its time is start to that report.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int probeTimeoutMs = 30000;

struct ProbeResult {
    QByteArray line;
    double seconds = 0;
};

// The user folders of every probe run; settings written by one run are read by the next, as
// with a player who starts the game again.
QTemporaryDir& UserFolder()
{
    static QTemporaryDir folder;
    return folder;
}

QProcessEnvironment ProbeEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = UserFolder().path();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    // Qt wants a private runtime folder and warns on every start without one.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    return environment;
}

// Runs the probe once, timing from just before its start to its first line; fails the
// benchmark with the probe's own words when it does not answer or ends badly.
std::optional<ProbeResult> RunProbe(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    if (!UserFolder().isValid()) {
        state.SkipWithError("no temporary folder for the user settings");
        return std::nullopt;
    }
    QProcess probe;
    probe.setProcessEnvironment(ProbeEnvironment());
    probe.setProcessChannelMode(QProcess::SeparateChannels);

    QElapsedTimer clock;
    clock.start();
    probe.start(program, arguments);
    if (!probe.waitForStarted(probeTimeoutMs)) {
        state.SkipWithError(
            ("cannot start " + program.toLocal8Bit() + ": " + probe.errorString().toLocal8Bit()).constData());
        return std::nullopt;
    }
    while (!probe.canReadLine() && probe.state() != QProcess::NotRunning && clock.elapsed() < probeTimeoutMs)
        probe.waitForReadyRead(static_cast<int>(probeTimeoutMs - clock.elapsed()));
    ProbeResult result;
    result.seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    result.line = probe.readLine().trimmed();

    if (!probe.waitForFinished(result.line.isEmpty() ? 0 : probeTimeoutMs)) {
        probe.kill();
        probe.waitForFinished();
        state.SkipWithError((program.toLocal8Bit() + " hung and was stopped; it said: " + result.line).constData());
        return std::nullopt;
    }
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0 || result.line.isEmpty() ||
        result.line.startsWith("error")) {
        QByteArray reason = program.toLocal8Bit() + " failed";
        if (probe.error() != QProcess::UnknownError)
            reason += " (" + probe.errorString().toLocal8Bit() + ")";
        reason += ", exit " + QByteArray::number(probe.exitCode()) + ": " + result.line;
        const QByteArray errors = probe.readAllStandardError().trimmed();
        if (!errors.isEmpty())
            reason += "; its errors: " + errors.right(400);
        state.SkipWithError(reason.constData());
        return std::nullopt;
    }
    return result;
}

// The kB figure after "name=" in the probe's line, or -1.
double Field(const QByteArray& line, const QByteArray& name)
{
    for (const QByteArray& word : line.split(' ')) {
        if (word.startsWith(name + '=')) {
            bool ok = false;
            const double value = word.mid(name.size() + 1).toDouble(&ok);
            return ok ? value : -1;
        }
    }
    return -1;
}

// One start of the probe to its "shown" line; its time and its peak memory in kB.
std::optional<std::pair<double, double>> TimeToShown(benchmark::State& state, const QString& program)
{
    const std::optional<ProbeResult> run = RunProbe(state, program, {});
    if (!run)
        return std::nullopt;
    const double hwm = Field(run->line, "VmHWM");
    if (!run->line.startsWith("shown ") || hwm < 0) {
        state.SkipWithError(("unexpected line from " + program.toLocal8Bit() + ": " + run->line).constData());
        return std::nullopt;
    }
    return std::pair(run->seconds, hwm);
}

void StartupToFirstIdle(benchmark::State& state)
{
    const QString game = QStringLiteral(GLIM_STARTUP_PROBE), bare = QStringLiteral(GLIM_BARE_PROBE);
    // The first start after a build reads everything from disk; the figures are for warm starts.
    static const bool warmedUp = TimeToShown(state, bare) && TimeToShown(state, game);
    if (!warmedUp) {
        state.SkipWithError("the warm-up starts of the probes failed");
        return;
    }
    for (auto _ : state) {
        const auto bareRun = TimeToShown(state, bare);
        const auto gameRun = bareRun ? TimeToShown(state, game) : std::nullopt;
        if (!gameRun)
            return;
        state.SetIterationTime(gameRun->first);
        state.counters["bare_ms"] = bareRun->first * 1000;
        state.counters["time_ratio"] = gameRun->first / bareRun->first;
        state.counters["game_HWM_MB"] = gameRun->second / 1024;
        state.counters["bare_HWM_MB"] = bareRun->second / 1024;
        state.counters["memory_ratio"] = gameRun->second / bareRun->second;
    }
}

double Min(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}
double Max(const std::vector<double>& v)
{
    return *std::max_element(v.begin(), v.end());
}

BENCHMARK(StartupToFirstIdle)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(15)
    ->ComputeStatistics("min", Min)
    ->ComputeStatistics("max", Max)
    ->ReportAggregatesOnly(true);

void GameMemory(benchmark::State& state)
{
    for (auto _ : state) {
        const std::optional<ProbeResult> run =
            RunProbe(state, QStringLiteral(GLIM_STARTUP_PROBE), {QStringLiteral("--game")});
        if (!run)
            return;
        const double rss = Field(run->line, "VmRSS");
        const double hwm = Field(run->line, "VmHWM");
        if (!run->line.startsWith("game ") || rss < 0 || hwm < 0) {
            state.SkipWithError(("unexpected startup_probe line: " + run->line).constData());
            return;
        }
        state.SetIterationTime(run->seconds);
        state.counters["VmRSS_MB"] = rss / 1024;
        state.counters["VmHWM_MB"] = hwm / 1024;
    }
}
BENCHMARK(GameMemory)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    // QProcess needs an application object; the probe is the one with windows.
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
