// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class CalendarStrip;
class GameHistoryFile;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class ScoreChart;
enum class GameKind;

// What the finished games of a dictionary and kind add up to, from the history of finished games:
// the counts, a chart of the last scores with their mean and, for daily games, the last eight weeks.
// "Clear statistics..." empties the history after asking.
class TStatisticsForm : public QDialog {
    Q_OBJECT
public:
    explicit TStatisticsForm(QWidget* parent = nullptr);
    // Stores the placement.
    ~TStatisticsForm() override;

    // Shows the counts of `dictionary` and `kind` modally; does nothing while already shown.
    void Execute(const QString& dictionary, GameKind kind);

    QComboBox* DictionaryBox;
    QComboBox* KindBox;
    ScoreChart* Chart;
    CalendarStrip* Calendar;
    QPushButton* ClearButton;
    QPushButton* HelpButton;
    QPushButton* CloseButton;

private:
    void Refresh();
    void ClearStatistics();

    std::unique_ptr<GameHistoryFile> history;
    QFormLayout* counts;
};
