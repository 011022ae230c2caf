// SPDX-License-Identifier: GPL-3.0-or-later
// A game left unfinished waits on disk for the next start: offered there, resumed paused exactly
// where it stood or ended into the high scores; a save that cannot be read is set aside.
#include "GameTestSupport.h"

#include "board/SavedGameFormat.h"
#include "dialogs/newgame.h"
#include "settings/SavedGameFile.h"

#include <QFile>
#include <QGroupBox>
#include <QListWidget>

#include <tuple>

namespace {

// The game as it stands, without the time of saving.
std::string GameBytes(GlimmerFormProbe& probe)
{
    return EncodeSavedGame({"", 0, probe.Session().Save(), ""});
}

class Resume : public ::testing::Test {
protected:
    // Starts a game, enters TREE (16 points), chains C-A and pauses: the pause saves the game.
    // Returns the game as it was left.
    std::string LeaveAGame()
    {
        EXPECT_TRUE(StartPlay(probe()));
        game.PlaceAndSelectWord({"T", "R", "E", "E"});
        probe().EnterWord();
        game.PlaceAndSelectWord({"C", "A"});
        AnswerNextModal([](QWidget* box) { PressMessageButton(box, QMessageBox::Yes); });
        probe().pauseButton->click();
        EXPECT_TRUE(QFile::exists(SavedGameFile().Path()));
        return GameBytes(probe());
    }
    // Starts the program again and answers the first question it asks with `button`; returns
    // the question.
    QString Restart(int button)
    {
        game.Restart();
        QString text;
        AnswerNextModal([&](QWidget* box) {
            text = qobject_cast<QMessageBox*>(box)->text();
            PressMessageButton(box, button);
        });
        game.form->FormOnIdle();
        return text;
    }
    void WriteSave(const QByteArray& bytes) { ASSERT_TRUE(SavedGameFile().Write(bytes).isEmpty()); }
    GlimmerFormProbe& probe() { return *game.probe; }

    GameFixture game;
};

}  // namespace

