#include "board/GameRandom.h"

#include <random>

namespace {

std::mt19937& Generator()
{
    static std::mt19937 generator;
    return generator;
}

}  // namespace

void SeedGameRandom(std::uint32_t seed)
{
    Generator().seed(seed);
}

std::uint32_t RandomDraw()
{
    // The top 31 of 32 uniform bits: uniform below 2^31, and the same on every standard library.
    return static_cast<std::uint32_t>(Generator()() >> 1);
}

std::uint32_t RandomBelow(std::uint32_t n)
{
    return n == 0 ? 0 : RandomDraw() % n;
}
