#include "dialogs/Howto.h"
#include "dialogs/newgame.h"

#include "GameTestSupport.h"
#include "glimform/glimform.h"

#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QShowEvent>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

namespace {

TEST(HowToPlay, TheTileWidthShrinksInStepsOfTwoUntilTheExampleFits)
{
    // width, height of the paint box -> tile width; 0 paints nothing.
    const std::tuple<int, int, int> cases[] = {
        {185, 185, 40}, {185, 177, 40}, {185, 176, 38}, {90, 500, 20}, {185, 7, 2}, {185, 6, 0}, {5, 100, 0},
    };
    for (const auto& [width, height, tile] : cases)
        EXPECT_EQ(THowToPlay::ExampleTileWidth(width, height), tile) << width << "x" << height;
}

TEST(HowToPlay, TheExampleHasTwentyTilesAndTheChainSpellsGlimpse)
{
    GameFixture game;
    const std::vector<Chip*> cells = HowToPlay->ExampleCells();
    EXPECT_EQ(cells.size(), 20u);
    std::string word;
    std::string values;
    for (const Chip* chip : HowToPlay->ExampleChain()) {
        word += chip->Letter();
        values += std::to_string(chip->Value());
        EXPECT_TRUE(chip->IsSelected());
    }
    EXPECT_EQ(word, "GLIMPSE");
    EXPECT_EQ(values, "3223322");
    const auto marked = std::count_if(cells.begin(), cells.end(), [](const Chip* c) { return c->IsSelected(); });
    EXPECT_EQ(marked, 7);
}

TEST(HowToPlay, TheRedLineJoinsTheChainInOrder)
{
    GameFixture game;
    HowToPlay->show();
    const QImage picture = HowToPlay->ExampleArea->grab().toImage();
    HowToPlay->hide();
    const QColor red(0xFF, 0x40, 0x40);
    const auto isRed = [&](QPoint p) {
        const QColor c = picture.pixelColor(p);
        return std::abs(c.red() - red.red()) < 40 && std::abs(c.green() - red.green()) < 40 &&
               std::abs(c.blue() - red.blue()) < 40;
    };
    const int height = 4 * (40 * 866 / 1000) + 40;
    const auto onScreen = [height](const Chip* chip) {
        return QPoint(chip->Centre().x, chip->Centre().y + height);
    };
    const std::vector<Chip*> chain = HowToPlay->ExampleChain();
    ASSERT_EQ(chain.size(), 7u);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        const QPoint middle = (onScreen(chain[i]) + onScreen(chain[i + 1])) / 2;
        EXPECT_TRUE(isRed(middle)) << "between " << chain[i]->Letter() << " and " << chain[i + 1]->Letter();
    }
    // I and S touch but are not neighbours in the chain: no line between them.
    EXPECT_FALSE(isRed((onScreen(chain[2]) + onScreen(chain[5])) / 2));
}

TEST(HowToPlay, TheCheckBoxIsTickedAtEveryShowingAndUntickingThenStartTurnsTheSettingOff)
{
    GameFixture game(true);
    HowToPlay->show();
    HowToPlay->HowToPlay->setChecked(false);
    HowToPlay->hide();
    game.form->StartButtonClick();
    ASSERT_TRUE(HowToPlay->isVisible());
    EXPECT_TRUE(HowToPlay->HowToPlay->isChecked());
    HowToPlay->HowToPlay->setChecked(false);
    // The desktop restoring the window from minimised shows it again, spontaneously.
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    static_cast<QObject*>(HowToPlay)->event(&restored);
    EXPECT_FALSE(HowToPlay->HowToPlay->isChecked()) << "a restore is no new showing";
    HowToPlay->StartButton->click();
    EXPECT_FALSE(HowToPlay->isVisible());
    EXPECT_FALSE(NewGameForm->GetHowToPlay());
    EXPECT_TRUE(game.form->IsPlaying());
}

} // namespace
