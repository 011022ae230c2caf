#include "GameTestSupport.h"

#include "glimform/glimform.h"
#include "platform/UserRegistry.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

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

// The main window saves as it moves: a settings file that cannot be written is told once, in a
// box that neither blocks the game nor stops its timers.
TEST(MainWindowPlacement, ARefusedSaveDuringPlayIsToldOnceWhilePlayGoesOn)
{
    GameFixture game;
    game.form->StartGame(false);
    const QString settingsFile = UserRegistry::FilePath();
    // The settings file where its folder should be.
    UserRegistry::SetFilePath(settingsFile + QStringLiteral("/inside.reg"));
    for (int step = 1; step <= 3; ++step)
        game.form->move(game.form->pos() + QPoint(step, step));
    QStringList told;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible())
            told += box->text();
    }
    ASSERT_EQ(told.size(), 1) << told.join(u'|').toStdString();
    EXPECT_TRUE(told[0].contains(QStringLiteral("GlimmerFormLeft"))) << told[0].toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(game.form->IsPlaying());
    EXPECT_TRUE(game.form->EvolveTimer->isActive() && game.form->TumbleTimer->isActive());
    UserRegistry::SetFilePath(settingsFile);
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
