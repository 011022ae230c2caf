// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StatisticsCharts.h"

#include "platform/Translations.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <numeric>

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("scoreChart"));
    setAccessibleName(tr("Scores of the last games"));
    setMinimumSize(200, 90);
}

void ScoreChart::SetScores(std::vector<std::uint32_t> scores_)
{
    scores = std::move(scores_);
    const QLocale locale = PlayerLocale();
    QStringList said;
    for (const std::uint32_t score : scores)
        said.append(locale.toString(score));
    const double mean = scores.empty() ? 0 : std::accumulate(scores.begin(), scores.end(), 0.0) / scores.size();
    setAccessibleDescription(scores.empty() ? tr("No games yet.")
                                            : tr("%1 games, oldest first: %2. Mean %3.")
                                                  .arg(scores.size())
                                                  .arg(said.join(QStringLiteral(", ")))
                                                  .arg(locale.toString(mean, 'f', 0)));
    update();
}

void ScoreChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const std::uint32_t highest = scores.empty() ? 0 : *std::max_element(scores.begin(), scores.end());
    if (highest == 0)
        return;
    // Inside a one-pixel frame: bar i spans columns [1 + i * w / n, 1 + (i + 1) * w / n).
    const int w = width() - 2, h = height() - 2, n = static_cast<int>(scores.size());
    for (int i = 0; i < n; ++i) {
        const int left = 1 + i * w / n, right = 1 + (i + 1) * w / n;
        const int bar =
            static_cast<int>(std::llround(static_cast<double>(scores[static_cast<std::size_t>(i)]) * h / highest));
        painter.fillRect(left, 1 + h - bar, std::max(1, right - left - (w / n > 2 ? 1 : 0)), bar, barColour);
    }
    const double mean = std::accumulate(scores.begin(), scores.end(), 0.0) / n;
    const int y = 1 + h - static_cast<int>(std::llround(mean * h / highest));
    painter.fillRect(1, std::min(y, h), w, 1, meanColour);
}

CalendarStrip::CalendarStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("calendarStrip"));
    setAccessibleName(tr("Daily games of the last eight weeks"));
    setMinimumSize(weeks * 14, 7 * 14);
}

void CalendarStrip::SetDays(std::set<QDate> played_, QDate today_)
{
    played = std::move(played_);
    today = today_;
    const QDate first = today.addDays(1 - today.dayOfWeek() - 7 * (weeks - 1));
    const int days = static_cast<int>(
        std::count_if(played.begin(), played.end(), [&](QDate day) { return day >= first && day <= today; }));
    setAccessibleDescription(tr("Played on %1 of the %2 days shown.").arg(days).arg(first.daysTo(today) + 1));
    update();
}

void CalendarStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int side = std::min(width() / weeks, height() / 7);
    // Columns are weeks from Monday, the last one today's.
    const QDate lastMonday = today.addDays(1 - today.dayOfWeek());
    for (QDate day = lastMonday.addDays(-7 * (weeks - 1)); day <= today; day = day.addDays(1)) {
        const int column = weeks - 1 - static_cast<int>(day.addDays(1 - day.dayOfWeek()).daysTo(lastMonday) / 7);
        const QRect cell(column * side + 1, (day.dayOfWeek() - 1) * side + 1, side - 2, side - 2);
        painter.fillRect(cell, played.count(day) != 0 ? playedColour : palette().color(QPalette::Midlight));
    }
}
