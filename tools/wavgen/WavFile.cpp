// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/wavgen/WavFile.h"

#include "tools/wavgen/Synth.h"

#include <fstream>

namespace {

void Put16(std::string& out, std::uint32_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

bool WriteWavFile(const std::string& path, const std::vector<std::int16_t>& samples)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    Put32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    Put32(bytes, 16);
    Put16(bytes, 1);  // PCM
    Put16(bytes, channels);
    Put32(bytes, SampleRate);
    Put32(bytes, SampleRate * channels * bytesPerSample);
    Put16(bytes, channels * bytesPerSample);
    Put16(bytes, bytesPerSample * 8);
    bytes += "data";
    Put32(bytes, dataBytes);
    for (const std::int16_t sample : samples)
        Put16(bytes, static_cast<std::uint16_t>(sample));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}
