// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class TGlimmerForm;
class TNewGameForm;
class TOptionsForm;
class TDictionaryLoading;
class TAboutBox;
class THowToPlay;
class HelpService;
class Sounder;
class WindowTitles;
class PlayerOptions;

// The game's six windows: the main window at once, the dialogs when their global objects are
// first used. They are destroyed in the reverse of the order new game, options, dictionary
// loading, about, How To Play, each saving its placement; a dialog never used is never created.
struct GameWindows {
    // The game plays its sounds through `sounder`.
    explicit GameWindows(std::unique_ptr<Sounder> sounder);
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    // Names the game once in the title the desktop shows for each window; outlives the windows.
    std::unique_ptr<WindowTitles> windowTitles;
    // The player's options, loaded once the main window exists. The main window reads them from
    // its first screen on, so the new game dialog that changes them waits until it is first
    // needed. Outlives the windows.
    std::unique_ptr<PlayerOptions> playerOptions;
    std::unique_ptr<TGlimmerForm> glimmerForm;
    std::unique_ptr<TNewGameForm> newGameForm;
    std::unique_ptr<TOptionsForm> optionsForm;
    std::unique_ptr<TDictionaryLoading> dictionaryLoading;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<THowToPlay> howToPlay;
    // Shows help topics for every window; lives as long as the windows.
    std::unique_ptr<HelpService> helpService;
};
