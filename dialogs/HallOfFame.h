// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/ScoreTable.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class Persist;
class QLabel;
class QPushButton;
class QTreeWidget;

// One dictionary's high score table as the Hall of Fame reads it.
struct FameTable {
    QString dictionary;
    ScoreTable table;
};

// The high score tables in the settings, by dictionary name ignoring case. A dictionary counts
// when its row 0 is a text whose score column starts with a digit. A name that is also a row of a
// shorter dictionary's table ("Words10" as row 10 of "Words") counts only when it is one of
// `programDictionaries`, the dictionaries beside the program.
std::vector<FameTable> LoadFameTables(const Persist& store, const QStringList& programDictionaries);

// The best scoring rows of a table, highest first (stored order among equal scores); rows whose
// score is not a number are left out.
std::vector<ScoreRow> BestRows(const ScoreTable& table, int count);

// The value of a stored best word ("quartz (324)": the word, then its value in brackets, which is
// ignored), as the game scores its tiles: the product of the letters' values, a Q with the U after
// it being one tile worth a Q, kept within 32 bits. Accented letters count as the letter the
// dictionaries file them under (é as E, ø as O); apostrophes, hyphens and spaces are no tiles.
// 0 for a word no tiles could spell: no letters, or any other character.
std::uint32_t StoredWordValue(const QString& bestWord);
// The word of a stored best word: the text without its value in brackets.
QString StoredWordSpelling(const QString& bestWord);

// The Hall of Fame: the three best results of every dictionary played on this computer and the
// most valuable best word among all of them. It only reads the settings, apart from its placement.
class THallOfFame : public QDialog {
    Q_OBJECT

public:
    explicit THallOfFame(QWidget* parent = nullptr);
    // Stores the placement.
    ~THallOfFame() override;

    // Reads the tables and shows them modally; does nothing while already shown.
    void Execute();

    QLabel* BestWordLabel;
    QLabel* BestWordOwnerLabel;
    QTreeWidget* TablesView;
    QPushButton* CloseButton;
    QPushButton* HelpButton;

private:
    // Reads the tables into the window.
    void Load();
};
