// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Board;
class Chip;

// The word the player spells by typing, kept in step with the board's chain: whenever the chain
// changes by other means (a click or drag, a submitted or cleared word, a tile landing on it, a
// new round), the typed word becomes the chain's letters, and typing goes on from there.
class TypedWord {
public:
    // Adds a capital letter to the typed word and makes the chain that spells it the selection,
    // as clicks on its tiles would, appending the tiles whose look changed to `changed`. A letter
    // that no chain can take changes nothing and returns false.
    bool Type(Board& board, char letter, std::vector<Chip*>& changed);
    // The letters typing goes on from: the typed ones, or the chain's when it changed since.
    std::string Current(const Board& board) const;
    // Goes on from `letters` (as Current gave them) on the board's present chain.
    void Restore(std::string letters, const Board& board);

private:
    // The letters typed so far; the chain's own letters when the chain changed behind our back.
    const std::string& Letters(const Board& board);

    std::string typed;
    // The board's selection version when the typed word last matched its chain.
    std::uint64_t version = UINT64_MAX;
};
