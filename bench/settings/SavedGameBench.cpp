// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the game in progress, as the game does whenever play stops and every 30 seconds: the
// session taken as values, written in the file layout and replaced on disk. Aim: under 1 ms
// per save, and a file under 8 KiB, for the largest game a player reaches: a board full to the
// row below the top, a long chain and the full hundred best words.
#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/SavedGameFormat.h"
#include "settings/SavedGameFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct EveryWord : SessionWords {
    std::string Spelling(std::string_view letters) const override { return std::string(letters); }
    bool MayStart(std::string_view) const override { return true; }
};

// A session at its largest: 99 tiles, a chain of nine and a hundred best words of nine letters.
class LargestGame {
public:
    LargestGame()
    {
        session.Start();
        Board& board = session.GetBoard();
        std::vector<Chip*> changed;
        for (int word = 0; word < 100; ++word) {
            board.Fill(0);
            for (int i = 0; i < 9; ++i) {
                char letter = static_cast<char>('A' + (word + i) % 26);
                board.Cell(0, 2 * i)->Set(std::string(1, letter == 'Q' ? 'R' : letter), 2);
                session.Select(board.Cell(0, 2 * i), false, changed);
            }
            session.Enter(changed);
        }
        board.Fill(11);
        for (int i = 0; i < 9; ++i)
            session.Select(board.Cell(0, 2 * i), false, changed);
    }

    EveryWord words;
    GameRandom random{2026};
    GameSession session{GameRules{}, random, words};
};

void SaveTheLargestGame(benchmark::State& state)
{
    LargestGame game;
    QTemporaryDir folder;
    const SavedGameFile file(folder.filePath(QStringLiteral("saved-game")));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = EncodeSavedGame({"English", 1796601600000, game.session.Save(), ""});
        size = bytes.size();
        if (!file.Write(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))).isEmpty())
            state.SkipWithError("the file cannot be written");
    }
    state.counters["file_bytes"] = static_cast<double>(size);
}
BENCHMARK(SaveTheLargestGame)->Unit(benchmark::kMicrosecond);

// The part that runs on the game's thread before the file is touched.
void EncodeTheLargestGame(benchmark::State& state)
{
    LargestGame game;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeSavedGame({"English", 1796601600000, game.session.Save(), ""}));
}
BENCHMARK(EncodeTheLargestGame)->Unit(benchmark::kMicrosecond);

}  // namespace
