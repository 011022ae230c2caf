// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/wavgen/Synth.h"

#include <string>
#include <vector>

struct DefaultSound {
    std::string fileName;
    Samples samples;  // finished: peak below full scale, silent at both ends
};

// The six sounds of the game's events and the refusal of a typed letter, each under its file name.
std::vector<DefaultSound> MakeDefaultSounds();
