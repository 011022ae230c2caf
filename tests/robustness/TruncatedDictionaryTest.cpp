// A dictionary cut short beside the program: the game tells the player and stays usable.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "platform/UserRegistry.h"

#include <QFile>

TEST(TruncatedDictionary, TheGameReportsACutDictionaryAndStaysUsable)
{
    QFile english(QCoreApplication::applicationDirPath() + QStringLiteral("/English.tsd"));
    ASSERT_TRUE(english.open(QIODevice::ReadOnly));
    // Beside the program, where the game looks for its dictionaries; removed again below.
    QFile cut(QCoreApplication::applicationDirPath() + QStringLiteral("/Cut.tsd"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly) && cut.write(english.read(600)) == 600);
    cut.close();
    QTemporaryDir folder;
    UserRegistry::SetFilePath(folder.filePath(QStringLiteral("registry.reg")));
    ChooseDictionary(QStringLiteral("Cut"));
    {
        ModalRecorder recorder;
        GameWindows windows;
        TGlimmerForm* form = windows.glimmerForm.get();
        form->show();
        ASSERT_TRUE(StartPlay(form));
        EXPECT_TRUE(form->DictionaryNotice().contains(QStringLiteral("\"Cut.tsd\" is not a valid dictionary")))
            << qPrintable(form->DictionaryNotice());
        EXPECT_EQ(form->words.LoadedCount(), 0u);
        PlayToTheEnd(form, {"C", "A", "T"});
        EXPECT_FALSE(form->IsPlayPanelShown()) << "the game runs to its end";
        EXPECT_TRUE(form->BestWordText().isEmpty()) << "no word is accepted";
        EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
    }
    UserRegistry::SetFilePath(QString());
    cut.remove();
}
