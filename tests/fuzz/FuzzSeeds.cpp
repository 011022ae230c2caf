// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a few small valid dictionaries with the shipped writer into the folder given as the first
// argument: both versions with the writer's code and with codes as long as the format allows
// (from doubling counts), and an empty one. Into the second, a small WordNet as the WordNet
// target reads its input: index, data and exceptions, each ended by a zero byte. Into the third,
// saved games: one just started and one played on for a while, with a chain and best words.

#include "../dictionary/WordNetFiles.h"
#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/SavedGameFormat.h"
#include "tools/glimdict/TsdWriter.h"

#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;  // usage: dictionary_fuzz_seeds FOLDER WORDNET_FOLDER SAVED_GAME_FOLDER
    for (int folder = 1; folder < 4; ++folder)
        std::filesystem::create_directories(argv[folder]);
    struct : SessionWords {
        std::string Spelling(std::string_view letters) const override { return std::string(letters); }
        bool MayStart(std::string_view letters) const override { return letters.size() < 3; }
    } words;
    GameRandom random(5);
    GameSession session(GameRules{}, random, words);
    session.Start(GameKind::Daily, DailySeed("2026-12-07", "English"));
    std::ofstream(std::filesystem::path(argv[3]) / "started", std::ios::binary)
        << EncodeSavedGame({"English", 1, session.Save(), ""});
    std::vector<Chip*> changed;
    for (int step = 0; step < 40; ++step) {
        session.Tumble(changed);
        session.Type("ETA"[step % 3], changed);
        if (step % 7 == 6)
            session.Enter(changed);
    }
    session.Evolve(changed);
    session.Type('E', changed);
    std::ofstream(std::filesystem::path(argv[3]) / "played", std::ios::binary)
        << EncodeSavedGame({"Deutsch", 2, session.Save(), ""});
    const auto save = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(std::filesystem::path(argv[1]) / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    };
    // The tests' small WordNet, its nouns with their exceptions.
    const SmallWordNet nouns;
    std::ofstream(std::filesystem::path(argv[2]) / "nouns", std::ios::binary)
        << nouns.Read("index.noun") + '\0' + nouns.Read("data.noun") + '\0' + nouns.Read("noun.exc");
    for (int version : {0, 1}) {
        TsdWriter writer(version);
        writer.SetDescription("seed dictionary");
        for (const char* word : {"Tree", "Don't", "ice cream", "Polish", "polish", "cat", "ox", "caf\xE9", "co-op"})
            writer.Add(word, true);
        SymbolCounts doubling{};
        for (std::size_t s = 0, rank = 0; s < 256; ++s)
            doubling[s] = writer.Counts()[s] ? std::uint64_t{1} << rank++ : 0;
        save("words" + std::to_string(version) + ".tsd", writer.Bytes());
        save("deep" + std::to_string(version) + ".tsd", writer.Bytes(BuildLimitedHuffmanCode(doubling, 32)));
    }
    save("empty.tsd", TsdWriter(1).Bytes());
}
