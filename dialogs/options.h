// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/LazyWindow.h"

#include "settings/PlayerOptions.h"

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The options dialog: nickname, dictionary, sound switches, the How To Play and pause switches. It
// holds no options of its own; Execute shows the given values and writes them back on OK.
class TOptionsForm : public QDialog {
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* parent = nullptr);
    // Stores the dialog's position.
    ~TOptionsForm() override;

    // Shows the options and runs the dialog. On OK returns them as the player left them, with
    // the selected dictionary only when it may change and one is selected (else the current
    // one); on Cancel returns nothing.
    std::optional<PlayerOptions> Execute(const PlayerOptions& current, bool allowDictionaryChange);

    // Lists the valid dictionaries in `directory` by name without ".tsd", sorted ignoring case.
    static QStringList DictionaryNames(const QString& directory);

    void NicknameFieldChange();
    // Runs our Sounds dialog over the game's sound scheme.
    void SoundsButtonClick();
    void HelpButtonClick();

    QLineEdit* NicknameField;
    QComboBox* DictionaryList;
    QCheckBox* HowToPlay;
    QCheckBox* PauseInBackground;
    QCheckBox* ColourBlindColours;
    QGroupBox* SoundGroup;
    QCheckBox* SelectTileSounds;
    QCheckBox* EnterWordSounds;
    QCheckBox* EndRoundSounds;
    QPushButton* SoundsButton;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* helpButton;
};

// Created on first use by the program's windows (app/GameWindows).
extern LazyWindow<TOptionsForm> OptionsForm;
