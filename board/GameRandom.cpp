#include "board/GameRandom.h"

GameRandom& ProcessRandom()
{
    static GameRandom generator;
    return generator;
}
