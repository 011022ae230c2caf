// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Chip.h"

#include "board/Board.h"

void Chip::Place(Board* owner_, std::int32_t row_, std::int32_t column_)
{
    owner = owner_;
    row = row_;
    column = column_;
}

void Chip::Set(std::string_view letter_, std::uint32_t value_)
{
    value = value_;
    selected = false;
    letter.assign(letter_);
}

void Chip::TakeFrom(Chip& source)
{
    Set(source.letter, source.value);
    source.Set({}, 0);
}

BoardRect Chip::Rect() const
{
    return owner ? owner->CellRect(row, column) : BoardRect{};
}

BoardPoint Chip::Centre() const
{
    const BoardRect r = Rect();
    // Computed in 64 bits so an unset (huge) geometry cannot overflow.
    const auto half = [](std::int64_t from, std::int64_t to) { return from + (to - from + 1) / 2; };
    return {static_cast<std::int32_t>(half(r.left, r.right)), static_cast<std::int32_t>(half(r.top, r.bottom))};
}
