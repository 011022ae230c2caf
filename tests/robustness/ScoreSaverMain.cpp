// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the test high score tables through the game's settings code into the settings file named
// on the command line. Without a table number it saves the two tables in turn until it is killed,
// and after the first save writes one line to standard output, so the test knows saving is under
// way before it picks a moment. With a table number it saves that table once and exits.
#include "ScoreTables.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3)
        return std::fputs("usage: score_saver SETTINGS-FILE [0|1]\n", stderr), 2;
    UserRegistry::SetFilePath(arguments[1]);
    const ScoreTable tables[2] = {KillTestTable(0), KillTestTable(1)};
    for (unsigned long saves = 0;; ++saves) {
        {
            Persist store(true);
            tables[arguments.size() == 3 ? arguments[2].toInt() != 0 : saves % 2 == 0].Save(store, KillTestDictionary);
        }
        if (arguments.size() == 3)
            return 0;
        if (saves == 0)
            std::puts("saving"), std::fflush(stdout);
    }
}
