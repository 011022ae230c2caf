#include "dialogs/options.h"

#include "DialogTestSupport.h"
#include "GameTestSupport.h"
#include "dialogs/Howto.h"
#include "dialogs/about.h"
#include "dialogs/newgame.h"
#include "glimform/glimform.h"
#include "settings/Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Options {
    bool howToPlay = true, endRound = true, enterWord = true, selectTile = true;
    QString dictionary = QStringLiteral("TestWords");
    QString nickname = QStringLiteral("Anonymous");
    friend bool operator==(const Options&, const Options&) = default;
};

// Runs Execute and lets `act` work the open dialog; `act` must close it.
int RunOptions(bool allowDictionaryChange, Options& o, std::function<void(TOptionsForm*)> act)
{
    AnswerNextModal([act](QWidget*) { act(OptionsForm); });
    return OptionsForm->Execute(allowDictionaryChange, o.howToPlay, o.endRound, o.enterWord, o.selectTile,
                                o.dictionary, o.nickname);
}

TEST(OptionsForm, ValidDictionariesAreListedByNameWithoutTheirExtension)
{
    GameFixture game;
    EXPECT_EQ(TOptionsForm::DictionaryNames(QCoreApplication::applicationDirPath()),
              (QStringList{"My.Words", "TestWords"}));
}

TEST(OptionsForm, ClearingTheNicknameDisablesOkAndOkReturnsNameAndSwitches)
{
    GameFixture game;
    Options o;
    bool disabledWhenEmpty = false;
    const int result = RunOptions(true, o, [&](TOptionsForm* form) {
        form->EndRoundSounds->setChecked(false);
        form->HowToPlay->setChecked(false);
        form->NicknameField->clear();
        disabledWhenEmpty = !form->OKBtn->isEnabled();
        QTest::keyClick(form->NicknameField, Qt::Key_B);
        EXPECT_TRUE(form->OKBtn->isEnabled());
        QTest::keyClick(form->NicknameField, Qt::Key_Return);
    });
    EXPECT_TRUE(disabledWhenEmpty);
    EXPECT_EQ(result, QDialog::Accepted);
    Options expected;
    expected.nickname = QStringLiteral("b");
    expected.endRound = expected.howToPlay = false;
    EXPECT_EQ(o, expected);
}

TEST(OptionsForm, AStoredNameInOtherCaseSelectsItsFileWhichTheGameLoads)
{
    GameFixture game;
    Options o;
    o.dictionary = QStringLiteral("my.words");
    QString shown;
    RunOptions(true, o, [&](TOptionsForm* form) {
        shown = form->DictionaryList->currentText();
        form->OKBtn->click();
    });
    EXPECT_EQ(shown, QStringLiteral("My.Words"));
    EXPECT_EQ(o.dictionary, QStringLiteral("My.Words"));

    game.windows.reset();
    Store({{QStringLiteral("Dictionary"), QStringLiteral("my.words")}});
    game.windows = std::make_unique<GameWindows>();
    GlimmerForm->StartGame(false);
    EXPECT_EQ(GlimmerForm->words.FileName(), AppFilePath(QStringLiteral("My.Words.tsd")).toStdString());
    EXPECT_GT(GlimmerForm->words.LoadedCount(), 0u);
    EXPECT_EQ(NewGameForm->GetDictionary(), QStringLiteral("my.words")) << "the setting keeps its text";
}

TEST(OptionsForm, CancelAfterChangingEveryFieldChangesNothing)
{
    GameFixture game;
    Options o;
    const Options before = o;
    RunOptions(true, o, [](TOptionsForm* form) {
        form->NicknameField->setText(QStringLiteral("Zed"));
        form->DictionaryList->setCurrentText(QStringLiteral("My.Words"));
        for (QCheckBox* box : {form->HowToPlay, form->EndRoundSounds, form->EnterWordSounds, form->SelectTileSounds})
            box->setChecked(false);
        form->CancelBtn->click();
    });
    EXPECT_EQ(o, before);
}

TEST(OptionsForm, DuringAGameTheDictionaryCannotChangeEvenWithoutAMatchingFile)
{
    GameFixture game;
    Options o;
    o.dictionary = QStringLiteral("Gone");
    bool listEnabled = true;
    RunOptions(false, o, [&](TOptionsForm* form) {
        listEnabled = form->DictionaryList->isEnabled();
        form->OKBtn->click();
    });
    EXPECT_FALSE(listEnabled);
    EXPECT_EQ(o.dictionary, QStringLiteral("Gone"));
}

TEST(OptionsForm, PositionIsRestoredAndStoredWithoutSize)
{
    struct Form {
        const char* name;
        std::function<QWidget*()> window;
    };
    const Form forms[] = {{"OptionsForm", [] { return static_cast<QWidget*>(OptionsForm); }},
                          {"AboutBox", [] { return static_cast<QWidget*>(AboutBox); }},
                          {"HowToPlay", [] { return static_cast<QWidget*>(HowToPlay); }}};
    GameFixture game;
    for (const Form& f : forms) {
        const QString name = QString::fromLatin1(f.name);
        game.windows.reset();
        Store({{name + "Left", "123"}, {name + "Top", "45"}});
        game.windows = std::make_unique<GameWindows>();
        EXPECT_EQ(f.window()->pos(), QPoint(123, 45)) << f.name;
        f.window()->show();
        f.window()->move(200, 100);
        f.window()->hide();
        game.windows.reset();
        EXPECT_EQ(Stored(name + "Left"), QStringLiteral("200")) << f.name;
        EXPECT_EQ(Stored(name + "Width"), QStringLiteral("<absent>")) << f.name;
        EXPECT_EQ(Stored(name + "Maximized"), QStringLiteral("<absent>")) << f.name;
        game.windows = std::make_unique<GameWindows>();
    }
}

} // namespace
