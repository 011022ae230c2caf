// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <vector>

// A uniform generator of draws below 2^31: letters, arrivals, tumbling and the round-end clearing
// all draw from one, so a seed replays a whole game.
class GameRandom {
public:
    explicit GameRandom(std::uint32_t seed = std::mt19937::default_seed) : generator(seed) {}

    // Restarts the sequence.
    void Seed(std::uint32_t seed) { generator.seed(seed); }
    // A uniformly distributed draw in [0, 2^31).
    std::uint32_t Draw()
    {
        // The top 31 of 32 uniform bits: uniform below 2^31, and the same on every standard library.
        return static_cast<std::uint32_t>(generator() >> 1);
    }
    // A draw modulo n, or 0 without drawing when n is 0.
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : Draw() % n; }

    // The generator's whole state as the numbers of its standard text form, so that a saved game
    // goes on with the draws it would have had.
    std::vector<std::uint32_t> State() const;
    // Takes over a state that State gave; returns false, changing nothing, for numbers that are
    // no state of this generator.
    bool Restore(const std::vector<std::uint32_t>& state);

private:
    std::mt19937 generator;
};

// The one process-wide generator the game plays with; FillWithTitle seeds it from the calendar
// time, tests with fixed values.
GameRandom& ProcessRandom();

inline void SeedGameRandom(std::uint32_t seed)
{
    ProcessRandom().Seed(seed);
}
inline std::uint32_t RandomDraw()
{
    return ProcessRandom().Draw();
}
inline std::uint32_t RandomBelow(std::uint32_t n)
{
    return ProcessRandom().Below(n);
}
