// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HallOfFame.h"
#include "dialogs/ScoreTable.h"
#include "dialogs/StatisticsCharts.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"

#include "GameTestSupport.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

const QString words = QStringLiteral("TestWords");

// A stored string value of the settings key, or "<absent>".
QString Stored(const QString& name)
{
    QString value = QStringLiteral("<absent>");
    Persist(false).readString(name, value);
    return value;
}

// Stores rows "dictionary0".. with the scores, players P0.. and words W0...
void StoreRows(const QString& dictionary, const std::vector<int>& scores)
{
    Persist store(true);
    for (std::size_t i = 0; i < scores.size(); ++i)
        store.writeString(dictionary + QString::number(i), QStringLiteral("%1\tP%2\tW%2").arg(scores[i]).arg(i));
}

// Shows the scores for a result and answers with Start (or Close). Tells what the player saw:
// the title, the selected score (and whether its row was out of view), whether the last row was out
// of view, the rows, and the result.
QString ShowScores(std::uint32_t score, ScoresKind kind = ScoresKind::GameOver, bool start = true)
{
    QString title, selected;
    int rows = 0;
    AnswerNextModal(
        [&selected, &rows, start](QWidget*) {
            QTreeWidget* list = NewGameForm->HighScoreTable;
            const auto hidden = [list](QTreeWidgetItem* item) {
                const QRect row = list->visualItemRect(item);
                return row.top() < 0 || row.bottom() >= list->viewport()->height();
            };
            for (QTreeWidgetItem* item : list->selectedItems())
                selected += " " + item->text(0) + (hidden(item) ? " hidden" : "");
            rows = list->topLevelItemCount();
            if (rows > 0 && hidden(list->topLevelItem(rows - 1)))
                selected += " above the end";
            (start ? NewGameForm->OKButton : NewGameForm->CancelButton)->click();
        },
        &title);
    const int result = NewGameForm->ShowScores(kind, score, QStringLiteral("WORDY"));
    return QStringLiteral("%1%2 (%3 rows) -> %4").arg(title, selected).arg(rows).arg(result);
}

// Runs Options... from the scores dialog, choosing a nickname and a dictionary.
void ChangeOptions(bool allowDictionaryChange, const QString& nickname, const QString& dictionary = QString())
{
    AnswerNextModal([nickname, dictionary](QWidget*) {
        OptionsForm->NicknameField->setText(nickname);
        OptionsForm->DictionaryList->setCurrentText(dictionary);  // no name keeps the current one
        OptionsForm->OKBtn->click();
    });
    NewGameForm->ShowOptions(allowDictionaryChange);
}

// Rows split at their first two TABs; malformed rows load and save unchanged, a score that is no
// number ranking as 0. Loading stops at the first empty value or at 100 rows, and a full table is
// saved without a terminator.
TEST(ScoreTable, StoredTablesLoadAndSaveWithoutLosingARow)
{
    GameFixture game;
    const QString texts[] = {"lots\tX\tY", "12", "9\tA\tB\tC", "7\t\t", "", "3\tc\td"};
    const ScoreRow rows[] = {
        {"lots", "X", "Y", true}, {"12", "", "", false}, {"9", "A", "B\tC", true}, {"7", "", "", true}};
    for (int i = 0; i < 6; ++i)
        Persist(true).writeString(QStringLiteral("W%1").arg(i), texts[i]);
    ScoreTable table;
    const auto save = [&table] {
        Persist store(true);
        table.Save(store, QStringLiteral("W"));
    };
    table.Load(Persist(false), QStringLiteral("W"));
    ASSERT_TRUE(std::equal(table.Rows().begin(), table.Rows().end(), std::begin(rows), std::end(rows)) &&
                table.RankOf(1) == 0);
    save();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Stored(QStringLiteral("W%1").arg(i)), texts[i]);

    StoreRows(QStringLiteral("W"), std::vector<int>(120, 7));
    table.Load(Persist(false), QStringLiteral("W"));
    table.SetEntry(false, 101, 9, QStringLiteral("X"), QStringLiteral("Y"));  // past the end: nothing
    EXPECT_EQ(table.Count(), 100);
    table.SetEntry(true, 99, 9, QStringLiteral("N\r\nO\tP"), QStringLiteral("B"));  // a pasted name
    save();
    EXPECT_EQ(Stored(QStringLiteral("W99")) + " " + Stored(QStringLiteral("W100")), "9\tN O P\tB 7\tP100\tW100");
}

