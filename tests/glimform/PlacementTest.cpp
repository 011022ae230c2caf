#include "GameTestSupport.h"

#include "glimform/glimform.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

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

// A run that never opens a dialog must not store a place for it: on a first start every window
// opens in the middle of the screen, and the next run's dialogs do too.
TEST(MainWindowPlacement, WindowsNeverOpenedStillOpenInTheMiddleOfTheScreenNextRun)
{
    GameFixture game;
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    const auto expectCentred = [&](const QWidget* window, const char* name) {
        const QPoint offset = window->frameGeometry().center() - middle;
        EXPECT_LE(offset.manhattanLength(), 8) << name << " centre is off by " << offset.x() << ", " << offset.y();
    };
    expectCentred(game.form, "the main window");
    game.form->move(game.form->pos() + QPoint(7, 5));  // saves the main window and the scores dialog
    game.windows.reset();

    game.windows = std::make_unique<GameWindows>();
    TGlimmerForm* form = game.windows->glimmerForm.get();
    form->show();
    const std::pair<const char*, std::function<void()>> openings[] = {
        {"About", [form] { form->aboutButtonClick(); }},
        {"Options", [form] { form->preplayOptionsButtonClick(); }},
        {"Scores", [form] { form->ScoresButtonClick(); }},
    };
    for (const auto& [name, open] : openings) {
        AnswerNextModal([&, name = name](QWidget* dialog) {
            expectCentred(dialog, name);
            FinishDialog(dialog, false);
        });
        open();
    }
}
