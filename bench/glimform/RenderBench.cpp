// Drawing costs of the main window at its design size on the offscreen platform.
#include "board/GameRandom.h"
#include "glimform/glimform.h"
#include "platform/UserRegistry.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TGlimmerForm* form = nullptr;

void FullRepaint(benchmark::State& state)
{
    form->board->Fill(12);
    for (auto _ : state) {
        form->FormPaint();
    }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);

// The changed cells of one falling step on a busy board.
void TumbleRepaint(benchmark::State& state)
{
    SeedGameRandom(11);
    form->board->Fill(8);
    std::vector<Chip*> changed;
    for (int arrival = 0; arrival < 9; ++arrival) {
        form->board->Evolve(changed);
    }
    changed.clear();
    form->board->Tumble(changed);
    form->FormPaint();
    for (auto _ : state) {
        form->PaintTiles(changed);
    }
    state.counters["cells"] = static_cast<double>(changed.size());
}
BENCHMARK(TumbleRepaint)->Unit(benchmark::kMicrosecond);

void TileFaceWarm(benchmark::State& state)
{
    form->board->Fill(1);
    form->FormPaint();
    const Chip* tile = form->board->Cell(0, 0);
    const BoardRect rect = tile->Rect();
    for (auto _ : state) {
        benchmark::DoNotOptimize(form->TileFace(*tile, rect, 1.0).constBits());
    }
}
BENCHMARK(TileFaceWarm);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The window reads and writes its placement: keep that out of the real user's settings.
    QTemporaryDir settings;
    UserRegistry::SetFilePath(settings.filePath(QStringLiteral("registry.reg")));
    {
        TGlimmerForm window;
        window.resize(576, 420);
        form = &window;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        form = nullptr;
    }
    UserRegistry::SetFilePath(QString());
    return 0;
}
