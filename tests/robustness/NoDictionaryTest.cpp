// SPDX-License-Identifier: GPL-3.0-or-later
// The program's folder holds no dictionary at all (this suite runs from a folder of its own):
// with the settings of a first run the game says so and everything that needs no words works.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "dialogs/help.h"
#include "dialogs/options.h"
#include "platform/UserRegistry.h"

#include <QComboBox>
#include <QDir>

TEST(NoDictionary, TheNoticeShowsAndOptionsHelpHowToPlayAndQuittingStillWork)
{
    ASSERT_TRUE(QDir(QCoreApplication::applicationDirPath()).entryList({QStringLiteral("*.tsd")}).isEmpty());
    QTemporaryDir folder;
    UserRegistry::SetFilePath(folder.filePath(QStringLiteral("registry.reg")));
    {
        ModalRecorder recorder;
        GameWindows windows(std::make_unique<Sounder>());
        TGlimmerForm* form = windows.glimmerForm.get();
        GlimmerFormProbe probe(*form);
        form->show();
        probe->preplayOptionsButtonClick();
        probe->aboutButtonClick();
        EXPECT_EQ(recorder.dialogTitles.size(), 2) << "the options dialog and the about box opened and closed";
        EXPECT_EQ(windows.optionsForm->findChild<QComboBox*>(QStringLiteral("DictionaryList"))->count(), 0);
        probe->helpButtonClick();
        EXPECT_TRUE(windows.helpService->Window() != nullptr && windows.helpService->Window()->isVisible());
        // A first run shows How To Play before the game; its Start begins play without words.
        ASSERT_TRUE(StartPlay(probe));
        EXPECT_TRUE(probe->DictionaryNotice().contains(QStringLiteral("\"English.tsd\" was not found")) &&
                    probe->dictionaryNoticeLabel->isVisibleTo(form))
            << qPrintable(probe->DictionaryNotice());
        PlayToTheEnd(probe, {"C", "A", "T"});
        EXPECT_TRUE(!probe->IsPlayPanelShown() && probe->score() == 0) << "the game runs to its end without a word";
        probe->ExitButtonClick();
        EXPECT_FALSE(form->isVisible()) << "quitting closes the main window";
        EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
    }
    UserRegistry::SetFilePath(QString());
}
