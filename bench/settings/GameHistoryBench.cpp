// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the history of finished games and counting one dictionary's games, as the statistics do.
// Aim: under 20 ms for 10,000 games.
#include "settings/GameHistoryFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void ReadAndCountTenThousandGames(benchmark::State& state)
{
    QTemporaryDir folder;
    GameHistoryFile file(folder.filePath(QStringLiteral("history")));
    QFile out(file.Path());
    if (!out.open(QIODevice::WriteOnly))
        return state.SkipWithError("the history cannot be written");
    for (std::uint32_t game = 0; game < 10'000; ++game) {
        const int day = 1 + static_cast<int>(game % 28);
        out.write(QByteArray::fromStdString(
            HistoryLine({"2026-" + std::to_string(1 + game / 28 % 12 + 100).substr(1) + "-" +
                             std::to_string(100 + day).substr(1) + "T12:00:00",
                         game % 3 == 0 ? "English" : "Deutsch", static_cast<GameKind>(game % 3), game * 7 % 5000, 20,
                         "quartettes", 288, "quartettes", 1, 600})));
    }
    out.close();
    std::size_t games = 0;
    for (auto _ : state) {
        const std::vector<FinishedGame> history = file.Read();
        games = history.size();
        benchmark::DoNotOptimize(CountGames(history, "English", GameKind::Standard, "2026-12-07"));
    }
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(ReadAndCountTenThousandGames)->Unit(benchmark::kMillisecond);

}  // namespace
