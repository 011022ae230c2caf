// SPDX-License-Identifier: GPL-3.0-or-later
// The program's folder holds no dictionary at all (this suite runs from a folder of its own):
// with the settings of a first run the game says so, starts no game that can never score, and
// everything that needs no words works.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "dialogs/help.h"
#include "dialogs/options.h"
#include "platform/UserRegistry.h"

#include <QComboBox>
#include <QDir>

TEST(NoDictionary, TheNoticeShowsAndOptionsHowToPlayAndQuittingStillWork)
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
        EXPECT_EQ(recorder.dialogTitles.size(), 1) << "the options dialog opened and closed";
        // The stored name shows as itself, not as a neighbour's.
        const auto* list = windows.optionsForm->findChild<QComboBox*>(QStringLiteral("DictionaryList"));
        EXPECT_EQ(std::pair(list->count(), list->currentText()),
                  std::pair(1, QStringLiteral("English (missing or damaged)")));
        // A first run shows How To Play; its Start says that no word can be accepted and opens the
        // options instead of a game that could never score.
        EXPECT_FALSE(StartPlay(probe));
        EXPECT_TRUE(probe->DictionaryNotice().contains(QStringLiteral("\"English.tsd\" was not found")) &&
                    probe->dictionaryNoticeLabel->isVisibleTo(form))
            << qPrintable(probe->DictionaryNotice());
        EXPECT_EQ(recorder.messages.size(), 1);
        EXPECT_TRUE(recorder.messages.value(0).startsWith(QStringLiteral("No word can be accepted")) &&
                    recorder.dialogTitles.size() == 2 && form->isEnabled() && !probe->IsPlayPanelShown());
        probe->ExitButtonClick();
        EXPECT_FALSE(form->isVisible()) << "quitting closes the main window";
    }
    UserRegistry::SetFilePath(QString());
}
