// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// A small additive synthesiser for short game sounds: notes made of sine partials with a smooth
// attack, an exponential decay and a release that reaches silence exactly at the note's end.

inline constexpr int SampleRate = 44100;

struct Partial {
    double ratio;  // of the note's frequency
    double amplitude;  // relative to the note's amplitude
};

struct Note {
    double start = 0;  // seconds
    double length = 0.1;  // seconds, release included
    double frequency = 440;  // Hz at the start
    double endFrequency = 0;  // Hz at the end for a glide, 0 for a steady pitch
    double amplitude = 1;
    double attack = 0.005;  // seconds of rise from silence
    double decay = 0.1;  // seconds for the level to fall to 1/e after the attack
    double release = 0.02;  // seconds of fade to silence at the end
    std::vector<Partial> partials{{1.0, 1.0}};
};

using Samples = std::vector<double>;

// Mixes the note into `samples`, growing it as needed.
void AddNote(Samples& samples, const Note& note);

// Scales the mix so its largest magnitude is `peak` (below 1) and fades the first and last
// milliseconds in and out, so the sound starts and ends at silence.
void Finish(Samples& samples, double peak);

// Converts to 16-bit samples, rounding; values stay within the range by construction.
std::vector<std::int16_t> ToPcm(const Samples& samples);
