// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/LazyWindow.h"

#include "dialogs/ScoreTable.h"
#include "glimform/Anchors.h"
#include "settings/PlayerOptions.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>

class Persist;
class THallOfFame;
class TStatisticsForm;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

enum class ScoresKind { ViewScores = 0, GameEnded = 1, GameOver = 2 };

// The high scores dialog, shown between games; it also changes and saves the player's options.
// Each dictionary has its own table; the one shown is the current dictionary's.
class TNewGameForm : public QDialog {
    Q_OBJECT

public:
    // Changes and saves the player's `options`, which outlive the dialog.
    explicit TNewGameForm(PlayerOptions& options, QWidget* parent = nullptr);
    // Saves the options, the placement and the column widths.
    ~TNewGameForm() override;

    // Ranks a non-zero score into the current dictionary's table (its relaxed game's table when
    // `relaxed`), saving the table when it enters, and shows the table modally. Returns 1 when
    // the player chose Start.
    // The dialog says "New record!" when the score tops the table, and that it is the player's best
    // for the table with `personalBest`.
    int ShowScores(ScoresKind kind, std::uint32_t score, const QString& bestWord, bool relaxed = false,
                   bool personalBest = false);
    // Runs the options dialog and applies an accepted change. With allowDictionaryChange, a
    // new nickname also renames the row the last result entered.
    void ShowOptions(bool allowDictionaryChange);
    // Writes the options, the placement and the column widths.
    void SaveSettings();
    // Makes `dictionary` the chosen one and shows its table, as choosing it in the options does.
    void ChooseDictionary(const QString& dictionary);

    QString GetDictionary() const { return options.GetDictionary(); }
    bool GetHowToPlay() const { return options.GetHowToPlay(); }
    bool GetPauseInBackground() const { return options.GetPauseInBackground(); }
    // The player's options, for the windows that change them; saved with SaveSettings.
    PlayerOptions& Options() { return options; }

    // Loads the current dictionary's table into the list (save false) or stores the list.
    void TransferScores(bool save);
    // Inserts (replace false) or rewrites the row at `index` with the last result and the
    // current nickname, then stores the table.
    void SetEntry(bool replace, int index);
    // The rows the list shows completely at its current size, at least 12.
    int Capacity();
    const ScoreTable& Scores() const { return scores; }

    // The row the last ShowScores entered, or -1.
    int NewEntryIndex = -1;

    QGroupBox* HighScoresGroup;
    QTreeWidget* HighScoreTable;
    QPushButton* hallOfFameButton;
    QPushButton* mailHighScoreButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* helpButton;
    QPushButton* OptionsButton;
    QPushButton* statisticsButton;
    // Shown while the table holds a result that could not be saved.
    QLabel* notKeptLabel;
    // "New record!" or "Your best English game" over a result that is one.
    QLabel* recordLabel;
    // The player's name for a new result while the nickname is still the default, focused and
    // selected so that typing replaces it; Enter takes it, as leaving the field does.
    QLineEdit* nameEdit;
    // Opened by hallOfFameButton.
    std::unique_ptr<THallOfFame> hallOfFame;
    // Opened by statisticsButton, and from the main window between games.
    std::unique_ptr<TStatisticsForm> statistics;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The relaxed game's tables live under their own key, so no dictionary's name can clash.
    static inline const QString relaxedScoresKey = QStringLiteral("Relaxed Scores");

    int ShowTable(ScoresKind kind, std::uint32_t score, const QString& bestWord);
    // Makes the name typed the nickname, renaming the new result's row.
    void TakeName();
    // The table's name in its title: the dictionary's, and the relaxed game's.
    QString TableName() const;
    void TransferColumnWidths(Persist& store, bool save);
    void LayOut();
    int VisibleRows();
    void ShowRows();
    void SelectNewEntry();
    // Brings `position` into view as the bottom visible row, or back to the top.
    void ScrollToRank(int position);

    PlayerOptions& options;
    ScoreTable scores;
    // Whether `scores` is a relaxed game's table.
    bool relaxedTable = false;
    QString groupCaption;
    std::uint32_t lastScore = 0;
    QString lastBestWord;
    // The rank of the last result, brought into view when the dialog shows; -1 for none.
    int pendingScroll = -1;
    Anchors formAnchors;
    Anchors groupAnchors;
};

// Created on first use by the program's windows (app/GameWindows).
extern LazyWindow<TNewGameForm> NewGameForm;
