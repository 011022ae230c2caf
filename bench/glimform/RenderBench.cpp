// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing costs of the main window at its design size on the offscreen platform.
#include "GlimmerFormProbe.h"
#include "board/GameRandom.h"
#include "glimform/ScoreRise.h"
#include "platform/UserRegistry.h"
#include "settings/PlayerOptions.h"
#include "settings/Sounder.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

GlimmerFormProbe* form = nullptr;

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

// One tile drawn alone with its faces cached, as the How To Play example draws its tiles.
void OneTileWarm(benchmark::State& state)
{
    form->board->Fill(1);
    form->FormPaint();
    Chip* tile = form->board->Cell(0, 0);
    BoardPainter painter(Qt::black);
    QImage canvas(200, 200, QImage::Format_RGB32);
    QPainter onCanvas(&canvas);
    for (auto _ : state) {
        painter.PaintTileSet(onCanvas, *form->board, {tile}, {}, QPoint(0, 100));
    }
}
BENCHMARK(OneTileWarm)->Unit(benchmark::kMicrosecond);

// One frame of a high word's rising value over a busy board: the cells it leaves and enters
// repainted, the text drawn over them. Aim: under 1 ms.
void ScoreRiseFrame(benchmark::State& state)
{
    form->board->Fill(8);
    form->FormPaint();
    const BoardRect tile = form->board->Cell(0, 0)->Rect();
    const BoardPoint centre = form->board->Cell(1, 9)->Centre();
    for (auto _ : state) {
        if (!form->scoreRise().Running())
            form->scoreRise().Start(centre, 4096, true, tile.bottom - tile.top);
        form->RiseTimerTick();
    }
}
BENCHMARK(ScoreRiseFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The window reads and writes its placement: keep that out of the real user's settings.
    QTemporaryDir settings;
    UserRegistry::SetFilePath(settings.filePath(QStringLiteral("registry.reg")));
    {
        const PlayerOptions options;
        TGlimmerForm window(std::make_unique<Sounder>(), options);
        window.resize(576, 420);
        GlimmerFormProbe probe(window);
        form = &probe;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        form = nullptr;
    }
    UserRegistry::SetFilePath(QString());
    return 0;
}
