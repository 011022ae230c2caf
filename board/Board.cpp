// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"

#include "board/GameRandom.h"
#include "board/PickLetter.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <utility>

namespace {

std::int32_t Saturate(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

void PlaceRandomTile(Chip& chip, GameRandom& random)
{
    std::string letter;
    const std::uint32_t value = PickLetter(letter, random);
    chip.Set(letter, value);
}

}  // namespace

Board::Board(std::uint32_t rows_, std::uint32_t tilesPerRow, GameRandom& random_)
    : random(random_), rows(rows_), columns(2 * tilesPerRow), cells(static_cast<std::size_t>(rows_) * columns)
{
    for (std::uint32_t r = 0; r < rows; ++r) {
        for (std::uint32_t c = 0; c < columns; ++c) {
            cells[r * columns + c].Place(this, static_cast<std::int32_t>(r), static_cast<std::int32_t>(c));
        }
    }
}

void Board::SetTileGeometry(std::int32_t width, std::int32_t height, std::int32_t pitch)
{
    tileWidth = width;
    tileHeight = height;
    rowPitch = pitch;
}

BoardRect Board::CellRect(std::int32_t row, std::int32_t column) const
{
    const std::int64_t left = std::int64_t{column} * tileWidth / 2;
    const std::int64_t top = -(std::int64_t{row} * rowPitch + tileHeight);
    return {Saturate(left), Saturate(top), Saturate(left + tileWidth), Saturate(top + tileHeight)};
}

Chip* Board::Cell(std::int32_t row, std::int32_t column)
{
    return const_cast<Chip*>(std::as_const(*this).Cell(row, column));
}

const Chip* Board::Cell(std::int32_t row, std::int32_t column) const
{
    if (row < 0 || column < 0 || static_cast<std::uint32_t>(row) >= rows ||
        static_cast<std::uint32_t>(column) >= columns) {
        return nullptr;
    }
    return &cells[static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(column)];
}

void Board::FillWithTitle()
{
    static constexpr std::string_view title = "GLIMMERQUAKE";
    random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    std::size_t next = 0;
    bool leftToRight = true;
    for (std::int32_t r = static_cast<std::int32_t>(rows) - 1; r >= 0; --r) {
        const std::int32_t first = r % 2;
        const std::int32_t last = first + static_cast<std::int32_t>(columns) - 2;
        for (std::int32_t i = 0; first + 2 * i <= last; ++i) {
            const std::int32_t c = leftToRight ? first + 2 * i : last - 2 * i;
            // A title Q stays the single letter Q.
            std::string letter(1, title[next]);
            next = (next + 1) % title.size();
            const std::uint32_t value = PickLetter(letter, random);
            Cell(r, c)->Set(letter, value);
        }
        leftToRight = !leftToRight;
    }
}

void Board::Fill(std::uint32_t filledRows)
{
    for (std::uint32_t r = 0; r < rows; ++r) {
        for (std::uint32_t c = r % 2; c < columns; c += 2) {
            Chip& chip = cells[r * columns + c];
            if (r < filledRows) {
                PlaceRandomTile(chip, Arrivals());
            } else {
                chip.Set({}, 0);
            }
        }
    }
    selection.clear();
    ++selectionVersion;
}

bool Board::Evolve(std::vector<Chip*>& changed)
{
    // Two draws per arrival, whatever the board holds, so a stream of arrivals never shifts.
    const std::int32_t k = static_cast<std::int32_t>(Arrivals().Below(columns / 2));
    const std::int32_t t = static_cast<std::int32_t>(rows) - 1;
    const std::int32_t c = 2 * k + t % 2;
    Chip* top = Cell(t, c);
    if (top == nullptr) {
        return false;  // a board without cells has nowhere for a tile to arrive
    }

    bool stuck = true;
    for (const std::int32_t below : {c - 1, c + 1}) {
        const Chip* chip = Cell(t - 1, below);
        if (chip != nullptr && !chip->IsOccupied()) {
            stuck = false;
        }
    }

    // A new tile over a chain tile cuts the chain there, as a click on it would, so the chain
    // always lists exactly the flagged tiles.
    if (top->IsSelected()) {
        const auto at = std::find(selection.begin(), selection.end(), top);
        CutSelection(static_cast<std::size_t>(at - selection.begin()), changed);
    }
    PlaceRandomTile(*top, Arrivals());
    changed.push_back(top);
    return stuck;
}

void Board::Tumble(std::vector<Chip*>& changed)
{
    std::vector<Chip*> destinations;
    std::vector<Chip*> movers;
    std::vector<Chip*> empties;
    const auto counts = [&movers](const Chip* above) {
        return above != nullptr && above->IsOccupied() && !above->IsSelected() &&
               std::find(movers.begin(), movers.end(), above) == movers.end();
    };

    for (std::int32_t r = 0; r + 1 < static_cast<std::int32_t>(rows); ++r) {
        empties.clear();
        for (std::int32_t c = r % 2; c < static_cast<std::int32_t>(columns); c += 2) {
            Chip* chip = Cell(r, c);
            if (!chip->IsOccupied()) {
                empties.push_back(chip);
            }
        }
        while (!empties.empty()) {
            const std::size_t i = random.Below(static_cast<std::uint32_t>(empties.size()));
            Chip* empty = empties[i];
            Chip* left = Cell(r + 1, empty->Column() - 1);
            Chip* right = Cell(r + 1, empty->Column() + 1);
            const bool leftCounts = counts(left);
            const bool rightCounts = counts(right);
            if (leftCounts) {
                destinations.push_back(empty);
                if (rightCounts) {
                    movers.push_back(random.Below(2) == 0 ? right : left);
                } else {
                    movers.push_back(left);
                }
            } else if (rightCounts) {
                destinations.push_back(empty);
                movers.push_back(right);
            }
            empties.erase(empties.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }

    for (std::size_t i = 0; i < destinations.size(); ++i) {
        destinations[i]->TakeFrom(*movers[i]);
    }
    changed.insert(changed.end(), destinations.begin(), destinations.end());
    changed.insert(changed.end(), movers.begin(), movers.end());
}

Chip* Board::ChipAt(BoardPoint point, std::int32_t& closeness)
{
    if (tileWidth == unsetGeometry || tileHeight == unsetGeometry || rowPitch == unsetGeometry) {
        return nullptr;  // nothing has been laid out yet, so nothing is under any point
    }
    const std::int32_t radius = tileWidth / 2;
    for (std::uint32_t r = 0; r < rows; ++r) {
        const std::int32_t row = static_cast<std::int32_t>(r);
        const BoardRect band = CellRect(row, 0);
        if (!(band.top < point.y && point.y <= band.bottom)) {
            continue;
        }
        for (std::uint32_t c = 0; c < columns; ++c) {
            Chip& chip = cells[r * columns + c];
            if (!chip.IsOccupied()) {
                continue;
            }
            const BoardRect rect = CellRect(row, static_cast<std::int32_t>(c));
            if (!(rect.left <= point.x && point.x < rect.right)) {
                continue;
            }
            const std::int64_t dx = (std::int64_t{rect.left} + rect.right) / 2 - point.x;
            const std::int64_t dy = (std::int64_t{rect.top} + rect.bottom) / 2 - point.y;
            const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            if (radius > d) {
                closeness = static_cast<std::int32_t>(radius - d);
                return &chip;
            }
        }
    }
    return nullptr;
}

std::array<Chip*, 6> Board::Neighbours(const Chip& tile)
{
    const std::int32_t r = tile.Row();
    const std::int32_t c = tile.Column();
    return {Cell(r - 1, c - 1), Cell(r - 1, c + 1), Cell(r, c - 2),
            Cell(r, c + 2),     Cell(r + 1, c - 1), Cell(r + 1, c + 1)};
}

bool Board::IsAdjacent(const Chip* a, const Chip* b)
{
    if (a == nullptr || b == nullptr) {
        return false;
    }
    const std::int32_t dRow = b->Row() - a->Row();
    const std::int32_t dCol = b->Column() - a->Column();
    return (dRow == 0 && (dCol == 2 || dCol == -2)) || ((dRow == 1 || dRow == -1) && (dCol == 1 || dCol == -1));
}

void Board::CutSelection(std::size_t p, std::vector<Chip*>& changed)
{
    ++selectionVersion;
    for (std::size_t i = p; i < selection.size(); ++i) {
        selection[i]->ToggleSelected();
        changed.push_back(selection[i]);
    }
    selection.resize(std::min(p, selection.size()));
    if (p > 0 && !selection.empty()) {
        changed.push_back(selection.back());
    }
}

std::string Board::Select(Chip* tile, bool keepClicked, std::vector<Chip*>& changed)
{
    if (tile == nullptr) {
        return WordInProgress();
    }
    if (tile->IsSelected()) {
        const auto at = std::find(selection.begin(), selection.end(), tile);
        std::size_t p = static_cast<std::size_t>(at - selection.begin());
        if (keepClicked && at != selection.end()) {
            ++p;
        }
        CutSelection(p, changed);
    } else {
        ++selectionVersion;
        while (!selection.empty() && !IsAdjacent(tile, selection.back())) {
            selection.back()->ToggleSelected();
            changed.push_back(selection.back());
            selection.pop_back();
        }
        if (!selection.empty()) {
            changed.push_back(selection.back());
        }
        tile->ToggleSelected();
        selection.push_back(tile);
        changed.push_back(tile);
    }
    return WordInProgress();
}

void Board::ClearSelection(std::vector<Chip*>& changed)
{
    ++selectionVersion;
    for (Chip* chip : selection) {
        chip->ToggleSelected();
        changed.push_back(chip);
    }
    selection.clear();
}

void Board::RemoveSelected(std::vector<Chip*>& changed)
{
    ++selectionVersion;
    for (Chip* chip : selection) {
        chip->Set({}, 0);
        changed.push_back(chip);
    }
    selection.clear();
}

std::uint32_t Board::SelectionValue() const
{
    std::uint64_t product = 1;
    for (const Chip* chip : selection) {
        product = std::min<std::uint64_t>(product * chip->Value(), UINT32_MAX);
    }
    return product == 1 ? 0 : static_cast<std::uint32_t>(product);
}

std::string Board::WordInProgress() const
{
    std::string word;
    for (const Chip* chip : selection) {
        word += chip->Letter();
    }
    return word;
}
