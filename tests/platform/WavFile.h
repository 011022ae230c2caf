// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <vector>

// A mono 16-bit PCM WAV file of these samples at `rate`.
inline QByteArray MonoWav(std::uint32_t rate, const std::vector<std::int16_t>& samples)
{
    const auto le = [](auto v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), sizeof v);
    };
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    return "RIFF" + le(36 + bytes) + "WAVEfmt " + le(16u) + le(std::uint16_t{1}) + le(std::uint16_t{1}) + le(rate) +
           le(rate * 2) + le(std::uint16_t{2}) + le(std::uint16_t{16}) + "data" + le(bytes) +
           QByteArray(reinterpret_cast<const char*>(samples.data()), bytes);
}
