// SPDX-License-Identifier: GPL-3.0-or-later
// The daily and the relaxed game, started from the buttons between games.
#include "GameTestSupport.h"

#include "dialogs/StatisticsCharts.h"
#include "dialogs/newgame.h"
#include "settings/GameHistoryFile.h"
#include "settings/Persist.h"

#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QStandardPaths>

namespace {

QPushButton* Button(GameFixture& game, const char* name)
{
    return game.form->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Quits the game in play and returns the text of the window that follows, pressing its button
// captioned `press`.
QString QuitAndAnswer(GameFixture& game, const QString& press)
{
    QString text;
    AnswerNextModal([&](QWidget* question) {
        AnswerNextModal([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            text = message->text();
            for (QAbstractButton* button : message->buttons())
                if (button->text() == press)
                    button->click();
        });
        PressMessageButton(question, QMessageBox::Yes);
    });
    game.probe->endGameButton->click();
    return text;
}

}  // namespace

// The daily game of today is the same board each time it starts: its tiles come from the date and
// the dictionary. The first daily game of the day counts, with a result line to copy; a second
// one that day is practice, and a standard game after them counts, until the statistics are
// cleared. The Statistics window shows the counts of each kind and dictionary as it is chosen.
TEST(GameKinds, TheDailyGameIsTheSameForEveryoneAndCountsOnceADay)
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    GameFixture game;
    Button(game, "dailyButton")->click();
    ASSERT_TRUE(game.probe->IsPlaying());
    EXPECT_TRUE(game.form->windowTitle().endsWith(QStringLiteral("(TestWords, daily game ") + today + u')'))
        << qPrintable(game.form->windowTitle());
    const std::string board = TilesPicture(*game.probe->board);
    game.PlaceAndSelectWord({"T", "R", "E", "E"});
    game.probe->EnterWord();
    const QString counted = QuitAndAnswer(game, QStringLiteral("Cop&y result"));
    const QString line = QStringLiteral(
                             "Glimmerquake daily %1 TestWords: 16 points, 1 words, best word 16 points "
                             "(4 letters), streak 1")
                             .arg(today);
    EXPECT_TRUE(counted.endsWith(line) && QGuiApplication::clipboard()->text() == line) << qPrintable(counted);
    QGuiApplication::clipboard()->clear(), Button(game, "copyResultButton")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), line) << "and again from the panel";
    EXPECT_EQ(game.form->findChild<QLabel*>(QStringLiteral("todayStatus"))->text(),
              QStringLiteral("Daily game played: 16 points. Days in a row: 1."));

    Button(game, "dailyButton")->click();
    EXPECT_EQ(TilesPicture(*game.probe->board), board);
    EXPECT_TRUE(
        QuitAndAnswer(game, QStringLiteral("OK")).startsWith(QStringLiteral("This practice game counts nowhere")));
    EXPECT_TRUE(Button(game, "copyResultButton")->isEnabled());
    const QWidget* panel = game.form->findChild<QWidget*>(QStringLiteral("todayPanel"));
    EXPECT_EQ(game.form->grab().toImage().pixelColor(panel->geometry().topLeft() + QPoint(4, 4)),
              panel->palette().color(QPalette::ToolTipBase))
        << "the panel stands out in the colours of a tip";
    // A standard game after them counts as any other.
    game.probe->StartButton->click();
    AnswerNextModal([](QWidget* scores) { FinishDialog(scores, false); });
    PlayToTheEnd(*game.probe, {"C", "A", "T"});
    const std::vector<FinishedGame> history = GameHistoryFile().Read();
    EXPECT_TRUE(history.size() == 2 && history[0].kind == GameKind::Daily && history[1].kind == GameKind::Standard);
    GameHistoryFile().Add({"2026-12-01T10:00:00", "Alpha", GameKind::Daily, 5, 1, "ox", 5, "ox", 0, 3600});
    AnswerNextModal([](QWidget* statistics) {
        EXPECT_GT(statistics->findChild<ScoreChart*>()->y(), 100) << "the chart under the counts";
        statistics->findChild<QComboBox*>(QStringLiteral("KindBox"))->setCurrentIndex(1);  // the daily's own
        QStringList counts;
        for (const QLabel* shown : statistics->findChildren<QLabel*>())
            counts << shown->text();
        EXPECT_EQ(counts.join(u'|'),
                  "Games played:|1|Time played:|0 h 00 min|Best score:|16|Mean score:|16|Median score:|16|Words "
                  "entered:|1|Longest word:|tree|Most valuable word:|tree (16)|Lives earned:|0|Days in a row:|1 now, 1 "
                  "at best");
        statistics->findChild<QComboBox*>(QStringLiteral("DictionaryBox"))->setCurrentIndex(0);  // Alpha's own
        const QList<QLabel*> shown = statistics->findChildren<QLabel*>();
        EXPECT_EQ(shown.at(3)->text() + u' ' + shown.at(5)->text(), "1 h 00 min 5") << "its time and best score";
        AnswerNextModal([](QWidget* box) { PressMessageButton(box, QMessageBox::Yes); });
        statistics->findChild<QPushButton*>(QStringLiteral("ClearButton"))->click(), FinishDialog(statistics, false);
    });
    Button(game, "statisticsButton")->click();
    EXPECT_TRUE(GameHistoryFile().Read().empty()) << "Clear statistics forgets every game";
}

