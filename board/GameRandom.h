#pragma once

#include <cstdint>

// The game's one process-wide random generator: letters, arrivals, tumbling and the
// round-end clearing all draw from it, so a seed replays a whole game.

// Restarts the sequence; FillWithTitle seeds it from the calendar time, tests with fixed values.
void SeedGameRandom(std::uint32_t seed);

// A uniformly distributed draw in [0, 2^31).
std::uint32_t RandomDraw();

// A draw modulo n, or 0 without drawing when n is 0.
std::uint32_t RandomBelow(std::uint32_t n);
