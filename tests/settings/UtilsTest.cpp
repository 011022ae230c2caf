#include "settings/Utils.h"

#include "platform/HelpContext.h"

#include "tests/settings/SettingsTestUtil.h"

#include <QWidget>

// The dictionary named in the settings is found beside the program whatever its letter case.
TEST(FileNameIgnoringCase, PrefersTheExactNameThenTheFirstByName)
{
    QTemporaryDir folder;
    for (const char* name : {"Words.tsd", "words.tsd", "Other.TSD"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    const std::pair<const char*, const char*> cases[] = {
        {"words.tsd", "words.tsd"}, {"WORDS.TSD", "Words.tsd"}, {"other.tsd", "Other.TSD"}, {"none.tsd", "none.tsd"}};
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(FileNameIgnoringCase(folder.path(), QString::fromLatin1(name)), QString::fromLatin1(expected)) << name;
}

// The pause and quit questions: centred over the game's window, titled by their kind; Help shows
// its topic and keeps the box open (taken as No, it would end a game); the button pressed answers.
TEST(CenteredMessageDialog, CentresOverItsOwnerAndHelpIsNoAnswer)
{
    std::vector<int> opened;
    SetHelpContextHandler([&opened](int context) { opened.push_back(context); });
    QWidget owner;
    owner.setGeometry(100, 200, 601, 401);
    owner.show();
    QPoint expected;
    QPoint actual;
    QString title;
    bool openAfterHelp = false;
    AnswerNextMessageBox(QMessageBox::No, [&](QMessageBox& box) {
        expected = QPoint(owner.x() + (owner.width() - box.width()) / 2, owner.y() + (owner.height() - box.height()) / 2);
        actual = box.pos();
        title = box.windowTitle();
        box.button(QMessageBox::Help)->click();
        QCoreApplication::processEvents();
        openAfterHelp = box.isVisible();
    });
    const auto answer = CenteredMessageDialog(&owner, QStringLiteral("Quit?"), QMessageBox::Question,
                                              QMessageBox::Yes | QMessageBox::No, 50);
    SetHelpContextHandler({});
    EXPECT_EQ(answer, QMessageBox::No);
    EXPECT_TRUE(openAfterHelp);
    EXPECT_EQ(opened, std::vector<int>{50});
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(title, QStringLiteral("Confirm"));
}
