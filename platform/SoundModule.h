// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class SoundOutput;

// What the sound module (glimsound, built from SoundModule.cpp) exports for DesktopSound, which
// resolves these names. Same compiler and Qt on both sides: the program and the module are built
// and installed together.
inline constexpr char newSoundOutputSymbol[] = "glim_new_sound_output";
inline constexpr char playableSoundSymbol[] = "glim_playable_sound";

using NewSoundOutputFunction = SoundOutput* (*)();
using PlayableSoundFunction = bool (*)(const QString& path);
