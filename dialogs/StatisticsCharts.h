// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDate>
#include <QWidget>

#include <cstdint>
#include <set>
#include <vector>

// The scores of the last games as bars, oldest on the left, each as tall as its score is of the
// highest, with the mean as a line across. Drawn with QPainter: a hundred bars and a line need
// nothing of a charting library, and Debian's Qt Charts would be one more package to install.
class ScoreChart : public QWidget {
    Q_OBJECT
public:
    static constexpr QColor barColour{58, 110, 165};
    static constexpr QColor meanColour{200, 30, 30};

    explicit ScoreChart(QWidget* parent);
    // Shows these scores, and says them in the chart's description for screen readers.
    void SetScores(std::vector<std::uint32_t> scores);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::uint32_t> scores;
};

// The last eight weeks as a strip of days, a column a week and today at the bottom right; a
// day with a daily game played is filled.
class CalendarStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr QColor playedColour{46, 139, 87};
    static constexpr int weeks = 8;

    explicit CalendarStrip(QWidget* parent);
    void SetDays(std::set<QDate> played, QDate today);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::set<QDate> played;
    QDate today;
};
