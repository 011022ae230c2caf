// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;

// Where the game's sounds go: the desktop's audio in the program, a recording stand-in in tests.
// Both calls return at once and the sound plays in the background; each call replaces the sound
// that may still be playing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Plays a whole WAV file held in memory. The output keeps its own shared copy of the bytes
    // (QByteArray is implicitly shared) for as long as it may play them, so the caller may drop
    // its image at any time.
    virtual void PlayImage(const QByteArray& image) = 0;
    // Plays the WAV file at `path`, read afresh; a file that cannot be played stays silent.
    // An empty path only stops the sound that is playing.
    virtual void PlayFile(const QString& path) = 0;
};
