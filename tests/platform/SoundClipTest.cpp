// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound decoder takes into memory: sound of at most the given length at a sample rate
// up to 384 kHz; longer or faster sound is refused.
#include "WavFile.h"
#include "platform/SoundClip.h"

#include <gtest/gtest.h>

TEST(SoundClip, LongOrFastSoundIsRefused)
{
    for (const auto& [rate, frames, taken] : {std::tuple{8000u, 8000u * 30, true},
                                              {8000u, 8000u * 30 + 1, false},
                                              {384000u, 1000u, true},
                                              {1u, 30u, true},
                                              {400000u, 1000u, false}}) {
        const auto clip = DecodeSoundClip(MonoWav(rate, std::vector<std::int16_t>(frames)));
        EXPECT_EQ(clip != nullptr, taken) << rate << " Hz, " << frames << " frames";
    }
}
