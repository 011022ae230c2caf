// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundOutput.h"

#include <memory>

// The desktop's audio through the PulseAudio client library, which PulseAudio and PipeWire's
// PulseAudio server both serve. Connecting starts in the background when the output is created
// and never holds up the caller; one playback stream with a short buffer stays open for the
// output's life, corked while nothing plays, so a sound starts within a few milliseconds of its
// request and a new sound cuts the one playing. Without a sound server every call stays silent.
//
// Chosen over QSoundEffect, which on PulseAudio dropped most short sounds and started others late.
class PulseSoundOutput final : public SoundOutput {
public:
    PulseSoundOutput();
    ~PulseSoundOutput() override;

    void PlayImage(const QByteArray& image) override;
    void PlayFile(const QString& path) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
