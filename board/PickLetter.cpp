// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/PickLetter.h"

#include "board/GameRandom.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

std::array<std::uint32_t, 26> ComputeValues()
{
    const double largest = *std::max_element(LetterWeights.begin(), LetterWeights.end());
    std::array<std::uint32_t, 26> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        // 2.250001 rather than 2.25 keeps E at exactly 2 despite rounding in the root.
        values[i] = static_cast<std::uint32_t>(std::sqrt(largest * 2.250001 / LetterWeights[i]) + 0.5);
    }
    return values;
}

char DrawLetter(GameRandom& random)
{
    static const std::uint32_t total = std::accumulate(LetterWeights.begin(), LetterWeights.end(), std::uint32_t{0});
    const std::uint32_t r = total == 0 ? 0 : random.Draw() % total;
    // Walk from Z down to A: the walk order decides which letter a given draw yields.
    std::uint32_t running = total;
    for (int i = 25; i > 0; --i) {
        running -= LetterWeights[static_cast<std::size_t>(i)];
        if (r >= running) {
            return static_cast<char>('A' + i);
        }
    }
    return 'A';
}

}  // namespace

std::uint32_t LetterValue(char capital)
{
    static const std::array<std::uint32_t, 26> values = ComputeValues();
    if (capital < 'A' || capital > 'Z') {
        return 0;
    }
    return values[static_cast<std::size_t>(capital - 'A')];
}

std::uint32_t PickLetter(std::string& letter, GameRandom& random)
{
    if (letter.empty()) {
        const char drawn = DrawLetter(random);
        letter.assign(1, drawn);
        if (drawn == 'Q') {
            letter += 'U';
        }
    }
    return LetterValue(letter.front());
}
