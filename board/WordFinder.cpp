// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/WordFinder.h"

#include "board/Board.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace {

constexpr std::size_t shortestWord = 2;
constexpr std::size_t longestWord = 31;

class Finder {
public:
    Finder(Board& board, const WordQuestions& ask)
        : board(board), ask(ask), used(std::size_t{board.Rows()} * board.Columns(), false)
    {
    }

    FoundWord Run()
    {
        for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
            for (std::int32_t c = r % 2; c < static_cast<std::int32_t>(board.Columns()); c += 2) {
                Visit(board.Cell(r, c), 1);
            }
        }
        return best;
    }

private:
    void Visit(Chip* tile, std::uint64_t value)
    {
        if (tile == nullptr || !tile->IsOccupied() || used[Index(tile)]) {
            return;
        }
        const std::size_t before = letters.size();
        letters += tile->Letter();
        if (letters.size() <= longestWord && ask.mayStart(letters)) {
            value = std::min<std::uint64_t>(value * tile->Value(), UINT32_MAX);
            used[Index(tile)] = true;
            path.push_back(tile);
            if (letters.size() >= shortestWord && value > best.value && ask.isWord(letters)) {
                best = {letters, static_cast<std::uint32_t>(value), path};
            }
            for (Chip* next : board.Neighbours(*tile)) {
                Visit(next, value);
            }
            path.pop_back();
            used[Index(tile)] = false;
        }
        letters.resize(before);
    }

    std::size_t Index(const Chip* tile) const
    {
        return static_cast<std::size_t>(tile->Row()) * board.Columns() + static_cast<std::size_t>(tile->Column());
    }

    Board& board;
    const WordQuestions& ask;
    std::vector<bool> used;
    std::string letters;
    std::vector<Chip*> path;
    FoundWord best;
};

}  // namespace

FoundWord FindBestWord(Board& board, const WordQuestions& ask)
{
    return Finder(board, ask).Run();
}
