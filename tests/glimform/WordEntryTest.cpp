#include "GameTestSupport.h"

#include "glimform/glimform.h"
#include "settings/Sounder.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Tiles = std::vector<std::string>;
const Tiles cat{"C", "A", "T"}, tree{"T", "R", "E", "E"}, trees{"T", "R", "E", "E", "S"};
const Tiles carts{"C", "A", "R", "T", "S"}, quit{"QU", "I", "T"};

class WordEntry : public ::testing::Test {
protected:
    WordEntry()
    {
        form->StartGame(false);
        form->SuspendPlay(false);  // the test moves the game on by itself
        auto recorder = std::make_unique<RecordingOutput>();
        output = recorder.get();
        form->sounder = std::make_unique<Sounder>(std::move(recorder), [] { return 0u; });
        form->board->Fill(0);
    }

    // Enters each word in turn, spelled along the bottom row.
    void Enter(std::initializer_list<Tiles> words)
    {
        for (const Tiles& tiles : words) {
            form->board->Fill(0);
            game.PlaceAndSelectWord(tiles);
            ASSERT_TRUE(form->enterButton->isEnabled());
            output->played.clear();
            form->EnterWord();
        }
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
    TGlimmerForm* form = game.form;
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
    game.PlaceAndSelectWord(cat);
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
    Enter({cat});
    EXPECT_EQ(form->score, 12u);
    EXPECT_EQ(form->valueLabel->text(), QStringLiteral("12"));
    EXPECT_EQ(form->wordInProgress->text(), QStringLiteral("cat (12)"));
    EXPECT_FALSE(form->enterButton->isEnabled());
    EXPECT_FALSE(form->clearButton->isEnabled());
    EXPECT_FALSE(form->board->Cell(0, 0)->IsOccupied());
    EXPECT_TRUE(form->board->Selection().empty());
}

// A life for every multiple of 2000 crossed, which wins over the word's sound; 48 is a high
// word and 36 a low one.
TEST_F(WordEntry, ScoresLivesAndSoundsOfAWord)
{
    struct Case {
        Tiles tiles;
        std::uint32_t before, after, livesGained;
        const char* sound;
    };
    const Case cases[] = {
        {{"E", "V", "E"}, 1990, 2010, 1, "NewLife"},
        {{"QU", "A", "R", "T", "E", "T", "T", "E", "S"}, 1900, 4204, 2, "NewLife"},
        {carts, 0, 48, 0, "HighWord"},
        {quit, 48, 84, 0, "LowWord"},
    };
    for (const Case& c : cases) {
        form->SetScore(c.before);
        const std::uint32_t lives = form->lives;
        Enter({c.tiles});
        EXPECT_EQ(form->score, c.after) << c.sound;
        EXPECT_EQ(form->lives, lives + c.livesGained) << c.after;
        EXPECT_TRUE(LastSound() == QString::fromLatin1(c.sound)) << c.after;
    }
}

TEST_F(WordEntry, TheScoreStopsAtTheLargestUnsignedValueInsteadOfWrapping)
{
    form->SetScore(UINT32_MAX - 5);
    const std::uint32_t livesBefore = form->lives;
    Enter({cat});
    EXPECT_EQ(form->score, UINT32_MAX);
    EXPECT_EQ(form->lives, livesBefore) << "no 2000 mark lies between the two";
}

TEST_F(WordEntry, BestWordsRankByValueNewestFirstAndKeepOneRowPerWord)
{
    Enter({cat, tree, cat});
    EXPECT_EQ(BestWords(), (QStringList{"tree (16)", "cat (12)"}));
    EXPECT_EQ(form->bestWordList->currentRow(), 1) << "the word entered again is selected, not added";
    EXPECT_EQ(form->bestValues, (std::vector<std::uint32_t>{16, 12}));

    form->SetScore(0);
    Enter({quit, carts});
    EXPECT_EQ(BestWords().first(), QStringLiteral("carts (48)"));
    EXPECT_EQ(form->BestWordText(), QStringLiteral("carts (48)"));
}

TEST_F(WordEntry, AFullListTakesOnlyWordsThatRankAndDropsItsLastRow)
{
    // Exactly three visible rows.
    const int frame = form->bestWordList->height() - form->bestWordList->viewport()->height();
    form->bestWordList->setFixedHeight(3 * 23 + frame);
    Enter({carts, quit, tree});
    ASSERT_EQ(form->bestWordList->count(), 3);
    Enter({cat});  // 12 ranks last in a full list
    EXPECT_EQ(form->bestWordList->count(), 3);
    EXPECT_EQ(form->bestWordList->currentRow(), -1);
    EXPECT_TRUE(form->bestWordList->selectedItems().isEmpty());
    Enter({trees});  // 32 pushes the last row out
    EXPECT_EQ(BestWords(), (QStringList{"carts (48)", "quit (36)", "trees (32)"}));
    EXPECT_EQ(form->bestValues, (std::vector<std::uint32_t>{48, 36, 32}));
}

TEST_F(WordEntry, ShrinkingTheWindowDropsBestWordsThatDoNotComeBack)
{
    Enter({carts, quit, tree});
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
