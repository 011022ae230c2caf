// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound decoder takes into memory: sound of at most the given length at a sample rate
// up to 384 kHz; longer or faster sound is refused. A file read as it plays comes in pieces of
// whole frames, a stereo one with both channels of each.
#include "WavFile.h"
#include "platform/SoundClip.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

TEST(SoundClip, LongOrFastSoundIsRefusedAndAStreamedFileComesInWholeFrames)
{
    for (const auto& [rate, frames, taken] : {std::tuple{8000u, 8000u * 30, true},
                                              {8000u, 8000u * 30 + 1, false},
                                              {384000u, 1000u, true},
                                              {400000u, 1000u, false}}) {
        const auto clip = DecodeSoundClip(PcmWav(rate, std::vector<std::int16_t>(frames)));
        EXPECT_EQ(clip != nullptr, taken) << rate << " Hz, " << frames << " frames";
    }
    std::vector<std::int16_t> samples(2 * 1000);
    std::iota(samples.begin(), samples.end(), std::int16_t{0});
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("stereo.wav")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(PcmWav(8000, samples, 2)) > 0 && file.flush());
    const auto stream = SoundFileStream::Open(file.fileName());
    ASSERT_TRUE(stream && stream->Rate() == 8000);
    std::vector<std::int16_t> heard;
    for (auto piece = stream->Next(300); piece; piece = stream->Next(300)) {
        EXPECT_EQ(piece->channels, 2);
        heard.insert(heard.end(), piece->samples.begin(), piece->samples.end());
    }
    EXPECT_EQ(heard, samples);
}
