// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class Persist;

// One row of a high score table, each column held as the text it was stored with.
struct ScoreRow {
    QString score;
    QString player;
    QString bestWord;
    // A stored row without a TAB has only its score text and reads back without the other two.
    bool hasColumns = true;

    friend bool operator==(const ScoreRow&, const ScoreRow&) = default;
};

// The rows of one dictionary's high score table and how they are stored and ranked. Stored as
// string values named after the dictionary and the row index 0 to 99 ("Words0", "Words1", ...),
// each the score, a TAB, the player, a TAB and the best word, ended by the first empty value.
class ScoreTable {
public:
    static constexpr int maxStoredRows = 100;
    static constexpr int minCapacity = 12;

    // Replaces the rows with those stored for `dictionary`.
    void Load(const Persist& store, const QString& dictionary);
    // Writes the rows (at most 100) and an empty terminator after them when there is room.
    void Save(Persist& store, const QString& dictionary) const;

    // Where a new result of `score` ranks: above the first row that scores the same or less.
    int RankOf(std::uint32_t score) const;
    // Makes room for a result at `position` in a table of `capacity` rows (raised to 12): drops
    // the lowest rows so that at most capacity - 1 remain when it qualifies, capacity otherwise.
    // Returns whether it qualifies (position < capacity).
    bool MakeRoom(int position, int capacity);
    // Inserts a row at `index` (replace false) or rewrites the row there (replace true). The
    // index must be within the table; a TAB in the texts becomes a space so the row reads back
    // in the same columns.
    void SetEntry(bool replace, int index, std::uint32_t score, const QString& player, const QString& bestWord);

    const std::vector<ScoreRow>& Rows() const { return rows; }
    int Count() const { return static_cast<int>(rows.size()); }

    // A stored score text read tolerantly (leading blanks, a sign, digits up to the first other
    // character; no digits give 0), in 64 bits and held at the limits, so a score above the
    // 32-bit signed range still ranks as the large number it is.
    static std::int64_t ParseScore(const QString& text);
    // A row as stored: its columns joined by TABs.
    static QString Format(const ScoreRow& row);
    // The stored text split at its first two TABs; a third stays inside the best word.
    static ScoreRow Parse(const QString& text);

private:
    std::vector<ScoreRow> rows;
};
