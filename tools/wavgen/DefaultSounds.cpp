// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/wavgen/DefaultSounds.h"

namespace {

// Equal-tempered pitches used below, in Hz.
constexpr double C4 = 261.63;
constexpr double G4 = 392.00;
constexpr double C5 = 523.25;
constexpr double E5 = 659.25;
constexpr double G5 = 783.99;
constexpr double C6 = 1046.50;
constexpr double E6 = 1318.51;
constexpr double B6 = 1975.53;

// Bright bell: strong octave, a little twelfth.
const std::vector<Partial> bell{{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}};
// Soft, flute-like.
const std::vector<Partial> mellow{{1.0, 1.0}, {2.0, 0.18}, {3.0, 0.05}};
// Brassy: many harmonics falling off slowly.
const std::vector<Partial> brass{{1.0, 1.0}, {2.0, 0.55}, {3.0, 0.38}, {4.0, 0.22}, {5.0, 0.12}, {6.0, 0.06}};

Samples SelectTick()
{
    Samples s;
    // A short woody knock: an inharmonic pair dying within a few hundredths of a second.
    AddNote(s, {.start = 0,
                .length = 0.055,
                .frequency = 1650,
                .attack = 0.0015,
                .decay = 0.011,
                .release = 0.02,
                .partials = {{1.0, 1.0}, {2.76, 0.25}}});
    AddNote(s, {.start = 0,
                .length = 0.05,
                .frequency = 620,
                .amplitude = 0.5,
                .attack = 0.002,
                .decay = 0.015,
                .release = 0.02});
    Finish(s, 0.35);
    return s;
}

Samples WordChime()
{
    Samples s;
    AddNote(s, {.start = 0,
                .length = 0.22,
                .frequency = E6,
                .attack = 0.003,
                .decay = 0.09,
                .release = 0.06,
                .partials = bell});
    AddNote(s, {.start = 0.085,
                .length = 0.3,
                .frequency = B6,
                .attack = 0.003,
                .decay = 0.11,
                .release = 0.08,
                .partials = bell});
    Finish(s, 0.55);
    return s;
}

Samples HighWordArpeggio()
{
    Samples s;
    const double notes[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        AddNote(s, {.start = 0.07 * i,
                    .length = last ? 0.2 : 0.16,
                    .frequency = notes[i],
                    .amplitude = 1.0,
                    .attack = 0.004,
                    .decay = last ? 0.12 : 0.08,
                    .release = 0.05,
                    .partials = bell});
    }
    Finish(s, 0.6);
    return s;
}

Samples LowWordNote()
{
    Samples s;
    AddNote(s, {.start = 0,
                .length = 0.36,
                .frequency = C4,
                .attack = 0.02,
                .decay = 0.16,
                .release = 0.1,
                .partials = mellow});
    Finish(s, 0.6);
    return s;
}

Samples NewLifeFanfare()
{
    Samples s;
    const double calls[] = {G4, C5, E5};
    for (int i = 0; i < 3; ++i)
        AddNote(s, {.start = 0.12 * i,
                    .length = 0.11,
                    .frequency = calls[i],
                    .attack = 0.012,
                    .decay = 0.5,
                    .release = 0.03,
                    .partials = brass});
    // The held chord that answers the call.
    const double chord[] = {C5, E5, G5};
    for (const double pitch : chord)
        AddNote(s, {.start = 0.36,
                    .length = 0.55,
                    .frequency = pitch,
                    .amplitude = pitch == G5 ? 1.0 : 0.55,
                    .attack = 0.015,
                    .decay = 0.45,
                    .release = 0.2,
                    .partials = brass});
    Finish(s, 0.7);
    return s;
}

Samples EndRoundFall()
{
    Samples s;
    AddNote(s, {.start = 0,
                .length = 0.85,
                .frequency = 880,
                .endFrequency = 196,
                .attack = 0.01,
                .decay = 0.55,
                .release = 0.25,
                .partials = mellow});
    AddNote(s, {.start = 0,
                .length = 0.85,
                .frequency = 660,
                .endFrequency = 147,
                .amplitude = 0.45,
                .attack = 0.01,
                .decay = 0.55,
                .release = 0.25,
                .partials = mellow});
    Finish(s, 0.65);
    return s;
}

// A muffled low tap, quieter than the tile tick: a typed letter no chain can take.
Samples RefusalTap()
{
    Samples s;
    AddNote(s, {.start = 0,
                .length = 0.07,
                .frequency = 196,
                .attack = 0.003,
                .decay = 0.03,
                .release = 0.03,
                .partials = mellow});
    Finish(s, 0.25);
    return s;
}

}  // namespace

std::vector<DefaultSound> MakeDefaultSounds()
{
    std::vector<DefaultSound> sounds;
    sounds.push_back({"select.wav", SelectTick()});
    sounds.push_back({"word.wav", WordChime()});
    sounds.push_back({"newlife.wav", NewLifeFanfare()});
    sounds.push_back({"endRound.wav", EndRoundFall()});
    sounds.push_back({"highword.wav", HighWordArpeggio()});
    sounds.push_back({"lowword.wav", LowWordNote()});
    sounds.push_back({"refuse.wav", RefusalTap()});
    return sounds;
}
