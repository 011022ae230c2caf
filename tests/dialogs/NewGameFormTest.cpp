#include "dialogs/newgame.h"
#include "dialogs/options.h"

#include "DialogTestSupport.h"
#include "GameTestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString words = QStringLiteral("TestWords");
const QString other = QStringLiteral("My.Words");

// Shows the scores, presses Start from inside the dialog and tells the title it had.
int ShowAndStart(std::uint32_t score, QString* title = nullptr, ScoresKind kind = ScoresKind::GameOver)
{
    AnswerNextModal([](QWidget* dialog) { FinishDialog(dialog, true); }, title);
    return NewGameForm->ShowScores(kind, score, QStringLiteral("WORDY"));
}

// Runs Options... from the scores dialog's state, choosing a nickname and a dictionary.
void ChangeOptions(bool allowDictionaryChange, const QString& nickname, const QString& dictionary = QString())
{
    AnswerNextModal([nickname, dictionary](QWidget*) {
        OptionsForm->NicknameField->setText(nickname);
        if (!dictionary.isEmpty())
            OptionsForm->DictionaryList->setCurrentText(dictionary);
        OptionsForm->OKBtn->click();
    });
    NewGameForm->ShowOptions(allowDictionaryChange);
}

QString SelectedScore()
{
    const auto selected = NewGameForm->HighScoreTable->selectedItems();
    return selected.size() == 1 ? selected.front()->text(0) : QString();
}

// The first result becomes row 0, selected and stored with a terminator; a later score of 0
// selects and stores nothing.
TEST(NewGameForm, FirstResultBecomesRowZeroSelectedAndStoredWithATerminator)
{
    GameFixture game;
    EXPECT_EQ(NewGameForm->HighScoresGroup->title(), QStringLiteral("TestWords High Scores"));
    QString title;
    EXPECT_EQ(ShowAndStart(150, &title), 1);
    EXPECT_EQ(title, QStringLiteral("Game Over"));
    EXPECT_EQ(NewGameForm->NewEntryIndex, 0);
    EXPECT_EQ(SelectedScore(), QStringLiteral("150"));
    EXPECT_EQ(Stored(words + "0"), QStringLiteral("150\tAnonymous\tWORDY"));
    EXPECT_EQ(Stored(words + "1"), QString());
    EXPECT_FALSE(NewGameForm->mailHighScoreButton->isEnabled());
    // There is no Hall of Fame yet: its button offers nothing and opens nothing.
    UrlRecorder links({QStringLiteral("https"), QStringLiteral("http")});
    NewGameForm->hallOfFameButton->click();
    EXPECT_FALSE(NewGameForm->hallOfFameButton->isEnabled());
    EXPECT_TRUE(links.opened.empty());
    ShowAndStart(0, nullptr, ScoresKind::ViewScores);
    EXPECT_EQ(NewGameForm->NewEntryIndex, -1);
    EXPECT_TRUE(SelectedScore().isEmpty());
    EXPECT_EQ(Stored(words + "1"), QString());
}

TEST(NewGameForm, TitlesFollowTheKindAndCloseReturnsZero)
{
    GameFixture game;
    const std::pair<ScoresKind, const char*> kinds[] = {
        {ScoresKind::ViewScores, "Scores"}, {ScoresKind::GameEnded, "Game Ended"}, {ScoresKind::GameOver, "Game Over"}};
    for (const auto& [kind, expected] : kinds) {
        QString title;
        AnswerNextModal([](QWidget* dialog) { FinishDialog(dialog, false); }, &title);
        EXPECT_EQ(NewGameForm->ShowScores(kind, 0, QString()), 0);
        EXPECT_EQ(title, QString::fromLatin1(expected));
    }
}

TEST(NewGameForm, ALowerScoreThanTwelveRowsEntersNothingAndSavesNothing)
{
    GameFixture game;
    StoreRows(words, {900, 800, 700, 600, 500, 400, 300, 200, 190, 180, 170, 160, 150, 140});
    NewGameForm->TransferScores(false);
    // Too short for twelve rows: the table holds the smallest capacity.
    NewGameForm->resize(499, 200);
    ASSERT_EQ(NewGameForm->Capacity(), 12);
    ShowAndStart(10);
    EXPECT_EQ(NewGameForm->NewEntryIndex, -1);
    EXPECT_TRUE(SelectedScore().isEmpty());
    EXPECT_EQ(NewGameForm->HighScoreTable->topLevelItemCount(), NewGameForm->Capacity());
    // The rows trimmed from the list stay stored until the next save.
    EXPECT_EQ(Stored(words + "13"), QStringLiteral("140\tP13\tW13"));
}

