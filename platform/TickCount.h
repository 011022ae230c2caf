// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Milliseconds since an arbitrary fixed moment, from a monotonic clock, cut to 32 bits: it wraps
// to 0 about every 49.7 days, and callers comparing tick counts must allow for that.
std::uint32_t GetTickCount();
