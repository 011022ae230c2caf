// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ChainSearch.h"

#include "board/Board.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

// Enough for any board a game deals (a 20-letter word on a full board takes a few hundred
// steps); a board of one letter throughout would otherwise make the search run for ages.
constexpr std::size_t stepBudget = 100000;

// How many typed letters from `at` on the tile takes: 0 when its first letter is not typed there,
// otherwise 1 plus the rest of its letters as far as they follow in `typed`.
std::size_t Takes(const Chip& tile, std::string_view typed, std::size_t at)
{
    const std::string& letters = tile.Letter();
    if (letters.empty() || at >= typed.size() || letters[0] != typed[at]) {
        return 0;
    }
    std::size_t taken = 1;
    while (taken < letters.size() && at + taken < typed.size() && letters[taken] == typed[at + taken]) {
        ++taken;
    }
    return taken;
}

class Search {
public:
    Search(Board& board, std::string_view typed)
        : board(board),
          typed(typed),
          used(std::size_t{board.Rows()} * board.Columns(), false),
          tilesFrom(typed.size() + 1, 0)
    {
        // At least one tile for every letter but a U that a QU tile may take with its Q.
        for (std::size_t at = typed.size(); at-- > 0;) {
            const bool afterQ = at > 0 && typed[at] == 'U' && typed[at - 1] == 'Q';
            tilesFrom[at] = tilesFrom[at + 1] + (afterQ ? 0 : 1);
        }
    }

    // Fixes `prefix` as the chain's start and searches every way to finish it. Returns false
    // when the prefix does not spell the start of the typed word.
    bool FinishFrom(const std::vector<Chip*>& prefix)
    {
        std::size_t at = 0;
        std::int64_t rows = 0;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            const std::size_t taken = Takes(*prefix[i], typed, at);
            if (taken == 0 || (i > 0 && !Board::IsAdjacent(prefix[i - 1], prefix[i]))) {
                Unmark();
                return false;
            }
            Mark(prefix[i]);
            at += taken;
            rows += prefix[i]->Row();
        }
        Extend(at, rows);
        Unmark();
        return true;
    }

    std::vector<Chip*> best;

private:
    std::size_t Index(const Chip* tile) const
    {
        return static_cast<std::size_t>(tile->Row()) * board.Columns() + static_cast<std::size_t>(tile->Column());
    }
    void Mark(Chip* tile)
    {
        used[Index(tile)] = true;
        path.push_back(tile);
    }
    void Unmark()
    {
        for (const Chip* tile : path) {
            used[Index(tile)] = false;
        }
        path.clear();
    }

    // The fewest rows that `count` more tiles can add after a tile in `row`: each may sit at
    // most one row lower than the one before, and none below row 0.
    static std::int64_t LowestRowsAfter(std::int64_t row, std::size_t count)
    {
        std::int64_t sum = 0;
        for (std::size_t j = 1; j <= count && row - static_cast<std::int64_t>(j) > 0; ++j) {
            sum += row - static_cast<std::int64_t>(j);
        }
        return sum;
    }

    void Extend(std::size_t at, std::int64_t rows)
    {
        if (at == typed.size()) {
            // Chains come in order of their tiles, so among equal sums the first one stays.
            if (best.empty() || rows < bestRows) {
                best = path;
                bestRows = rows;
            }
            return;
        }
        if (++steps > stepBudget) {
            return;
        }
        if (path.empty()) {
            for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
                for (std::int32_t c = r % 2; c < static_cast<std::int32_t>(board.Columns()); c += 2) {
                    Try(board.Cell(r, c), at, rows);
                }
            }
            return;
        }
        // The neighbours come lowest first, so chains are met lowest first.
        for (Chip* next : board.Neighbours(*path.back())) {
            Try(next, at, rows);
        }
    }

    void Try(Chip* tile, std::size_t at, std::int64_t rows)
    {
        if (tile == nullptr || !tile->IsOccupied() || used[Index(tile)]) {
            return;
        }
        const std::size_t taken = Takes(*tile, typed, at);
        if (taken == 0) {
            return;
        }
        const std::int64_t withTile = rows + tile->Row();
        if (!best.empty() && withTile + LowestRowsAfter(tile->Row(), tilesFrom[at + taken]) >= bestRows) {
            return;
        }
        used[Index(tile)] = true;
        path.push_back(tile);
        Extend(at + taken, withTile);
        path.pop_back();
        used[Index(tile)] = false;
    }

    Board& board;
    std::string_view typed;
    std::vector<bool> used;
    // The fewest tiles that can spell the typed word from each position on.
    std::vector<std::size_t> tilesFrom;
    std::vector<Chip*> path;
    std::int64_t bestRows = 0;
    std::size_t steps = 0;
};

// Whether the board has a tile for every letter that needs one of its own; it saves searching
// every chain for a word the board plainly cannot spell.
bool EnoughTiles(const Board& board, std::string_view typed)
{
    std::array<std::int32_t, 256> spare{};
    for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
        for (std::int32_t c = r % 2; c < static_cast<std::int32_t>(board.Columns()); c += 2) {
            if (const Chip* tile = board.Cell(r, c); tile->IsOccupied()) {
                ++spare[static_cast<unsigned char>(tile->Letter()[0])];
            }
        }
    }
    for (std::size_t at = 0; at < typed.size(); ++at) {
        const bool afterQ = at > 0 && typed[at] == 'U' && typed[at - 1] == 'Q';
        if (!afterQ && --spare[static_cast<unsigned char>(typed[at])] < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<Chip*> FindChain(Board& board, std::string_view typed, const std::vector<Chip*>& current)
{
    if (typed.empty() || !EnoughTiles(board, typed)) {
        return {};
    }
    Search search(board, typed);
    // The longest start of the current chain that still leads to a chain wins, so try the
    // longest first: any chain found keeps exactly that many of its tiles.
    for (std::size_t kept = current.size() + 1; kept-- > 0;) {
        const std::vector<Chip*> prefix(current.begin(), current.begin() + static_cast<std::ptrdiff_t>(kept));
        if (search.FinishFrom(prefix) && !search.best.empty()) {
            break;
        }
    }
    return search.best;
}
