// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound decoder takes into memory: sound of at most the given length at a sample rate
// up to 384 kHz; longer or faster sound is refused.
#include "platform/SoundClip.h"

#include <QByteArray>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A mono 16-bit PCM WAV file of `frames` silent frames at `rate`.
QByteArray Wav(std::uint32_t rate, std::uint32_t frames)
{
    const auto u32 = [](std::uint32_t v) {
        return QByteArray(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4);
    };
    const auto u16 = [](std::uint16_t v) {
        return QByteArray(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2);
    };
    const QByteArray data(static_cast<qsizetype>(frames) * 2, '\0');
    return "RIFF" + u32(36 + static_cast<std::uint32_t>(data.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) +
           u32(rate) + u32(rate * 2) + u16(2) + u16(16) + "data" + u32(static_cast<std::uint32_t>(data.size())) + data;
}

}  // namespace

TEST(SoundClip, LongOrFastSoundIsRefused)
{
    for (const auto& [rate, frames, taken] : {std::tuple{8000u, 8000u * 30, true},
                                              {8000u, 8000u * 30 + 1, false},
                                              {384000u, 1000u, true},
                                              {400000u, 1000u, false}}) {
        const auto clip = DecodeSoundClip(Wav(rate, frames));
        EXPECT_EQ(clip != nullptr, taken) << rate << " Hz, " << frames << " frames";
    }
}
