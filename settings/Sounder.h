// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class SoundOutput;

// The game's six sound events, in the order of their scheme entries.
enum SoundEvent : int { SelectTile, SelectWord, NewLife, EndRound, HighWord, LowWord };

inline constexpr int SoundEventCount = 6;

// The application key of the game's sound scheme in the per-user registry. Each event has a key
// below it ("\Select Tile", ...) with the subkeys "\.current" (the player's choice) and
// "\.default", whose default value is the full path of a WAV file or empty for no sound.
inline constexpr char SoundSchemeKey[] = "\\AppEvents\\Schemes\\Apps\\Glimmerquake Evaluation";
inline constexpr char SoundSchemeLabel[] = "Glimmerquake Word Game";

// The event's key name below SoundSchemeKey and its default file beside the program; empty
// strings outside the six events.
QString SoundEventKeyName(int event);
QString SoundEventDefaultFile(int event);

// Plays the game's sound events as the sound scheme says. Events missing from the scheme are
// registered with the default files at construction. The scheme is read again, lazily, when a
// sound is asked for more than a minute after the last reading. Files of up to 1 MiB are held in
// memory; larger ones, and paths without a directory, are played from the file each time.
class Sounder {
public:
    using TickSource = std::function<std::uint32_t()>;

    // Plays through the desktop's audio and the system tick count.
    Sounder();
    Sounder(std::unique_ptr<SoundOutput> output, TickSource tickCount);
    // Stops the sound before its image goes.
    ~Sounder();

    Sounder(const Sounder&) = delete;
    Sounder& operator=(const Sounder&) = delete;

    // Starts the event's sound, replacing one still playing, and returns at once. Values outside
    // the six events, and events without a file, play nothing.
    void play(SoundEvent event);
    // Plays the soft tap that refuses a typed letter: "refuse.wav" beside the program, read
    // afresh each time. It is none of the scheme's events; the tile sounds switch governs it.
    void playRefusal();
    // Reads each event's current file; with `registerMissing`, first writes the default entries
    // of events whose "\.current" key is missing. A path that has not changed keeps its image.
    void refresh(bool registerMissing);

    // The file held for the event (empty when silent), and whether it is held in memory.
    QString Path(SoundEvent event) const;
    bool HasImage(SoundEvent event) const;

private:
    QString RegisterDefault(int event);
    void LoadImage(int event, const QString& path);

    std::unique_ptr<SoundOutput> output;
    TickSource tickCount;
    std::uint32_t lastRefresh = 0;
    std::array<QString, SoundEventCount> paths;
    // A null array means no image; the bytes are the whole file.
    std::array<QByteArray, SoundEventCount> images;
};
