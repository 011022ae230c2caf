#pragma once

#include "platform/SoundOutput.h"

#include <memory>

// The desktop's audio through QSoundEffect (needs a QGuiApplication). QSoundEffect loads only from
// a URL, so an image is written once to a temporary file of our own and kept loaded for as long
// as the image lives; a file is loaded afresh for each play. Without an audio device the sounds
// load but stay silent.
class SoundEffectOutput final : public SoundOutput {
public:
    SoundEffectOutput();
    ~SoundEffectOutput() override;

    void PlayImage(const QByteArray& image) override;
    void PlayFile(const QString& path) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
