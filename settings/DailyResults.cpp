// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DailyResults.h"

#include "platform/Translations.h"
#include "settings/DictionaryName.h"
#include "settings/Persist.h"
#include "settings/SettingsError.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

QString Subkey(const QString& dictionary)
{
    return QStringLiteral("Daily Results\\") + dictionary;
}

std::optional<DailyResult> Parse(const QString& name, const QString& text)
{
    DailyResult result;
    result.date = QDate::fromString(name, Qt::ISODate);
    const QStringList fields = text.split(u'\t');
    bool ok[4] = {};
    if (fields.size() == 5) {
        result.score = fields[0].toUInt(&ok[0]);
        result.words = fields[1].toUInt(&ok[1]);
        result.bestValue = fields[2].toUInt(&ok[2]);
        result.bestLetters = fields[3].toInt(&ok[3]);
        result.bestWord = fields[4];
    }
    if (!result.date.isValid() || !(ok[0] && ok[1] && ok[2] && ok[3]) || result.bestLetters < 0) {
        return std::nullopt;
    }
    return result;
}

}  // namespace

DailyResults::DailyResults(QString dictionary_) : dictionary(std::move(dictionary_))
{
    const Persist store(false, Subkey(dictionary));
    QStringList damaged;
    for (const QString& name : store.stringValueNames()) {
        QString text;
        store.readString(name, text);
        if (const std::optional<DailyResult> result = Parse(name, text)) {
            results[result->date] = *result;
        } else {
            damaged.append(name);
        }
    }
    if (!damaged.isEmpty()) {
        damaged.sort();
        ReportSettingsError(QCoreApplication::translate(
                                "DailyResults", "These daily results of %1 cannot be read and are left out: %2.")
                                .arg(DictionaryDisplayName(dictionary), damaged.join(QStringLiteral(", "))));
    }
}

std::optional<DailyResult> DailyResults::On(QDate date) const
{
    const auto found = results.find(date);
    return found == results.end() ? std::nullopt : std::optional(found->second);
}

bool DailyResults::Record(const DailyResult& result)
{
    if (!result.date.isValid() || !results.emplace(result.date, result).second) {
        return false;
    }
    Persist store(true, Subkey(dictionary));
    store.Describe(
        QCoreApplication::translate("DailyResults", "the daily results of %1").arg(DictionaryDisplayName(dictionary)));
    store.writeString(result.date.toString(Qt::ISODate), QStringLiteral("%1\t%2\t%3\t%4\t%5")
                                                             .arg(result.score)
                                                             .arg(result.words)
                                                             .arg(result.bestValue)
                                                             .arg(result.bestLetters)
                                                             .arg(result.bestWord));
    return true;
}

int DailyResults::Streak(QDate today) const
{
    QDate day = results.count(today) != 0 ? today : today.addDays(-1);
    int streak = 0;
    while (results.count(day) != 0) {
        ++streak;
        day = day.addDays(-1);
    }
    return streak;
}

QString DailyResultLine(const DailyResult& result, const QString& dictionary, int streak)
{
    const QLocale locale = PlayerLocale();
    //: The line a player shares after a daily game; it must name no word. %1 the date (2026-12-07),
    //: %2 the dictionary, %3 the score, %4 the words entered, %5 the best word's points, %6 its
    //: letters, %7 the streak of days played.
    return QCoreApplication::translate("DailyResults",
                                       "Glimmerquake daily %1 %2: %3 points, %4 words, best word %5 "
                                       "points (%6 letters), streak %7")
        .arg(result.date.toString(Qt::ISODate), DictionaryDisplayName(dictionary), locale.toString(result.score),
             locale.toString(result.words), locale.toString(result.bestValue), locale.toString(result.bestLetters),
             locale.toString(streak));
}
