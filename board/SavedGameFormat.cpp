// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game file, version 1. Every number is little-endian.
//
//   offset  size  what
//   0       8     the signature "GLQSAVE" and a 0 byte
//   8       4     the layout's version, 1
//   12      4     N, the size of the game that follows
//   16      N     the game (below)
//   16 + N  4     CRC-32 (as zlib computes it) of bytes 0 to 16 + N - 1
//
// Nothing may follow. The game, in this order; a string is a 16-bit length and that many bytes, a
// list a 16-bit count and that many entries, a cell an 8-bit row and an 8-bit half-tile column:
//   string  the dictionary's name (UTF-8), int64 milliseconds since 1970 UTC of the save;
//   uint32  the rules' version (gameRulesVersion), then the eleven rules in GameRules order;
//   uint8   the phase (1 playing, 2 clearing), uint32 lives, score, games started, clearing
//           ticks left, milliseconds between arrivals, words entered, round, daily seed, lives
//           earned, milliseconds played;
//   list    the tiles: cell, string letter ("A" to "Z" or "QU"), uint32 value;
//   list    the chain's cells in order; string the typed letters;
//   list    the best words: string spelling (Windows-1252), uint32 value; int32 the newest's rank;
//   string  the missed word, uint32 its value, list its chain's cells;
//   list    the generator's state: uint32 numbers;
//   uint8   the kind of game (0 standard, 1 daily, 2 relaxed), list the daily stream's state,
//   string  the daily game's date ("2026-12-07"), empty for other games.
#include "board/SavedGameFormat.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::string_view signature{"GLQSAVE\0", 8};
constexpr std::uint32_t layoutVersion = 1;
constexpr std::size_t headerSize = 16;
constexpr std::size_t checksumSize = 4;

std::uint32_t Checksum(std::string_view bytes)
{
    return static_cast<std::uint32_t>(
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

class Writer {
public:
    template <typename Number>
    void Put(Number value)
    {
        auto bits = static_cast<std::uint64_t>(value);
        for (std::size_t i = 0; i < sizeof(Number); ++i, bits >>= 8) {
            bytes.push_back(static_cast<char>(bits & 0xFF));
        }
    }
    void Put(std::string_view text)
    {
        const std::string_view kept = text.substr(0, 0xFFFF);
        Put(static_cast<std::uint16_t>(kept.size()));
        bytes.append(kept);
    }
    void Put(const CellAt& cell)
    {
        Put(static_cast<std::uint8_t>(cell.row));
        Put(static_cast<std::uint8_t>(cell.column));
    }
    template <typename Entry, typename PutEntry>
    void List(const std::vector<Entry>& entries, PutEntry put)
    {
        const std::size_t count = std::min<std::size_t>(entries.size(), 0xFFFF);
        Put(static_cast<std::uint16_t>(count));
        for (std::size_t i = 0; i < count; ++i) {
            put(entries[i]);
        }
    }

    std::string bytes;
};

// Takes values off the front of the bytes; once one is missing, every later read gives zero and
// `ok` stays false.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest(bytes) {}

    template <typename Number>
    Number Get()
    {
        if (rest.size() < sizeof(Number)) {
            ok = false;
            rest = {};
            return 0;
        }
        std::uint64_t bits = 0;
        for (std::size_t i = sizeof(Number); i-- > 0;) {
            bits = bits << 8 | static_cast<unsigned char>(rest[i]);
        }
        rest.remove_prefix(sizeof(Number));
        return static_cast<Number>(bits);
    }
    std::string Text()
    {
        const std::uint16_t size = Get<std::uint16_t>();
        if (rest.size() < size) {
            ok = false;
            rest = {};
            return {};
        }
        std::string text(rest.substr(0, size));
        rest.remove_prefix(size);
        return text;
    }
    CellAt Cell()
    {
        const std::int32_t row = Get<std::uint8_t>();
        return {row, Get<std::uint8_t>()};
    }
    // Entries are read one by one, so a count larger than the bytes left ends the reading
    // instead of reserving room for it.
    template <typename Entry, typename GetEntry>
    std::vector<Entry> List(GetEntry get)
    {
        std::vector<Entry> entries;
        for (std::uint16_t count = Get<std::uint16_t>(); count > 0 && ok; --count) {
            Entry entry = get();
            if (ok) {
                entries.push_back(std::move(entry));
            }
        }
        return entries;
    }

    std::string_view rest;
    bool ok = true;
};

std::array<std::uint32_t*, 11> RuleFields(GameRules& r)
{
    return {&r.boardRows,           &r.tilesPerRow,    &r.startRows,       &r.startLives,
            &r.startEvolveInterval, &r.tumbleInterval, &r.evolveSpeedUp,   &r.highWordValue,
            &r.pointsPerLife,       &r.clearingStart,  &r.clearingInterval};
}

}  // namespace

