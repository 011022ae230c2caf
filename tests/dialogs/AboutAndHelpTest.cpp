#include "dialogs/about.h"
#include "dialogs/help.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "dialogs/Howto.h"

#include "DialogTestSupport.h"
#include "GameTestSupport.h"
#include "glimform/glimform.h"
#include "platform/HelpContext.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

THelpWindow* Help(const GameFixture& game)
{
    return game.windows->helpService->Window();
}

QString ShownTopic(const GameFixture& game)
{
    return Help(game) != nullptr ? Help(game)->Browser->source().toString() : QString();
}

// A click delivered through the window system, which drops input to windows a modal dialog blocks.
void ClickThroughWindow(QWidget* widget)
{
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(widget->window(), widget->rect().center()));
}

TEST(About, TheMailLinkComposesASupportRequestToTheShownAddress)
{
    GameFixture game;
    UrlRecorder links({QStringLiteral("mailto"), QStringLiteral("https")});
    TAboutBox box(QStringLiteral("help@glimmerquake.test"), QStringLiteral("https://glimmerquake.test/"));
    box.show();
    QTest::mouseClick(box.MailSupportLink, Qt::LeftButton);
    QTest::mouseClick(box.HomePageLink, Qt::LeftButton);
    ASSERT_EQ(links.opened.size(), 2u);
    const QUrl mail = links.opened[0];
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(), QStringLiteral("help@glimmerquake.test"));
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Glimmerquake Support Request"));
    EXPECT_EQ(links.opened[1], QUrl(QStringLiteral("https://glimmerquake.test/")));
}

TEST(About, LinksIgnoreSendersThatAreNoEditFieldsAndLinesWithoutAnAddress)
{
    GameFixture game;
    UrlRecorder links({QStringLiteral("mailto"), QStringLiteral("https"), QStringLiteral("file")});
    OpenMailLink(AboutBox->OKButton);
    OpenLink(AboutBox);
    OpenLink(nullptr);
    // Without addresses the lines are left out, and activating them anyway opens nothing.
    TAboutBox box{QString(), QString()};
    box.show();
    EXPECT_FALSE(box.MailSupportLink->isVisible());
    EXPECT_FALSE(box.HomePageLink->isVisible());
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->buddy() == nullptr || !label->isVisible()) << qPrintable(label->text());
    }
    OpenMailLink(box.MailSupportLink);
    OpenLink(box.HomePageLink);
    EXPECT_TRUE(links.opened.empty());
}

TEST(About, EnterAndEscBothCloseTheBoxWithOk)
{
    GameFixture game;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        AnswerNextModal([key](QWidget* box) { QTest::keyClick(box, key); });
        EXPECT_EQ(AboutBox->exec(), QDialog::Accepted) << key;
    }
}

TEST(Help, EachContextNumberOpensItsTopic)
{
    GameFixture game;
    const std::pair<int, const char*> topics[] = {
        {10, "High Scores and Starting a Game"}, {20, "The Game Window"}, {30, "Options"},
        {40, "Pausing a Game"}, {50, "Ending a Game"}, {70, "About Glimmerquake"},
        {120, "How To Play"}, {99, "Glimmerquake Help"},
    };
    for (const auto& [context, title] : topics) {
        OpenHelpContext(context);
        ASSERT_NE(Help(game), nullptr);
        EXPECT_EQ(ShownTopic(game), THelpWindow::TopicFor(context)) << context;
        EXPECT_EQ(Help(game)->Browser->documentTitle(), QString::fromLatin1(title)) << context;
        EXPECT_TRUE(Help(game)->isVisible());
    }
}

TEST(Help, HelpButtonsAndF1OpenTheirWindowsTopics)
{
    GameFixture game;
    NewGameForm->helpButton->click();
    EXPECT_EQ(ShownTopic(game), THelpWindow::TopicFor(10));
    OptionsForm->helpButton->click();
    EXPECT_EQ(ShownTopic(game), THelpWindow::TopicFor(30));
    HowToPlay->HelpButton->click();
    EXPECT_EQ(ShownTopic(game), THelpWindow::TopicFor(120));

    const std::pair<QWidget*, int> windows[] = {
        {game.form, 20}, {NewGameForm, 10}, {OptionsForm, 30}, {AboutBox, 70}, {HowToPlay, 120}};
    for (const auto& [window, context] : windows) {
        Help(game)->Browser->setSource(QUrl(THelpWindow::TopicFor(0)));
        QTest::keyClick(window, Qt::Key_F1);
        EXPECT_EQ(ShownTopic(game), THelpWindow::TopicFor(context)) << window->objectName().toStdString();
    }
}

TEST(Help, TheHelpWindowCanBeScrolledAndClosedWhileThePauseQuestionWaits)
{
    GameFixture game;
    game.form->StartGame(false);
    bool opened = false;
    int scrolledBy = 0;
    bool closed = false;
    bool stillWaiting = false;
    AnswerNextModal([&](QWidget* box) {
        ClickThroughWindow(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Help));
        THelpWindow* help = Help(game);
        opened = help != nullptr && help->isVisible() && ShownTopic(game) == THelpWindow::TopicFor(40);
        if (opened) {
            help->resize(300, 160);  // too small for the whole topic
            help->Browser->setFocus();
            QScrollBar* bar = help->Browser->verticalScrollBar();
            const int top = bar->value();
            QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
            scrolledBy = bar->value() - top;
            ClickThroughWindow(help->CloseButton);
            closed = !help->isVisible();
        }
        stillWaiting = QApplication::activeModalWidget() == box && box->isVisible();
        PressMessageButton(box, QMessageBox::Yes);
    });
    game.form->pauseButtonClick();
    EXPECT_TRUE(opened);
    EXPECT_GT(scrolledBy, 0);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(stillWaiting);
    EXPECT_TRUE(game.form->IsPlaying()) << "the question was answered Yes only after help closed";
}

TEST(Help, ClosingTheMainWindowEndsTheProgramWithTheHelpWindowOpen)
{
    GameFixture game;
    QTimer::singleShot(0, game.form, [&game] {
        OpenHelpContext(20);
        game.form->ExitButtonClick();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    limit.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the program went on after its main window closed";
    EXPECT_TRUE(limit.isActive());
}

TEST(Help, TheDesktopIsGivenTheGamesNameOnceInEveryTitle)
{
    GameFixture game;
    game.form->StartGame(false);
    game.form->SuspendPlay(false);
    OpenHelpContext(20);
    HowToPlay->show();
    AboutBox->show();
    const std::pair<QWidget*, const char*> windows[] = {{game.form, "Glimmerquake (TestWords)"},
                                                        {Help(game), "Glimmerquake Help - The Game Window"},
                                                        {AboutBox, "About Glimmerquake"},
                                                        {HowToPlay, "How To Play \u2014 Glimmerquake"}};
    for (const auto& [window, title] : windows) {
        ASSERT_NE(window->windowHandle(), nullptr) << title;
        EXPECT_EQ(window->windowHandle()->title(), QString::fromUtf8(title));
    }
    HowToPlay->hide();
    AboutBox->hide();
}

TEST(Help, EveryLinkOfEveryTopicLeadsToATopic)
{
    GameFixture game;
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (int context : {0, 10, 20, 30, 40, 50, 70, 120}) {
        QFile file(QUrl(THelpWindow::TopicFor(context)).toString().replace(QStringLiteral("qrc:"), QStringLiteral(":")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << context;
        const QString html = QString::fromUtf8(file.readAll());
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target)) << target.toStdString();
        }
    }
}

} // namespace
