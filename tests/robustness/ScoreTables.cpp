#include "ScoreTables.h"

ScoreTable KillTestTable(int which)
{
    ScoreTable table;
    const int rows = which == 0 ? ScoreTable::maxStoredRows : 60;
    for (int index = 0; index < rows; ++index) {
        const auto score = static_cast<std::uint32_t>((which == 0 ? 900000 : 500000) - index * 97);
        const QString player = QStringLiteral("Player%1-%2").arg(which).arg(index);
        const QString word = which == 0 ? QStringLiteral("QUARTETTES") : QStringLiteral("CARTS");
        table.SetEntry(false, index, score, player, word);
    }
    return table;
}