// A new result goes above equal scores; one beyond the signed range ranks first, not last.
TEST(NewGameForm, AnEqualScoreGoesAboveTheOlderRowAndAHugeOneFirst)
{
    GameFixture game;
    StoreRows(words, {900, 800, 700, 600, 500});
    NewGameForm->TransferScores(false);
    ShowAndStart(600);
    EXPECT_EQ(NewGameForm->NewEntryIndex, 3);
    EXPECT_EQ(Stored(words + "3"), QStringLiteral("600\tAnonymous\tWORDY"));
    EXPECT_EQ(Stored(words + "4"), QStringLiteral("600\tP3\tW3"));
    ShowAndStart(3000000000u);
    EXPECT_EQ(NewGameForm->NewEntryIndex, 0);
    EXPECT_EQ(Stored(words + "0"), QStringLiteral("3000000000\tAnonymous\tWORDY"));
    ShowAndStart(1000);
    EXPECT_EQ(NewGameForm->NewEntryIndex, 1);
}

TEST(NewGameForm, ATallerDialogKeepsMoreRows)
{
    GameFixture game;
    StoreRows(words, std::vector<int>(60, 100));
    NewGameForm->TransferScores(false);
    const int designed = NewGameForm->Capacity();
    NewGameForm->resize(499, 900);
    const int tall = NewGameForm->Capacity();
    EXPECT_GE(designed, 12);
    EXPECT_GT(tall, designed + 10);
    ShowAndStart(150);
    EXPECT_EQ(NewGameForm->NewEntryIndex, 0);
    EXPECT_EQ(NewGameForm->HighScoreTable->topLevelItemCount(), tall);
    EXPECT_EQ(Stored(words + QString::number(tall)), QString());
}

// Only a nickname chosen from the scores dialog after a game renames that game's row; a TAB in
// it stays in its column.
TEST(NewGameForm, ANewNicknameRenamesOnlyTheNewRowAfterTheGame)
{
    const std::pair<bool, const char*> cases[] = {{true, "150\tZoe Q\tWORDY"}, {false, "150\tAnonymous\tWORDY"}};
    for (const auto& [afterTheGame, row] : cases) {
        GameFixture game;
        ShowAndStart(150);
        ChangeOptions(afterTheGame, QStringLiteral("Zoe\tQ"));
        EXPECT_EQ(Stored(words + "0"), QString::fromLatin1(row));
        EXPECT_EQ(Stored(QStringLiteral("Nickname")), QStringLiteral("Zoe Q"));
        EXPECT_EQ(SelectedScore(), QStringLiteral("150"));
    }
}

TEST(NewGameForm, EachDictionaryKeepsItsOwnTableAndANicknameChangeAfterASwitchRenamesNothing)
{
    GameFixture game;
    ShowAndStart(150);
    ChangeOptions(true, QStringLiteral("Anonymous"), other);
    EXPECT_EQ(NewGameForm->GetDictionary(), other);
    EXPECT_EQ(NewGameForm->HighScoresGroup->title(), QStringLiteral("My.Words High Scores"));
    EXPECT_EQ(NewGameForm->HighScoreTable->topLevelItemCount(), 0);
    EXPECT_EQ(NewGameForm->NewEntryIndex, -1);
    ShowAndStart(70);
    ChangeOptions(true, QStringLiteral("Anonymous"), words);
    EXPECT_EQ(NewGameForm->Scores().Rows().front().score, QStringLiteral("150"));
    ChangeOptions(true, QStringLiteral("Zoe"));
    EXPECT_EQ(Stored(words + "0"), QStringLiteral("150\tAnonymous\tWORDY"));
    EXPECT_EQ(Stored(other + "0"), QStringLiteral("70\tAnonymous\tWORDY"));
}

TEST(NewGameForm, SizeAndColumnWidthsAreRememberedAcrossRuns)
{
    GameFixture game;
    NewGameForm->show();
    NewGameForm->resize(520, 600);
    NewGameForm->HighScoreTable->setColumnWidth(1, 111);
    NewGameForm->hide();
    game.windows.reset();
    game.windows = std::make_unique<GameWindows>();
    EXPECT_EQ(NewGameForm->size(), QSize(520, 600));
    EXPECT_EQ(NewGameForm->HighScoreTable->columnWidth(1), 111);
    EXPECT_EQ(Stored(QStringLiteral("NewGameFormMaximized")), QStringLiteral("0"));
}

} // namespace
