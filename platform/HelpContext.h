// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Help topics are opened by context number (10 new game dialog, 20 main window, 30 options
// dialog, 40 pause question, 50 quit question, 70 about box, 120 How To Play dialog,
// 130 Hall of Fame, 140 resuming a saved game,
// 150 statistics).
// Every caller goes through OpenHelpContext; the help window installs the handler that shows
// the topic. Until a handler is installed, opening a topic does nothing.
void OpenHelpContext(int context);

// Replaces the handler; an empty function removes it.
void SetHelpContextHandler(std::function<void(int)> handler);
