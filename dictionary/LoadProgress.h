// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What a word table load reports while it runs: the loading window implements it, tests record
// it. LetMessagesRun lets the window's pending messages be handled in the middle of the load.
class LoadProgress {
public:
    virtual ~LoadProgress() = default;
    // Minimum 0, position 0.
    virtual void SetRange(std::uint32_t maximum) = 0;
    virtual void SetPosition(std::uint32_t position) = 0;
    virtual void LetMessagesRun() = 0;
};
