// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Chip.h"
#include "board/Geometry.h"

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

class GameRandom;

// The hexagonal playing field: rows of round tiles where odd rows sit half a tile to the right.
// Row 0 is the bottom; columns count half-tile steps, and row r uses the columns c with
// c ≡ r (mod 2). The board knows no windows or timers: operations that alter cells append every
// cell whose look changed to a caller's list, and the caller repaints exactly those.
class Board {
public:
    // Tiles are drawn, placed and tumbled with `random`, which must outlive the board.
    Board(std::uint32_t rows, std::uint32_t tilesPerRow, GameRandom& random);
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    std::uint32_t Rows() const { return rows; }
    // Half-tile columns: twice the tiles per row.
    std::uint32_t Columns() const { return columns; }

    void SetTileGeometry(std::int32_t width, std::int32_t height, std::int32_t pitch);
    // Defined for any row and column; saturates rather than overflows while the geometry is unset.
    BoardRect CellRect(std::int32_t row, std::int32_t column) const;
    // The Chip at (row, column), or nullptr outside the grid; unusable columns return their
    // always-empty Chip.
    Chip* Cell(std::int32_t row, std::int32_t column);
    const Chip* Cell(std::int32_t row, std::int32_t column) const;

    // Tiles that arrive (Fill and Evolve) draw from `source` from now on, or from the board's own
    // generator when it is null; tumbling always draws from the board's own. `source` must outlive
    // its use.
    void SetArrivals(GameRandom* source) { arrivals = source; }

    // Seeds the board's random generator from the clock and spells the title over every usable
    // cell, serpentine from the top left. Only called while the selection is empty.
    void FillWithTitle();
    // Random tiles in the rows below filledRows, everything else empty, no selection.
    void Fill(std::uint32_t filledRows);
    // A new tile arrives in a random top cell. Returns true when it has no free cell beneath it:
    // the tiles have reached the top.
    bool Evolve(std::vector<Chip*>& changed);
    // One falling step: each tile with a free cell diagonally below may drop one row into it.
    // All moves are decided on the board as it was when the step began; selected tiles stay.
    void Tumble(std::vector<Chip*>& changed);

    // The occupied tile whose inscribed circle holds the point, searching rows from the bottom
    // and columns from the left; closeness is set, on a hit only, to how far inside it lies.
    Chip* ChipAt(BoardPoint point, std::int32_t& closeness);
    static bool IsAdjacent(const Chip* a, const Chip* b);
    // The six cells around `tile`, by row and then column (lowest first); nullptr where one lies
    // off the board.
    std::array<Chip*, 6> Neighbours(const Chip& tile);
    // Grows the chain by an unselected tile (after cutting it back to the last tile touching it)
    // or cuts it back at a selected one, keeping that tile when keepClicked. Returns the word in
    // progress: the chain's letters in order.
    std::string Select(Chip* tile, bool keepClicked, std::vector<Chip*>& changed);
    void ClearSelection(std::vector<Chip*>& changed);
    // Empties the chain's cells; tiles above fall into them in later Tumble steps.
    void RemoveSelected(std::vector<Chip*>& changed);
    // The product of the chain's tile values, capped at 4,294,967,295 so a long chain of rare
    // letters cannot wrap to a small score; 0 for an empty chain.
    std::uint32_t SelectionValue() const;
    std::vector<Chip*> Selection() const { return selection; }
    // The chain's letters in order (a QU tile gives both).
    std::string WordInProgress() const;
    // Grows by one at every operation that may change the chain, so a caller that kept it can
    // tell whether the chain changed since.
    std::uint64_t SelectionVersion() const { return selectionVersion; }

private:
    static constexpr std::int32_t unsetGeometry = INT32_MAX;

    // Unmarks and drops the chain from position p on, reporting those tiles and then the new
    // last tile; as a click on the tile at p does.
    void CutSelection(std::size_t p, std::vector<Chip*>& changed);

    GameRandom& Arrivals() { return arrivals != nullptr ? *arrivals : random; }

    GameRandom& random;
    GameRandom* arrivals = nullptr;
    std::vector<Chip*> selection;
    std::uint64_t selectionVersion = 0;
    std::uint32_t rows;
    std::uint32_t columns;
    std::int32_t tileWidth = unsetGeometry;
    std::int32_t tileHeight = unsetGeometry;
    std::int32_t rowPitch = unsetGeometry;
    // Row-major, rows * columns Chips; sized once, so pointers to Chips stay valid.
    std::vector<Chip> cells;
};