// Yes: the same tiles, chain, score and best words, with the board hidden under the paused board
// until the player resumes; then play and the 30-second saves run. No, when the game is left
// again: it ends as Quit ends it, its score entered in the high scores; nothing is left.
TEST_F(Resume, YesTakesTheGameUpPausedExactlyWhereItStoodAndNoEndsIt)
{
    const std::string left = LeaveAGame();
    const QString question = Restart(QMessageBox::Yes);
    EXPECT_TRUE(question.startsWith(QStringLiteral("Resume the game you left on ")) &&
                question.endsWith(QStringLiteral(", score 16?")))
        << qPrintable(question);
    EXPECT_EQ(GameBytes(probe()), left);
    auto* paused = game.form->findChild<QWidget*>(QStringLiteral("pausedBoard"));
    ASSERT_NE(paused, nullptr);
    EXPECT_EQ(
        std::tuple(paused->isVisible(), probe().boardHidden, probe().EvolveTimer->isActive(),
                   probe().valueLabel->text(), probe().bestWordList->item(0)->text(), probe().wordInProgress->text()),
        std::tuple(true, true, false, QStringLiteral("16"), QStringLiteral("tree (16)"), QStringLiteral("CA")));
    // It stays over the board as the window grows.
    const QPoint centre = paused->geometry().center();
    game.form->resize(game.form->size() + QSize(200, 100));
    EXPECT_EQ(paused->geometry().center() - centre, QPoint(100, 50));
    paused->findChild<QPushButton*>(QStringLiteral("resumeButton"))->click();
    EXPECT_TRUE(probe().IsPlaying() && probe().EvolveTimer->isActive() && probe().autosave().isActive() &&
                probe().autosave().interval() == 30'000);

    AnswerNextModal([](QWidget* box) { PressMessageButton(box, QMessageBox::Yes); });
    probe().pauseButton->click();
    QString title;
    game.Restart();
    AnswerNextModal([&](QWidget* box) {
        AnswerNextModal([](QWidget* scores) { FinishDialog(scores, false); }, &title);
        PressMessageButton(box, QMessageBox::No);
    });
    game.form->FormOnIdle();
    EXPECT_EQ(title + u' ' + NewGameForm->Scores().Rows().at(0).score, QStringLiteral("Game Ended 16"));
    EXPECT_FALSE(probe().IsPlayPanelShown() || QFile::exists(SavedGameFile().Path()) || !game.OccupiedCells().empty());
}

// A game saved with a dictionary that is gone cannot go on: the player is told, its score goes
// to that dictionary's table, and the chosen dictionary stays the one that is there.
TEST_F(Resume, AGameWhoseDictionaryIsGoneEndsIntoItsHighScores)
{
    LeaveAGame();
    WriteSave(QByteArray::fromStdString(EncodeSavedGame({"Gone", 0, probe().Session().Save(), ""})));

    QString message, table;
    game.Restart();
    AnswerNextModal([&](QWidget* box) {
        message = qobject_cast<QMessageBox*>(box)->text();
        AnswerNextModal([&](QWidget* scores) {
            table = NewGameForm->HighScoresGroup->title();
            FinishDialog(scores, false);
        });
        PressMessageButton(box, QMessageBox::Ok);
    });
    game.form->FormOnIdle();
    EXPECT_TRUE(message.contains(QStringLiteral("\"Gone\", which is no longer there")) &&
                message.contains(QStringLiteral("score of 16")))
        << qPrintable(message);
    EXPECT_TRUE(table.contains(QStringLiteral("Gone"))) << qPrintable(table);
    EXPECT_TRUE(NewGameForm->GetDictionary() == QStringLiteral("TestWords") && !QFile::exists(SavedGameFile().Path()));
}

// A save that is no game, is damaged or comes from a newer version is never trusted: the player
// is told why, the file is kept aside for a bug report, and a new game starts as usual.
TEST_F(Resume, UnreadableSavesAreSetAsideAndTheGameStartsAfresh)
{
    LeaveAGame();
    const QByteArray good = SavedGameFile().Read().value();
    QByteArray newer = good;
    newer[8] = 2;
    const std::tuple<const char*, QByteArray, QString> cases[] = {
        {"no game", "PK\3\4 a zip file", QStringLiteral("not a game saved by Glimmerquake")},
        {"cut short", good.left(good.size() / 2), QStringLiteral("damaged")},
        {"newer", newer, QStringLiteral("newer version")},
        {"empty", QByteArray(), QStringLiteral("not a game saved")},
    };
    for (const auto& [what, bytes, reason] : cases) {
        SCOPED_TRACE(what);
        WriteSave(bytes);
        const QString message = Restart(QMessageBox::Ok);
        EXPECT_TRUE(message.contains(QStringLiteral("could not be read")) && message.contains(reason))
            << qPrintable(message);
        QFile aside(SavedGameFile().Path() + QStringLiteral(".bad"));
        EXPECT_TRUE(aside.open(QIODevice::ReadOnly) && aside.readAll() == bytes);
        EXPECT_FALSE(QFile::exists(SavedGameFile().Path()));
        EXPECT_TRUE(StartPlay(probe()));
    }
}

// Play is saved whenever it stops and at each new round; a logout saves and pauses, and the window
// then closes without a question; a game that ends, by Quit or Game Over, leaves no save. A game
// left as its round ended resumes in the clearing, at its pace, with its missed word.
TEST_F(Resume, PlayIsSavedWheneverItStopsAndAnEndedGameLeavesNothing)
{
    const QString path = SavedGameFile().Path();
    ASSERT_TRUE(StartPlay(probe()));
    EXPECT_FALSE(QFile::exists(path)) << "nothing to save before anything happened";
    for (int c = 0; c < 18; c += 2)
        probe().board->Cell(10, c)->Set("E", 2);
    probe().EvolveTimerTick();
    EXPECT_TRUE(QFile::exists(path)) << "the round end saves";
    QFile::remove(path);
    while (probe().clearCountdown() != 0)
        probe().TumbleTimerTick();
    EXPECT_TRUE(QFile::exists(path)) << "the new round saves";

    AnswerNextModal([](QWidget* box) { PressMessageButton(box, QMessageBox::Yes); });  // no score: no table
    probe().endGameButton->click(), probe().SaveForLogout();
    EXPECT_FALSE(QFile::exists(path)) << "Quit leaves nothing to resume, nor does a logout after it";

    ASSERT_TRUE(StartPlay(probe()));
    probe().SaveForLogout();
    EXPECT_TRUE(QFile::exists(path) && probe().boardHidden && !probe().EvolveTimer->isActive());
    EXPECT_TRUE(game.form->close()) << "a logout is never held up by the quit question";
    EXPECT_TRUE(QFile::exists(path));

    game.Restart();
    ASSERT_TRUE(StartPlay(probe()));
    AnswerNextModal([](QWidget* scores) { FinishDialog(scores, false); });
    PlayToTheEnd(probe(), {"T", "R", "E", "E"});
    EXPECT_FALSE(QFile::exists(path)) << "Game Over leaves nothing to resume";
    ASSERT_TRUE(StartPlay(probe()));
    probe().board->Fill(12), game.PlaceAndSelectWord({"C", "A", "T"}), probe().ClearWord(), probe().EvolveTimerTick();
    const QString missed = probe().wordInProgress->text();
    Restart(QMessageBox::Yes);
    EXPECT_TRUE(probe().Session().Phase() == SessionPhase::Clearing && missed.startsWith(u"missed: ") &&
                probe().TumbleTimer->interval() == 20 && probe().wordInProgress->text() == missed);
}
