// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

class GameRandom;

// Relative frequency of each letter A to Z among new tiles.
inline constexpr std::array<std::uint32_t, 26> LetterWeights = {
    181548, 46362,  63247, 70030, 202682, 28417,  49855,  54084, 131640, 9000,  34439, 103497, 58582,
    113329, 121572, 50810, 6000,  127670, 136186, 101100, 74298, 19225,  24806, 6724,  39773,  11815,
};

// The tile value of a capital letter A to Z: rarer letters are worth more, from 2 to 9.
std::uint32_t LetterValue(char capital);

// When `letter` is empty, draws a weighted random letter from `random` into it (a Q arrives
// as "QU").
// Returns the value of the first character of `letter`, which must then be a capital A to Z.
std::uint32_t PickLetter(std::string& letter, GameRandom& random);
