#include "GameTestSupport.h"

#include "glimform/glimform.h"

#include <gtest/gtest.h>

TEST(MainWindowPlacement, SizeAndPlaceSurviveARestartAndSetTheMinimum)
{
    GameFixture game;
    game.form->setGeometry(120, 90, 1000, 800);
    const QSize size = game.form->size();
    const QPoint place = game.form->pos();
    game.windows.reset();

    game.windows = std::make_unique<GameWindows>();
    TGlimmerForm* form = game.windows->glimmerForm.get();
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(form->pos(), place);
    EXPECT_EQ(form->minimumSize(), QSize(form->frameGeometry().width() / 2, form->frameGeometry().height() / 2));
}
