// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// Tells the player that a stored setting could not be used (a value of the wrong type, a save the
// system refused). The game goes on with its defaults. The message goes to a warning box when the
// program has a window, to standard error otherwise (before any window exists, or in a tool).
void ReportSettingsError(const QString& message);

// Tells the player that a save was refused, once per run and message: the main window saves as it
// is moved, so the same refusal would come again and again. The warning box blocks nothing
// and takes no keys from the game, since it may come while tiles fall.
void ReportRefusedSave(const QString& message);
