// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ScoreTable.h"

#include "settings/OneLine.h"
#include "settings/Persist.h"

#include <algorithm>

namespace {

QString ValueName(const QString& dictionary, int index)
{
    return dictionary + QString::number(index);
}

}  // namespace

void ScoreTable::Load(const Persist& store, const QString& dictionary)
{
    rows.clear();
    for (int index = 0; index < maxStoredRows; ++index) {
        QString text;
        if (!store.readString(ValueName(dictionary, index), text) || text.isEmpty())
            break;
        rows.push_back(Parse(text));
    }
}

void ScoreTable::Save(Persist& store, const QString& dictionary) const
{
    for (int index = 0; index < maxStoredRows; ++index) {
        if (index == Count()) {
            store.writeString(ValueName(dictionary, index), QString());
            return;
        }
        store.writeString(ValueName(dictionary, index), Format(rows[static_cast<std::size_t>(index)]));
    }
}

int ScoreTable::RankOf(std::uint32_t score) const
{
    const auto found = std::find_if(rows.begin(), rows.end(), [score](const ScoreRow& row) {
        return ParseScore(row.score) <= static_cast<std::int64_t>(score);
    });
    return static_cast<int>(found - rows.begin());
}

bool ScoreTable::MakeRoom(int position, int capacity)
{
    capacity = std::max(capacity, minCapacity);
    const bool qualifies = position < capacity;
    int excess = Count() - capacity + (qualifies ? 1 : 0);
    while (excess-- > 0)
        rows.pop_back();
    return qualifies;
}

void ScoreTable::SetEntry(bool replace, int index, std::uint32_t score, const QString& player, const QString& bestWord)
{
    const ScoreRow row{QString::number(score), OneLine(player), OneLine(bestWord), true};
    if (index < 0 || index > Count() || (replace && index == Count()))
        return;
    if (replace)
        rows[static_cast<std::size_t>(index)] = row;
    else
        rows.insert(rows.begin() + index, row);
}

std::int64_t ScoreTable::ParseScore(const QString& text)
{
    return ParseLeadingNumber(text);
}

QString ScoreTable::Format(const ScoreRow& row)
{
    if (!row.hasColumns)
        return row.score;
    return row.score + u'\t' + row.player + u'\t' + row.bestWord;
}

ScoreRow ScoreTable::Parse(const QString& text)
{
    const qsizetype first = text.indexOf(u'\t');
    if (first < 0)
        return ScoreRow{text, QString(), QString(), false};
    const QString rest = text.mid(first + 1);
    const qsizetype second = rest.indexOf(u'\t');
    if (second < 0)
        return ScoreRow{text.left(first), rest, QString(), true};
    return ScoreRow{text.left(first), rest.left(second), rest.mid(second + 1), true};
}