// Each way of showing the scores has its title; Start gives 1 and Close 0. A result enters above
// an equal score, selected, and is stored with the terminator after the table; a score of 0
// enters and selects nothing.
TEST(NewGameForm, AResultEntersAboveEqualScoresSelectedStoredAndInView)
{
    GameFixture game;
    // The table keeps as many rows as the list shows, at least twelve: a result below the twelfth
    // enters nothing, the list showing its end, and rows trimmed from the list stay stored until
    // the next save. The new row is scrolled into view; a score beyond the signed 32-bit range
    // ranks first.
    StoreRows(words, {900, 800, 700, 600, 500, 400, 300, 200, 190, 180, 170, 160, 150, 140});
    NewGameForm->TransferScores(false);
    NewGameForm->resize(499, 200);
    EXPECT_EQ(ShowScores(155), QStringLiteral("Game Over (12 rows) -> 1"));
    EXPECT_EQ(Stored(words + "13"), QStringLiteral("140\tP13\tW13"));
    EXPECT_EQ(ShowScores(165), QStringLiteral("Game Over 165 (12 rows) -> 1"));
    EXPECT_EQ(ShowScores(3000000000u), QStringLiteral("Game Over 3000000000 above the end (12 rows) -> 1"));
    StoreRows(words, std::vector<int>(60, 100));
    NewGameForm->TransferScores(false);
    NewGameForm->resize(499, 900);
    const int tall = NewGameForm->Capacity();
    EXPECT_TRUE(tall > 22 && ShowScores(150) == QStringLiteral("Game Over 150 (%1 rows) -> 1").arg(tall)) << tall;
    EXPECT_EQ(Stored(words + QString::number(tall)), QString());
    StoreRows(words, {900, 500});
    Persist(true).writeString(words + "2", QString());
    NewGameForm->TransferScores(false);
    EXPECT_EQ(ShowScores(500), QStringLiteral("Game Over 500 (3 rows) -> 1"));
    const char* stored[] = {"900\tP0\tW0", "500\tAnonymous\tWORDY", "500\tP1\tW1", ""};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(Stored(words + QString::number(row)), QString::fromLatin1(stored[row])) << row;
    for (const auto& [kind, title] :
         {std::pair{ScoresKind::ViewScores, "Scores"}, {ScoresKind::GameEnded, "Game Ended"}})
        EXPECT_EQ(ShowScores(0, kind, false), title + QStringLiteral(" (3 rows) -> 0"));
}

// Only a nickname chosen from the scores dialog after a game renames that game's row, which stays
// selected, a TAB in it becoming a space. Each dictionary keeps its own table, and after a switch
// a new nickname renames nothing.
TEST(NewGameForm, ANewNicknameRenamesOnlyTheNewRowAndEachDictionaryKeepsItsTable)
{
    GameFixture game;
    ShowScores(150);
    ChangeOptions(false, QStringLiteral("Ann"));
    EXPECT_EQ(Stored(words + "0"), QStringLiteral("150\tAnonymous\tWORDY"));
    ChangeOptions(true, QStringLiteral("Zoe\tQ"));
    EXPECT_EQ(Stored(words + "0") + " " + Stored(QStringLiteral("Nickname")), "150\tZoe Q\tWORDY Zoe Q");
    ASSERT_EQ(NewGameForm->HighScoreTable->selectedItems().size(), 1);
    EXPECT_TRUE(LooksAsApproved(NewGameForm, QStringLiteral("scores")));
    EXPECT_EQ(NewGameForm->HighScoreTable->selectedItems().front()->text(1), QStringLiteral("Zoe Q"));
    ChangeOptions(true, QStringLiteral("Zoe Q"), QStringLiteral("My.Words"));
    EXPECT_EQ(NewGameForm->HighScoresGroup->title() + QString::number(NewGameForm->HighScoreTable->topLevelItemCount()),
              QStringLiteral("My.Words High Scores0"));
    ShowScores(70);
    ChangeOptions(true, QStringLiteral("Zoe Q"), words);
    EXPECT_EQ(NewGameForm->HighScoreTable->topLevelItem(0)->text(0), QStringLiteral("150"));
    ChangeOptions(true, QStringLiteral("Zed"));
    EXPECT_EQ(Stored(words + "0") + " " + Stored("My.Words0"), "150\tZoe Q\tWORDY 70\tZoe Q\tWORDY");
}

