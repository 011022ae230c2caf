// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The name a dictionary is shown by: each dictionary that ships with the game in the player's
// language ("Englisch", "Français"), any other by its file name. Settings and score tables keep
// the file's name.
QString DictionaryDisplayName(const QString& fileName);
