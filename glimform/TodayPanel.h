// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QFrame>

class QLabel;
class QPushButton;
struct DailyResult;

// Between games, where the best words show during play: today's date, today's daily game (played
// or not, its score and the streak), the buttons that start the daily and the relaxed game, and
// "Copy result", which puts today's result line on the clipboard.
class TodayPanel : public QFrame {
    Q_OBJECT
public:
    explicit TodayPanel(QWidget* parent);

    // Shows what is kept of the daily games with `dictionary` on `today`.
    void Refresh(const QString& dictionary, QDate today);

signals:
    void dailyChosen();
    void relaxedChosen();
    void statisticsChosen();

private:
    void CopyResult();

    QLabel* dateLabel;
    QLabel* statusLabel;
    QPushButton* dailyButton;
    QPushButton* relaxedButton;
    QPushButton* copyButton;
    QPushButton* statisticsButton;
    QString dictionary;
    QDate today;
};

// Tells the player how a daily game went: its result line and "Copy result" when it counted,
// or that it was a practice game, which counts nowhere.
void ShowDailyResult(QWidget* owner, const DailyResult& result, bool counted, const QString& dictionary, int streak);
