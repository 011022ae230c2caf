// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/ScoreTable.h"

#include <QString>

// The two high score tables the saver writes in turn, and the dictionary they belong to. They
// differ in every row and in length, so a file holding a mix of both cannot pass for either.
inline const QString KillTestDictionary = QStringLiteral("TestWords");

// Table 0 fills all 100 stored rows; table 1 has 60 rows, so saving it ends with a terminator.
inline ScoreTable KillTestTable(int which)
{
    ScoreTable table;
    const int rows = which == 0 ? ScoreTable::maxStoredRows : 60;
    for (int index = 0; index < rows; ++index) {
        const auto score = static_cast<std::uint32_t>((which == 0 ? 900000 : 500000) - index * 97);
        table.SetEntry(false, index, score, QStringLiteral("Player%1-%2").arg(which).arg(index),
                       which == 0 ? QStringLiteral("QUARTETTES") : QStringLiteral("CARTS"));
    }
    return table;
}
