#include "settings/Utils.h"

#include "platform/HelpContext.h"

#include "tests/settings/SettingsTestUtil.h"

#include <QImage>
#include <QWidget>

TEST(AppFilePath, JoinsWithExactlyOneSeparator)
{
    EXPECT_EQ(PathInDirectory(QStringLiteral("/"), QStringLiteral("select.wav")), QStringLiteral("/select.wav"));
    EXPECT_EQ(PathInDirectory(QStringLiteral("C:\\"), QStringLiteral("select.wav")), QStringLiteral("C:\\select.wav"));
    EXPECT_EQ(PathInDirectory(QStringLiteral("/opt/game"), QStringLiteral("*.tsd")), QStringLiteral("/opt/game/*.tsd"));
    EXPECT_EQ(AppFilePath(QStringLiteral("word.wav")),
              QCoreApplication::applicationDirPath() + QStringLiteral("/word.wav"));
}

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

TEST(FontExists, FindsAnInstalledFamilyOnly)
{
    EXPECT_TRUE(FontExists(QStringLiteral("DejaVu Sans")));
    EXPECT_FALSE(FontExists(QStringLiteral("No Such Family 8d3f")));
}

namespace {

QImage Filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

} // namespace

TEST(ShrinkBitmap, AveragesEachChannelOverTheBlockRoundingDown)
{
    // 40 by 40 into 10 by 10: factor 4; the first block is half black, half white.
    QImage source = Filled(40, 40, qRgb(0, 0, 0));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if ((x + y) % 2 == 0)
                source.setPixel(x, y, qRgb(255, 255, 255));
    // A block with distinct channels: one pixel (8, 9, 10) in 16 gives 0; 16 such pixels give them back.
    source.setPixel(4, 0, qRgb(200, 100, 50));
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            source.setPixel(x, y, qRgb(8, 9, 10));
    QImage destination = Filled(10, 10, qRgb(1, 2, 3));
    ShrinkBitmap(source, destination);
    EXPECT_EQ(destination.pixel(0, 0), qRgb(127, 127, 127));
    EXPECT_EQ(destination.pixel(1, 0), qRgb(12, 6, 3));
    EXPECT_EQ(destination.pixel(1, 1), qRgb(8, 9, 10));
    EXPECT_EQ(destination.pixel(9, 9), qRgb(0, 0, 0));
}

TEST(ShrinkBitmap, IgnoresSourcePixelsBeyondTheLastWholeBlock)
{
    QImage source = Filled(41, 43, qRgb(40, 80, 120));
    for (int y = 0; y < 43; ++y)
        source.setPixel(40, y, qRgb(255, 255, 255));
    for (int x = 0; x < 41; ++x)
        source.setPixel(x, 40, qRgb(255, 255, 255));
    QImage destination = Filled(10, 10, 0);
    ShrinkBitmap(source, destination);
    EXPECT_EQ(destination.pixel(9, 9), qRgb(40, 80, 120));
    EXPECT_EQ(destination.pixel(0, 9), qRgb(40, 80, 120));
}

TEST(ShrinkBitmap, LeavesTheDestinationAloneWhenTheFactorOrFormatDoesNotFit)
{
    const struct {
        QImage source;
        QImage destination;
    } cases[] = {
        {Filled(5, 5, qRgb(9, 9, 9)), Filled(10, 10, qRgb(1, 2, 3))},   // factor 0
        {Filled(90, 90, qRgb(9, 9, 9)), Filled(10, 10, qRgb(1, 2, 3))}, // factor 9
        {Filled(40, 20, qRgb(9, 9, 9)), Filled(10, 10, qRgb(1, 2, 3))}, // too short for the height
        {Filled(40, 40, qRgb(9, 9, 9)).convertToFormat(QImage::Format_RGB32), Filled(10, 10, qRgb(1, 2, 3))},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        QImage destination = cases[i].destination;
        ShrinkBitmap(cases[i].source, destination);
        EXPECT_EQ(destination, cases[i].destination) << i;
    }
    QImage empty(0, 0, QImage::Format_RGB888);
    ShrinkBitmap(Filled(8, 8, 0), empty);
    EXPECT_TRUE(empty.isNull());
}

TEST(CenteredMessageDialog, CentresOverItsOwnerAndReturnsTheAnswer)
{
    QWidget owner;
    owner.setGeometry(100, 200, 601, 401);
    owner.show();
    QPoint expected;
    QPoint actual;
    QString title;
    bool hasQuestionIcon = false;
    AnswerNextMessageBox(QMessageBox::No, [&](QMessageBox& box) {
        expected = QPoint(owner.x() + (owner.width() - box.width()) / 2, owner.y() + (owner.height() - box.height()) / 2);
        actual = box.pos();
        title = box.windowTitle();
        hasQuestionIcon = box.icon() == QMessageBox::Question;
    });
    const auto answer = CenteredMessageDialog(&owner, QStringLiteral("Quit?"), QMessageBox::Question,
                                              QMessageBox::Yes | QMessageBox::No, 50);
    EXPECT_EQ(answer, QMessageBox::No);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(title, QStringLiteral("Confirm"));
    EXPECT_TRUE(hasQuestionIcon);
}

// Help answered as No would end a game: it must only show the topic.
TEST(CenteredMessageDialog, HelpShowsTheTopicAndKeepsTheBoxOpen)
{
    std::vector<int> opened;
    SetHelpContextHandler([&opened](int context) { opened.push_back(context); });
    QWidget owner;
    owner.show();
    bool openAfterHelp = false;
    AnswerNextMessageBox(QMessageBox::Yes, [&](QMessageBox& box) {
        box.button(QMessageBox::Help)->click();
        QCoreApplication::processEvents();
        openAfterHelp = box.isVisible();
    });
    const auto answer = CenteredMessageDialog(&owner, QStringLiteral("Pause"), QMessageBox::Information,
                                              QMessageBox::Yes | QMessageBox::No, 40);
    SetHelpContextHandler({});
    EXPECT_TRUE(openAfterHelp);
    EXPECT_EQ(opened, std::vector<int>{40});
    EXPECT_EQ(answer, QMessageBox::Yes);
}