// A relaxed game says so in the title, its arrivals never speed up, and its score goes to its own
// table. It joins the history after a game whose line was cut short of its line end by hand.
TEST(GameKinds, ARelaxedGameKeepsItsPaceAndItsOwnHighScores)
{
    GameFixture game;
    const QString cut = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/history";
    ASSERT_TRUE(GameHistoryFile().Add({"2026-12-01T10:00:00", "TestWords", GameKind::Daily, 5}).isEmpty() &&
                QFile::resize(cut, QFileInfo(cut).size() - 1));
    Button(game, "relaxedButton")->click();
    EXPECT_TRUE(game.form->windowTitle().endsWith(QStringLiteral("(TestWords, relaxed game)")));
    for (int tick = 0; tick < 200; ++tick)  // each arrival of a standard game would be 0.5 % sooner
        game.probe->board->Fill(0), game.probe->EvolveTimerTick();
    EXPECT_EQ(game.probe->EvolveTimer->interval(), 2000);
    QString table, counted;
    AnswerNextModal([&](QWidget* scores) {
        table = NewGameForm->HighScoresGroup->title();
        AnswerNextModal([&](QWidget* statistics) {
            counted = statistics->findChild<QComboBox*>(QStringLiteral("KindBox"))->currentText();
            FinishDialog(statistics, false);
        });
        scores->findChild<QPushButton*>(QStringLiteral("statisticsButton"))->click(), FinishDialog(scores, false);
    });
    PlayToTheEnd(*game.probe, {"T", "R", "E", "E"});
    EXPECT_EQ(table + u' ' + counted, QStringLiteral("TestWords, relaxed game High Scores Relaxed game"));
    EXPECT_FALSE(Button(game, "copyResultButton")->isEnabled()) << "no daily game today to copy";
    QString stored;
    EXPECT_TRUE(Persist(false, QStringLiteral("Relaxed Scores")).readString(QStringLiteral("TestWords0"), stored) &&
                stored.startsWith(QStringLiteral("16\t")))
        << qPrintable(stored);
    EXPECT_EQ(NewGameForm->Scores().Count(), 0) << "the standard table stays as it was";
    // The finished game is in the history, with its kind, words and play time.
    const std::vector<FinishedGame> history = GameHistoryFile().Read();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(std::tuple(history[0].score, history[1].kind, history[1].score, history[1].words, history[1].bestWord,
                         history[1].dictionary),
              std::tuple(5u, GameKind::Relaxed, 16u, 1u, std::string("tree"), std::string("TestWords")));
}
