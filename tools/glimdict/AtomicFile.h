// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to a new file beside path and renames it over path, so path holds either its
// old contents or all the new bytes, never a part. False with a message in error on failure, when
// no temporary file is left behind.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);
