#pragma once

#include "settings/PlayerOptions.h"

#include <QDialog>
#include <QString>

#include <cstdint>

class QGroupBox;
class QPushButton;
class QTreeWidget;

enum class ScoresKind { ViewScores = 0, GameEnded = 1, GameOver = 2 };

// The high scores dialog, shown between games; it also holds the player's options for the
// whole run.
class TNewGameForm : public QDialog {
    Q_OBJECT

public:
    explicit TNewGameForm(QWidget* parent = nullptr);
    ~TNewGameForm() override;

    // Ranks a non-zero score into the current dictionary's table and shows the table modally.
    // Returns 1 when the player chose Start.
    int ShowScores(ScoresKind kind, std::uint32_t score, const QString& bestWord);
    // Runs the options dialog and applies an accepted change.
    void ShowOptions(bool allowDictionaryChange);
    void SaveSettings();

    QString GetDictionary() const { return options.GetDictionary(); }
    bool GetSelectTileSounds() const { return options.GetSelectTileSounds(); }
    bool GetEnterWordSounds() const { return options.GetEnterWordSounds(); }
    bool GetEndRoundSounds() const { return options.GetEndRoundSounds(); }
    bool GetHowToPlay() const { return options.GetHowToPlay(); }
    void SetHowToPlay(bool value) { options.SetHowToPlay(value); }

    QGroupBox* HighScoresGroup;
    QTreeWidget* HighScoreTable;
    QPushButton* StartButton;
    QPushButton* CloseButton;
    QPushButton* OptionsButton;

private:
    PlayerOptions options;
};

extern TNewGameForm* NewGameForm;
