// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>

// What one daily game came to.
struct DailyResult {
    QDate date;
    std::uint32_t score = 0;
    std::uint32_t words = 0;
    // The best word as the dictionary spells it, its value and how many letters it has.
    QString bestWord;
    std::uint32_t bestValue = 0;
    int bestLetters = 0;
    bool operator==(const DailyResult&) const = default;
};

// The player's daily results with one dictionary, one per date: the first daily game of a date
// counts, later ones that day are practice and are kept nowhere. Stored in the settings file under
// the key "Daily Results\<dictionary>", apart from every high score table; each value is named by
// its date (2026-12-07) and holds "score TAB words TAB best value TAB best letters TAB best word".
// A value that does not read so is reported once, when the results are read, and skipped.
class DailyResults {
public:
    // Reads the results kept for `dictionary`.
    explicit DailyResults(QString dictionary);

    const std::map<QDate, DailyResult>& All() const { return results; }
    std::optional<DailyResult> On(QDate date) const;
    // Keeps the result when it is the first of its date and returns true; returns false, keeping
    // nothing, for a practice game.
    bool Record(const DailyResult& result);
    // Dates played one after another up to `today`, or up to yesterday while today is not played.
    int Streak(QDate today) const;

private:
    QString dictionary;
    std::map<QDate, DailyResult> results;
};

// The spoiler-free line a player shares: "Glimmerquake daily 2026-12-07 English: 3,456 points,
// 21 words, best word 288 points (6 letters), streak 4", in the player's language. It names no word.
QString DailyResultLine(const DailyResult& result, const QString& dictionary, int streak);