// The Hall of Fame button shows every dictionary's table by name with its three best rows (rows
// whose score is no number left out, a table ending at its first empty row) and the most valuable
// best word of all rows. "Words10" is a row of Words, so Words1 is no dictionary unless one of that
// name is beside the program. Viewing writes nothing.
TEST(HallOfFame, ShowsEachTablesThreeBestRowsAndTheMostValuableWord)
{
    GameFixture game;
    StoreRows(QStringLiteral("Words"), std::vector<int>(11, 10));
    const char* rows[][2] = {{"English0", "300\tAnn\tjazz (9)"},
                             {"English1", "oops\tBad\tjazzy (1)"},
                             {"English2", "700\tBo\tquartz (324)"},
                             {"English3", "500\tCy\tÉtoile's"},
                             {"English4", "500\tDi"},
                             {"English5", "12"},
                             {"TestWords0", "40\tEd\tqueue"},
                             {"TestWords1", ""},
                             {"TestWords2", "900\tFay\tzzzz"},
                             {"Zebra10", "60\tGus\ta"}};  // "Zebra1" is no row 1 of "Words"
    for (const auto& [name, row] : rows)
        Persist(true).writeString(name, QString::fromUtf8(row));
    QFile file(UserRegistry::FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    QString title, shown;
    AnswerNextModal(
        [&shown](QWidget*) {
            THallOfFame* fame = NewGameForm->hallOfFame.get();
            shown = fame->BestWordLabel->text() + " " + fame->BestWordOwnerLabel->text();
            for (int i = 0; i < fame->TablesView->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* section = fame->TablesView->topLevelItem(i);
                shown += " | " + section->text(0) + (section->isFirstColumnSpanned() ? "" : " (cut short)");
                for (int row = 0; row < section->childCount(); ++row)
                    shown += ", " + section->child(row)->text(0) + " " + section->child(row)->text(1) + " " +
                             section->child(row)->text(2);
            }
            EXPECT_TRUE(LooksAsApproved(fame, QStringLiteral("hall-of-fame")));
            QTest::keyClick(fame, Qt::Key_Return);  // Close is the default button
            shown += fame->isVisible() ? " (still open)" : "";
            fame->CloseButton->click();
        },
        &title);
    NewGameForm->hallOfFameButton->click();
    EXPECT_EQ(
        title + ": " + shown,
        QString::fromUtf8("Hall of Fame: jazz worth 504 points, found by Ann in the English dictionary | English, "
                          "700 Bo quartz (324), 500 Cy Étoile's, 500 Di  | TestWords, "
                          "40 Ed queue | Words, 10 P0 W0, 10 P1 W1, 10 P2 W2 | Zebra1, 60 Gus a"));
    file.seek(0);
    EXPECT_EQ(file.readAll(), before);
    QStringList names;
    for (const FameTable& fame : LoadFameTables(Persist(false), {QStringLiteral("words1")}))
        names << fame.dictionary;
    EXPECT_EQ(names, (QStringList{"English", "TestWords", "Words", "Words1", "Zebra1"}));
}

}  // namespace

// The chart draws each score as a bar as tall as its share of the highest, and the mean across,
// in a frame: scores 100, 400, 0 and 200 in 90 rows give bars of 23, 90, 0 and 45 rows, and the
// mean (175) 39 rows up; screen readers get the scores as text.
TEST(Statistics, TheChartsDrawTheScoresTheirMeanAndThePlayedDays)
{
    ScoreChart chart(nullptr);
    chart.resize(202, 92);
    chart.SetScores({100, 400, 0, 200});
    const QImage image = chart.grab().toImage();
    const auto blue = [&image](int column) {
        int count = 0;
        for (int y = 1; y <= 90; ++y)
            count += image.pixelColor(column, y) == ScoreChart::barColour;
        return count;
    };
    // Bars are 50 columns apart; the mean's row takes one row of the bars it crosses.
    EXPECT_EQ((std::vector<int>{blue(11), blue(61), blue(111), blue(161)}), (std::vector<int>{23, 89, 0, 44}));
    for (const int column : {1, 11, 61, 111, 161, 200})
        EXPECT_EQ(image.pixelColor(column, 91 - 39), ScoreChart::meanColour) << column;
    EXPECT_TRUE(LooksAsApproved(&chart, QStringLiteral("score-chart")));
    EXPECT_EQ(chart.accessibleDescription(), QStringLiteral("4 games, oldest first: 100, 400, 0, 200. Mean 175."));

    // The calendar, at its smallest: cells of 12 pixels 14 apart, a column a week from Monday, the
    // last one today's.
    CalendarStrip strip(nullptr);
    strip.resize(strip.minimumSize());
    const QDate wednesday(2026, 12, 9);
    strip.SetDays({wednesday, wednesday.addDays(-8), wednesday.addDays(-51), wednesday.addDays(-52)}, wednesday);
    const QImage days = strip.grab().toImage();
    const auto played = [&days](int weeksBack, int weekday, int x) {
        return days.pixelColor((CalendarStrip::weeks - 1 - weeksBack) * 14 + x, (weekday - 1) * 14 + 6) ==
               CalendarStrip::playedColour;
    };
    EXPECT_TRUE(played(0, 3, 1) && played(0, 3, 12) && !played(0, 3, 13) && !played(0, 2, 6) && played(1, 2, 6));
    EXPECT_TRUE(LooksAsApproved(&strip, QStringLiteral("calendar")));
    EXPECT_EQ(strip.accessibleDescription(), QStringLiteral("Played on 3 of the 52 days shown."));
}
