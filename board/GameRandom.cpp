// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/GameRandom.h"

GameRandom& ProcessRandom()
{
    static GameRandom generator;
    return generator;
}
