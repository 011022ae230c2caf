#include "GameTestSupport.h"

#include "glimform/glimform.h"
#include "settings/Sounder.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class WordEntry : public ::testing::Test {
protected:
    WordEntry()
    {
        form = game.form;
        form->StartGame(false);
        form->SuspendPlay(false);  // the test moves the game on by itself
        auto recorder = std::make_unique<RecordingOutput>();
        output = recorder.get();
        form->sounder = std::make_unique<Sounder>(std::move(recorder), [] { return 0u; });
        form->board->Fill(0);
    }

    // Enters a word spelled by these tiles along the bottom row.
    void Enter(const std::vector<std::string>& tiles)
    {
        form->board->Fill(0);
        game.PlaceAndSelectWord(tiles);
        ASSERT_TRUE(form->enterButton->isEnabled());
        output->played.clear();
        form->EnterWord();
    }

    QString LastSound() const { return output->played.empty() ? QString() : output->played.back(); }

    QStringList BestWords() const
    {
        QStringList rows;
        for (int i = 0; i < form->bestWordList->count(); ++i) {
            rows << form->bestWordList->item(i)->text();
        }
        return rows;
    }

    GameFixture game;
    TGlimmerForm* form = nullptr;
    RecordingOutput* output = nullptr;
};

}  // namespace

TEST_F(WordEntry, TheWordInProgressShowsTheSpellingAndValueAndSwitchesTheButtons)
{
    game.PlaceAndSelectWord({"C", "A"});
    EXPECT_EQ(form->wordInProgress->text(), QStringLiteral("CA"));
    EXPECT_FALSE(form->enterButton->isEnabled());
    EXPECT_TRUE(form->clearButton->isEnabled());
    EXPECT_TRUE(LastSound() == QStringLiteral("SelectTile"));

    form->board->Fill(0);
    form->ClearWord();
    game.PlaceAndSelectWord({"C", "A", "T"});
    EXPECT_EQ(form->wordInProgress->text(), QStringLiteral("cat (12)"));
    EXPECT_TRUE(form->enterButton->isEnabled());
    EXPECT_TRUE(LastSound() == QStringLiteral("SelectWord"));

    form->ClearWord();
    EXPECT_EQ(form->wordInProgress->text(), QString());
    EXPECT_FALSE(form->enterButton->isEnabled());
    EXPECT_FALSE(form->clearButton->isEnabled());
}

TEST_F(WordEntry, ADictionarySpellingWithATypographicApostropheShowsAsWritten)
{
    game.PlaceAndSelectWord({"D", "O", "N", "T"});
    EXPECT_EQ(form->wordInProgress->text(), QString::fromUtf8("don\u2019t (24)"));
}

TEST_F(WordEntry, EnteringKeepsTheWordShownAndEmptiesItsCells)
{
    Enter({"C", "A", "T"});
    EXPECT_EQ(form->score, 12u);
    EXPECT_EQ(form->valueLabel->text(), QStringLiteral("12"));
    EXPECT_EQ(form->wordInProgress->text(), QStringLiteral("cat (12)"));
    EXPECT_FALSE(form->enterButton->isEnabled());
    EXPECT_FALSE(form->clearButton->isEnabled());
    EXPECT_FALSE(form->board->Cell(0, 0)->IsOccupied());
    EXPECT_TRUE(form->board->Selection().empty());
}

TEST_F(WordEntry, CrossingAMultipleOf2000GivesALifePerMarkAndPlaysNewLife)
{
    form->SetScore(1990);
    Enter({"E", "V", "E"});  // 2 * 5 * 2 = 20
    EXPECT_EQ(form->score, 2010u);
    EXPECT_EQ(form->lives, 4u);
    EXPECT_TRUE(LastSound() == QStringLiteral("NewLife"));

    form->SetScore(1900);
    Enter({"QU", "A", "R", "T", "E", "T", "T", "E", "S"});  // 9 * 2^8 = 2304
    EXPECT_EQ(form->score, 4204u);
    EXPECT_EQ(form->lives, 6u);
    EXPECT_TRUE(LastSound() == QStringLiteral("NewLife")) << "a new life wins over a high word";
}

