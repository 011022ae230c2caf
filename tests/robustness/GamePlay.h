#pragma once

#include <string>
#include <vector>

class QString;
class TGlimmerForm;

// Saves the settings of a player who plays on `dictionary` and skips How To Play.
void ChooseDictionary(const QString& dictionary);

// Starts a game on the real windows, through How To Play when that window comes up. Returns
// whether play runs.
bool StartPlay(TGlimmerForm* form);
// Enters the word of `tiles` along the top row of the running game, then lets the tiles reach
// the top until no life is left. The high score dialog that ends the game must be answered by
// the caller.
void PlayToTheEnd(TGlimmerForm* form, const std::vector<std::string>& tiles);
// Both of the above.
void PlayWholeGame(TGlimmerForm* form, const std::vector<std::string>& tiles);
