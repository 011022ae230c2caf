// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/TypedWord.h"

#include "board/Board.h"
#include "board/ChainSearch.h"

#include <algorithm>
#include <utility>

const std::string& TypedWord::Letters(const Board& board)
{
    if (board.SelectionVersion() != version) {
        typed = board.WordInProgress();
        version = board.SelectionVersion();
    }
    return typed;
}

std::string TypedWord::Current(const Board& board) const
{
    return board.SelectionVersion() == version ? typed : board.WordInProgress();
}

void TypedWord::Restore(std::string letters, const Board& board)
{
    typed = std::move(letters);
    version = board.SelectionVersion();
}

bool TypedWord::Type(Board& board, char letter, std::vector<Chip*>& changed)
{
    const std::string word = Letters(board) + letter;
    const std::vector<Chip*> current = board.Selection();
    const std::vector<Chip*> chain = FindChain(board, word, current);
    if (chain.empty()) {
        return false;
    }
    // Cut the current chain where the new one leaves it, then add the new tiles in order: each
    // touches the one before, so every click extends the chain.
    const auto kept = std::mismatch(current.begin(), current.end(), chain.begin(), chain.end());
    if (kept.first != current.end()) {
        board.Select(*kept.first, false, changed);
    }
    for (auto tile = kept.second; tile != chain.end(); ++tile) {
        board.Select(*tile, false, changed);
    }
    typed = word;
    version = board.SelectionVersion();
    return true;
}
