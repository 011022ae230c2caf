#pragma once

#include <QDialog>
#include <QString>

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

    // Shows the values and runs the dialog; on OK writes them back. The dictionary comes back
    // only when it may change and one is selected. Returns QDialog::Accepted or Rejected.
    int Execute(bool allowDictionaryChange, bool& howToPlay, bool& pauseInBackground, bool& endRoundSounds,
                bool& enterWordSounds,
                bool& selectTileSounds, QString& dictionary, QString& nickname);

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
    QGroupBox* SoundGroup;
    QCheckBox* SelectTileSounds;
    QCheckBox* EnterWordSounds;
    QCheckBox* EndRoundSounds;
    QPushButton* SoundsButton;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* helpButton;
};

extern TOptionsForm* OptionsForm;
