// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/GameRandom.h"

#include <sstream>

GameRandom& ProcessRandom()
{
    static GameRandom generator;
    return generator;
}

std::vector<std::uint32_t> GameRandom::State() const
{
    std::ostringstream text;
    text << generator;
    std::vector<std::uint32_t> state;
    std::uint32_t number = 0;
    std::istringstream numbers(text.str());
    while (numbers >> number) {
        state.push_back(number);
    }
    return state;
}

bool GameRandom::Restore(const std::vector<std::uint32_t>& state)
{
    std::ostringstream text;
    for (const std::uint32_t number : state) {
        text << number << ' ';
    }
    std::istringstream numbers(text.str());
    std::mt19937 restored;
    numbers >> restored;
    // Every number read, none left over.
    if (numbers.fail() || !(numbers >> std::ws).eof()) {
        return false;
    }
    generator = restored;
    return true;
}
