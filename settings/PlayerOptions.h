// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Persist;

// The name of the dictionary file installed beside the program (without ".tsd").
inline constexpr char DefaultDictionaryName[] = "English";

// The player's options: nickname, dictionary, the three sound switches, whether How To Play
// is shown before a game, whether play pauses while the game is in the background, and the board's
// colours. The program's windows share one for the whole run, created before them; the new game
// dialog changes and saves it.
class PlayerOptions {
public:
    struct InitialValuesOnly {};

    // Starts from the initial values, then reads the settings key.
    PlayerOptions();
    // Starts from the initial values; Load reads the stored ones over them.
    explicit PlayerOptions(InitialValuesOnly);

    // Overwrites each field that `store` holds; absent or unusable values leave the field alone.
    void Load(const Persist& store);
    // Writes every field into a write-mode accessor.
    void Save(Persist& store) const;
    // Opens the settings key for writing and saves every field.
    void SaveSettings() const;

    const QString& GetNickname() const { return nickname; }
    const QString& GetDictionary() const { return dictionary; }
    // Allows SelectTile and SelectWord.
    bool GetSelectTileSounds() const { return selectTileSounds; }
    // Allows NewLife, HighWord and LowWord.
    bool GetEnterWordSounds() const { return enterWordSounds; }
    // Allows EndRound.
    bool GetEndRoundSounds() const { return endRoundSounds; }
    bool GetHowToPlay() const { return howToPlay; }
    bool GetPauseInBackground() const { return pauseInBackground; }
    // The board in colours that colour-blind players tell apart, instead of the designed ones.
    bool GetColourBlindColours() const { return colourBlindColours; }

    // A TAB becomes a space: score rows keep their columns apart with TABs.
    void SetNickname(const QString& value);
    void SetDictionary(const QString& value) { dictionary = value; }
    void SetSelectTileSounds(bool value) { selectTileSounds = value; }
    void SetEnterWordSounds(bool value) { enterWordSounds = value; }
    void SetEndRoundSounds(bool value) { endRoundSounds = value; }
    // In memory only; stored at the next SaveSettings.
    void SetHowToPlay(bool value) { howToPlay = value; }
    void SetPauseInBackground(bool value) { pauseInBackground = value; }
    void SetColourBlindColours(bool value) { colourBlindColours = value; }

private:
    QString nickname;
    QString dictionary;  // the desktop's language's, unless one is stored
    bool selectTileSounds = true;
    bool enterWordSounds = true;
    bool endRoundSounds = true;
    bool howToPlay = true;
    bool pauseInBackground = false;
    bool colourBlindColours = false;
};
