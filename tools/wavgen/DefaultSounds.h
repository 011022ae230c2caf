#pragma once

#include "tools/wavgen/Synth.h"

#include <string>
#include <vector>

struct DefaultSound {
    std::string fileName;
    Samples samples; // finished: peak below full scale, silent at both ends
};

// The six sounds of the game's events, each under its default file name.
std::vector<DefaultSound> MakeDefaultSounds();
