// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

class Board;
class Chip;

// Finds the chain of occupied tiles that spells `typed` (capitals A to Z) under the rules of a
// dragged chain: each tile touches the one before and no tile comes twice. A tile answers to the
// first of its letters and also takes the rest of them when they are typed right after it, so a
// QU tile answers to "Q" and to "QU".
//
// Among several chains it returns the one that keeps the longest start of `current` (so the
// selection does not jump while the player types), then the one whose tiles sit lowest: the
// smallest sum of rows, then the lowest first tile, second tile and so on (by row, then column).
// Returns an empty list when no chain spells the word. The search gives up after a fixed number
// of steps on boards built to defeat it, returning the best chain found by then.
std::vector<Chip*> FindChain(Board& board, std::string_view typed, const std::vector<Chip*>& current);
