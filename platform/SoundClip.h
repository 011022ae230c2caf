// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class QByteArray;

// A sound decoded into interleaved 16-bit samples, ready for an audio stream.
struct SoundClip {
    std::uint32_t rate = 0;
    std::uint8_t channels = 0;
    std::vector<std::int16_t> samples;

    std::size_t Bytes() const { return samples.size() * sizeof(std::int16_t); }
    bool SameFormat(const SoundClip& other) const { return rate == other.rate && channels == other.channels; }
};

// Decodes a whole sound file held in memory (WAV, or any format libsndfile reads). Returns nullptr
// for anything that is no sound, has no frames, more than eight channels, a rate outside 1 Hz to
// 384 kHz, or more than `maxSeconds` of sound.
std::shared_ptr<const SoundClip> DecodeSoundClip(const QByteArray& file, double maxSeconds = 30.0);

class QString;

// A sound file too long to decode whole, read a piece at a time while it plays.
class SoundFileStream {
public:
    // Opens a playable sound file (as IsPlayableSoundFile says); nullptr for any other.
    static std::unique_ptr<SoundFileStream> Open(const QString& path);
    ~SoundFileStream();
    SoundFileStream(const SoundFileStream&) = delete;
    SoundFileStream& operator=(const SoundFileStream&) = delete;

    // The next piece of up to `frames` frames, in the file's rate and channels; nullptr at its end.
    std::shared_ptr<const SoundClip> Next(std::size_t frames);
    std::uint32_t Rate() const { return rate; }

private:
    explicit SoundFileStream(void* file, std::uint32_t rate, std::uint8_t channels)
        : file(file), rate(rate), channels(channels)
    {
    }

    void* file;  // the SNDFILE, kept out of this header
    std::uint32_t rate;
    std::uint8_t channels;
};

// Whether the file at `path` is a sound the game can play: a regular file libsndfile reads, with
// frames, up to eight channels and a rate of 1 Hz to 384 kHz. Reads only its header.
bool IsPlayableSoundFile(const QString& path);
