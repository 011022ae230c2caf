// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QString;
class SoundOutput;

// The desktop's audio, from the sound module in the program's plugins folder. The module holds the
// PulseAudio output and the libsndfile decoder, so those libraries and the codecs libsndfile
// brings are loaded the first time a sound plays or a file is checked, not with every start of
// the program. Without a usable module the game is silent and no file is playable; that is said
// once on standard error.

// An output that loads the module and connects to the sound server with its first sound. An
// empty path before that stops nothing and loads nothing.
std::unique_ptr<SoundOutput> NewDesktopSoundOutput();

// Whether the file at `path` is a sound the game can play (see IsPlayableSoundFile).
bool IsPlayableDesktopSound(const QString& path);
