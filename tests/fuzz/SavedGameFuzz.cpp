// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a saved game, read as they are and once more with their checksum made right,
// so that the fuzzer reaches past it; a game that reads is loaded into a session and played on
// for a few steps. Whatever the bytes, nothing may read or write outside its buffers.

#include "board/Board.h"
#include "board/GameRandom.h"
#include "board/SavedGameFormat.h"

#include <zlib.h>

namespace {

struct AnyWords : SessionWords {
    std::string Spelling(std::string_view letters) const override
    {
        return letters.size() % 3 == 0 ? std::string(letters) : std::string();
    }
    bool MayStart(std::string_view letters) const override { return letters.size() < 6; }
};

void ReadAndPlay(std::string_view bytes)
{
    SavedGame game;
    if (DecodeSavedGame(bytes, game) != SavedGameFault::None)
        return;
    const AnyWords words;
    GameRandom random;
    GameSession session(GameRules{}, random, words);
    if (!session.Load(game.session))
        return;
    std::vector<Chip*> changed;
    session.Type('E', changed);
    session.Enter(changed);
    for (int step = 0; step < 30; ++step) {
        session.Evolve(changed);
        session.Tumble(changed);
    }
    (void)EncodeSavedGame({game.dictionary, game.savedAt, session.Save(), game.dailyDate});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    ReadAndPlay(bytes);
    if (bytes.size() >= 20) {
        std::uint32_t sum = static_cast<std::uint32_t>(crc32(
            crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size() - 4)));
        for (std::size_t i = bytes.size() - 4; i < bytes.size(); ++i, sum >>= 8)
            bytes[i] = static_cast<char>(sum & 0xFF);
        ReadAndPlay(bytes);
    }
    return 0;
}
