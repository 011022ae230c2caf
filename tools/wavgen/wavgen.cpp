// SPDX-License-Identifier: GPL-3.0-or-later
// wavgen <directory>: writes the game's default sounds into the directory.

#include "tools/wavgen/DefaultSounds.h"
#include "tools/wavgen/WavFile.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: wavgen <output directory>\n";
        return 2;
    }
    const std::string directory = argv[1];
    for (const DefaultSound& sound : MakeDefaultSounds()) {
        const std::string path = directory + "/" + sound.fileName;
        if (!WriteWavFile(path, ToPcm(sound.samples))) {
            std::cerr << "wavgen: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
