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
        GameWindows windows;
        TGlimmerForm* form = windows.glimmerForm.get();
        form->show();
        form->preplayOptionsButtonClick();
        form->aboutButtonClick();
        EXPECT_EQ(recorder.dialogTitles.size(), 2) << "the options dialog and the about box opened and closed";
        EXPECT_EQ(windows.optionsForm->findChild<QComboBox*>(QStringLiteral("DictionaryList"))->count(), 0);
        form->helpButtonClick();
        EXPECT_TRUE(windows.helpService->Window() != nullptr && windows.helpService->Window()->isVisible());
        // A first run shows How To Play before the game; its Start begins play without words.
        ASSERT_TRUE(StartPlay(form));
        EXPECT_TRUE(form->DictionaryNotice().contains(QStringLiteral("\"English.tsd\" was not found")) &&
                    form->dictionaryNoticeLabel->isVisibleTo(form)) << qPrintable(form->DictionaryNotice());
        PlayToTheEnd(form, {"C", "A", "T"});
        EXPECT_TRUE(!form->IsPlayPanelShown() && form->score == 0) << "the game runs to its end without a word";
        form->ExitButtonClick();
        EXPECT_FALSE(form->isVisible()) << "quitting closes the main window";
        EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
    }
    UserRegistry::SetFilePath(QString());
}