std::string EncodeSavedGame(const SavedGame& game)
{
    const SavedSession& s = game.session;
    Writer body;
    body.Put(std::string_view(game.dictionary));
    body.Put(game.savedAt);
    body.Put(gameRulesVersion);
    GameRules rules = s.rules;
    for (const std::uint32_t* rule : RuleFields(rules)) {
        body.Put(*rule);
    }
    body.Put(static_cast<std::uint8_t>(s.state.phase));
    for (const std::uint32_t counter :
         {s.state.lives, s.state.score, s.state.gamesStarted, s.state.clearCountdown, s.state.evolveInterval,
          s.state.wordsEntered, s.state.round, s.state.dailySeed, s.state.livesEarned, s.state.playedMs}) {
        body.Put(counter);
    }
    body.List(s.tiles, [&](const SavedTile& tile) {
        body.Put(tile.cell);
        body.Put(std::string_view(tile.letter));
        body.Put(tile.value);
    });
    body.List(s.chain, [&](const CellAt& cell) { body.Put(cell); });
    body.Put(std::string_view(s.typed));
    body.List(s.bestWords, [&](const SessionWord& word) {
        body.Put(std::string_view(word.spelling));
        body.Put(word.value);
    });
    body.Put(s.newestBestWord);
    body.Put(std::string_view(s.missedWord.spelling));
    body.Put(s.missedWord.value);
    body.List(s.missedChain, [&](const CellAt& cell) { body.Put(cell); });
    body.List(s.random, [&](std::uint32_t number) { body.Put(number); });
    body.Put(static_cast<std::uint8_t>(s.kind));
    body.List(s.dailyRandom, [&](std::uint32_t number) { body.Put(number); });
    body.Put(std::string_view(game.dailyDate));

    Writer file;
    file.bytes.append(signature);
    file.Put(layoutVersion);
    file.Put(static_cast<std::uint32_t>(body.bytes.size()));
    file.bytes += body.bytes;
    file.Put(Checksum(file.bytes));
    return file.bytes;
}

SavedGameFault DecodeSavedGame(std::string_view bytes, SavedGame& game)
{
    if (!bytes.starts_with(signature)) {
        return SavedGameFault::Foreign;
    }
    Reader header(bytes.substr(signature.size()));
    const std::uint32_t version = header.Get<std::uint32_t>();
    const std::uint32_t size = header.Get<std::uint32_t>();
    if (!header.ok) {
        return SavedGameFault::Damaged;
    }
    if (version > layoutVersion) {
        return SavedGameFault::Newer;
    }
    if (version != layoutVersion || bytes.size() != headerSize + std::uint64_t{size} + checksumSize) {
        return SavedGameFault::Damaged;
    }
    Reader stored(bytes.substr(headerSize + size));
    if (Checksum(bytes.substr(0, headerSize + size)) != stored.Get<std::uint32_t>()) {
        return SavedGameFault::Damaged;
    }

    Reader body(bytes.substr(headerSize, size));
    SavedSession& s = game.session;
    game.dictionary = body.Text();
    game.savedAt = body.Get<std::int64_t>();
    if (body.Get<std::uint32_t>() > gameRulesVersion) {
        return SavedGameFault::Newer;
    }
    for (std::uint32_t* rule : RuleFields(s.rules)) {
        *rule = body.Get<std::uint32_t>();
    }
    const std::uint8_t phase = body.Get<std::uint8_t>();
    s.state.phase = phase == 2 ? SessionPhase::Clearing : SessionPhase::Playing;
    for (std::uint32_t* counter :
         {&s.state.lives, &s.state.score, &s.state.gamesStarted, &s.state.clearCountdown, &s.state.evolveInterval,
          &s.state.wordsEntered, &s.state.round, &s.state.dailySeed, &s.state.livesEarned, &s.state.playedMs}) {
        *counter = body.Get<std::uint32_t>();
    }
    s.tiles = body.List<SavedTile>([&] {
        SavedTile tile;
        tile.cell = body.Cell();
        tile.letter = body.Text();
        tile.value = body.Get<std::uint32_t>();
        return tile;
    });
    s.chain = body.List<CellAt>([&] { return body.Cell(); });
    s.typed = body.Text();
    s.bestWords = body.List<SessionWord>([&] {
        SessionWord word;
        word.spelling = body.Text();
        word.value = body.Get<std::uint32_t>();
        return word;
    });
    s.newestBestWord = body.Get<std::int32_t>();
    s.missedWord.spelling = body.Text();
    s.missedWord.value = body.Get<std::uint32_t>();
    s.missedChain = body.List<CellAt>([&] { return body.Cell(); });
    s.random = body.List<std::uint32_t>([&] { return body.Get<std::uint32_t>(); });
    const std::uint8_t kind = body.Get<std::uint8_t>();
    s.kind = static_cast<GameKind>(std::min<std::uint8_t>(kind, 2));
    s.dailyRandom = body.List<std::uint32_t>([&] { return body.Get<std::uint32_t>(); });
    game.dailyDate = body.Text();
    // Passed the checksum, yet not what this version writes.
    const bool known = (phase == 1 || phase == 2) && kind <= 2;
    return body.ok && body.rest.empty() && known ? SavedGameFault::None : SavedGameFault::Damaged;
}
