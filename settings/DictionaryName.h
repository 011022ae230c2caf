// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The name a dictionary is shown by: each dictionary that ships with the game in the player's
// language ("Englisch", "Français"), any other by its file name. Settings and score tables keep
// the file's name.
QString DictionaryDisplayName(const QString& fileName);

// The dictionary a first run plays with: the first of the desktop's `languages` (as
// QLocale::uiLanguages gives them, "de-DE") whose dictionary ships in `folder`, British for
// English of Britain, else English.
QString DesktopDictionary(const QStringList& languages, const QString& folder);
