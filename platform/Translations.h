// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QLocale;

// The languages the desktop asks for (LANGUAGE, then LANG and the like), as two-letter codes, most
// wanted first. The list ends at English: the game's own language needs no translation.
QStringList PlayerLanguages();

// The locale of the language the player asks for first, so that dates and numbers read as the
// texts around them.
QLocale PlayerLocale();

// Installs on `application` the game's texts in the first of the player's languages that `folder`
// holds a translation for ("glimmerquake_<language>.qm"), and Qt's own texts in that language.
// Returns the language installed, or "en" when the game speaks English.
QString InstallTranslations(QCoreApplication& application, const QString& folder);
