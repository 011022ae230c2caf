#pragma once

#include "dialogs/ScoreTable.h"

#include <QString>

// The two high score tables the saver writes in turn, and the dictionary they belong to. They
// differ in every row and in length, so a file holding a mix of both cannot pass for either.
inline const QString KillTestDictionary = QStringLiteral("TestWords");

// Table 0 fills all 100 stored rows; table 1 has 60 rows, so saving it ends with a terminator.
ScoreTable KillTestTable(int which);
