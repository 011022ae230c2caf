#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t Little(const QByteArray& bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// Reads the plain layout wavgen writes: RIFF header, then "fmt " and "data" chunks.
bool ReadWave(const QString& path, Wave& wave)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt ")
        return false;
    if (Little(bytes, 4, 4) != static_cast<std::uint32_t>(bytes.size() - 8) || Little(bytes, 16, 4) != 16)
        return false;
    wave.format = static_cast<int>(Little(bytes, 20, 2));
    wave.channels = static_cast<int>(Little(bytes, 22, 2));
    wave.rate = static_cast<int>(Little(bytes, 24, 4));
    wave.bits = static_cast<int>(Little(bytes, 34, 2));
    if (Little(bytes, 28, 4) != static_cast<std::uint32_t>(wave.rate * 2) || Little(bytes, 32, 2) != 2)
        return false;
    if (bytes.mid(36, 4) != "data" || Little(bytes, 40, 4) != static_cast<std::uint32_t>(bytes.size() - 44))
        return false;
    for (qsizetype at = 44; at + 1 < bytes.size(); at += 2)
        wave.samples.push_back(static_cast<std::int16_t>(Little(bytes, at, 2)));
    return true;
}

} // namespace

TEST(DefaultSounds, AreShortCleanSixteenBitMonoFiles)
{
    const std::pair<const char*, double> sounds[] = {{"select.wav", 0.5},  {"word.wav", 0.5},    {"highword.wav", 0.5},
                                                     {"lowword.wav", 0.5}, {"newlife.wav", 1.5}, {"endRound.wav", 1.5}};
    std::set<std::vector<std::int16_t>> distinct;
    for (const auto& [name, maxSeconds] : sounds) {
        SCOPED_TRACE(name);
        Wave wave;
        ASSERT_TRUE(ReadWave(QStringLiteral(GLIM_BIN_DIR "/") + QString::fromLatin1(name), wave));
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.rate, 44100);
        EXPECT_EQ(wave.bits, 16);
        const double seconds = static_cast<double>(wave.samples.size()) / 44100;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, maxSeconds);
        ASSERT_GE(wave.samples.size(), 20u);
        const auto loudest = std::max_element(wave.samples.begin(), wave.samples.end(),
                                              [](int a, int b) { return std::abs(a) < std::abs(b); });
        const int peak = std::abs(static_cast<int>(*loudest));
        // Audible, and clear of full scale so nothing clips.
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32000);
        // Starts and ends at silence: no click.
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_LE(std::abs(static_cast<int>(wave.samples[i])), 1600) << "sample " << i;
            EXPECT_LE(std::abs(static_cast<int>(wave.samples[wave.samples.size() - 1 - i])), 1600) << "from end " << i;
        }
        EXPECT_LE(std::abs(static_cast<int>(wave.samples.front())), 64);
        EXPECT_LE(std::abs(static_cast<int>(wave.samples.back())), 64);
        distinct.insert(wave.samples);
    }
    EXPECT_EQ(distinct.size(), std::size(sounds));
}
