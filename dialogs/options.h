#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The options dialog: nickname, dictionary, sound switches and the How To Play switch. It
// holds no options of its own; Execute shows the given values and writes them back on OK.
class TOptionsForm : public QDialog {
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* parent = nullptr);

    int Execute(bool allowDictionaryChange, bool& howToPlay, bool& endRoundSounds, bool& enterWordSounds,
                bool& selectTileSounds, QString& dictionary, QString& nickname);

    QLineEdit* NicknameField;
    QComboBox* DictionaryList;
    QCheckBox* HowToPlay;
    QCheckBox* EndRoundSounds;
    QCheckBox* EnterWordSounds;
    QCheckBox* SelectTileSounds;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

extern TOptionsForm* OptionsForm;
