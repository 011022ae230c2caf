// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a 16-bit PCM mono WAV file at SampleRate; false when the file cannot be written.
bool WriteWavFile(const std::string& path, const std::vector<std::int16_t>& samples);
