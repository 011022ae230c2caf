// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PlayerOptions.h"

#include "settings/OneLine.h"
#include "settings/Persist.h"

#include "settings/DictionaryName.h"

#include <QCoreApplication>
#include <QLocale>

PlayerOptions::PlayerOptions() : PlayerOptions(InitialValuesOnly{})
{
    Load(Persist(false));
}

PlayerOptions::PlayerOptions(InitialValuesOnly)
    : nickname(QCoreApplication::translate("PlayerOptions", "Anonymous")),
      dictionary(DesktopDictionary(QLocale().uiLanguages(), QCoreApplication::applicationDirPath()))
{
}

void PlayerOptions::Load(const Persist& store)
{
    QString text = nickname;
    if (store.readString(QStringLiteral("Nickname"), text))
        SetNickname(text);
    store.readString(QStringLiteral("Dictionary"), dictionary);
    store.readBool(QStringLiteral("SelectTileSounds"), selectTileSounds);
    store.readBool(QStringLiteral("EnterWordSounds"), enterWordSounds);
    store.readBool(QStringLiteral("EndRoundSounds"), endRoundSounds);
    store.readBool(QStringLiteral("HowToPlay"), howToPlay);
    store.readBool(QStringLiteral("PauseInBackground"), pauseInBackground);
    store.readBool(QStringLiteral("ColourBlindColours"), colourBlindColours);
}

void PlayerOptions::Save(Persist& store) const
{
    store.writeString(QStringLiteral("Nickname"), nickname);
    store.writeString(QStringLiteral("Dictionary"), dictionary);
    store.writeBool(QStringLiteral("SelectTileSounds"), selectTileSounds);
    store.writeBool(QStringLiteral("EnterWordSounds"), enterWordSounds);
    store.writeBool(QStringLiteral("EndRoundSounds"), endRoundSounds);
    store.writeBool(QStringLiteral("HowToPlay"), howToPlay);
    store.writeBool(QStringLiteral("PauseInBackground"), pauseInBackground);
    store.writeBool(QStringLiteral("ColourBlindColours"), colourBlindColours);
}

void PlayerOptions::SaveSettings() const
{
    Persist store(true);
    Save(store);
}

void PlayerOptions::SetNickname(const QString& value)
{
    nickname = OneLine(value);
}