TEST_F(WordEntry, FortyEightIsAHighWordAndThirtySixALowOne)
{
    Enter({"C", "A", "R", "T", "S"});
    EXPECT_EQ(form->score, 48u);
    EXPECT_TRUE(LastSound() == QStringLiteral("HighWord"));
    Enter({"QU", "I", "T"});
    EXPECT_EQ(form->score, 84u);
    EXPECT_TRUE(LastSound() == QStringLiteral("LowWord"));
}

TEST_F(WordEntry, TheScoreStopsAtTheLargestUnsignedValueInsteadOfWrapping)
{
    form->SetScore(UINT32_MAX - 5);
    const std::uint32_t livesBefore = form->lives;
    Enter({"C", "A", "T"});
    EXPECT_EQ(form->score, UINT32_MAX);
    EXPECT_EQ(form->lives, livesBefore) << "no 2000 mark lies between the two";
}

TEST_F(WordEntry, BestWordsRankByValueNewestFirstAndKeepOneRowPerWord)
{
    Enter({"C", "A", "T"});
    Enter({"T", "R", "E", "E"});  // 16
    Enter({"C", "A", "T"});
    EXPECT_EQ(BestWords(), (QStringList{"tree (16)", "cat (12)"}));
    EXPECT_EQ(form->bestWordList->currentRow(), 1) << "the word entered again is selected, not added";
    EXPECT_EQ(form->bestValues, (std::vector<std::uint32_t>{16, 12}));

    form->SetScore(0);
    Enter({"QU", "I", "T"});  // 36
    Enter({"C", "A", "R", "T", "S"});  // 48
    EXPECT_EQ(BestWords().first(), QStringLiteral("carts (48)"));
    EXPECT_EQ(form->BestWordText(), QStringLiteral("carts (48)"));
}

TEST_F(WordEntry, AFullListTakesOnlyWordsThatRankAndDropsItsLastRow)
{
    // Shrink the list to exactly three visible rows.
    const int frame = form->bestWordList->height() - form->bestWordList->viewport()->height();
    form->bestWordList->setFixedHeight(3 * 23 + frame);
    Enter({"C", "A", "R", "T", "S"});  // 48
    Enter({"QU", "I", "T"});           // 36
    Enter({"T", "R", "E", "E"});       // 16
    ASSERT_EQ(form->bestWordList->count(), 3);
    Enter({"C", "A", "T"});  // 12 ranks last in a full list
    EXPECT_EQ(form->bestWordList->count(), 3);
    EXPECT_EQ(form->bestWordList->currentRow(), -1);
    EXPECT_TRUE(form->bestWordList->selectedItems().isEmpty());
    Enter({"T", "R", "E", "E", "S"});  // 32 pushes the last row out
    EXPECT_EQ(BestWords(), (QStringList{"carts (48)", "quit (36)", "trees (32)"}));
    EXPECT_EQ(form->bestValues, (std::vector<std::uint32_t>{48, 36, 32}));
}

TEST_F(WordEntry, ShrinkingTheWindowDropsBestWordsThatDoNotComeBack)
{
    Enter({"C", "A", "R", "T", "S"});
    Enter({"QU", "I", "T"});
    Enter({"T", "R", "E", "E"});
    ASSERT_EQ(form->bestWordList->count(), 3);
    const QSize size = form->size();
    form->resize(size.width(), form->minimumHeight());
    const int shown = form->bestWordList->viewport()->height() / 23;
    ASSERT_LT(shown, 3);
    EXPECT_EQ(form->bestWordList->count(), shown);
    EXPECT_EQ(static_cast<int>(form->bestValues.size()), shown);
    form->resize(size);
    EXPECT_EQ(form->bestWordList->count(), shown);
}
