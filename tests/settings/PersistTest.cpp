#include "settings/Persist.h"

#include "tests/settings/SettingsTestUtil.h"

#include <QWidget>

namespace {

class PersistTest : public RegistryTest {
protected:
    void WriteStrings(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        Persist store(true);
        for (const auto& [name, value] : values)
            store.writeString(QString::fromLatin1(name), QString::fromLatin1(value));
    }
    QString Read(const char* name)
    {
        QString value = QStringLiteral("<absent>");
        Persist(false).readString(QString::fromLatin1(name), value);
        return value;
    }
    // A window named `name` with its placement read from the store.
    WindowState Restore(QWidget& form, const char* name, WindowState state = WindowState::Normal)
    {
        form.setObjectName(QString::fromLatin1(name));
        Persist(false).windowPlacement(&form, &state);
        return state;
    }
};

} // namespace

TEST_F(PersistTest, ValuesRoundTripWithTheirTypesAndNonZeroNumbersReadAsTrue)
{
    {
        Persist store(true);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("Ada"));
        store.writeInteger(QStringLiteral("ScoresColumnWidth0"), -5);
        store.writeBool(QStringLiteral("HowToPlay"), false);
        store.writeBool(QStringLiteral("EndRoundSounds"), true);
        store.writeInteger(QStringLiteral("SelectTileSounds"), -7);
    }
    const Persist store(false);
    QString nickname;
    int width = 0;
    bool howToPlay = true, endRound = false, selectTile = false;
    EXPECT_TRUE(store.readString(QStringLiteral("Nickname"), nickname));
    EXPECT_TRUE(store.readInteger(QStringLiteral("ScoresColumnWidth0"), width));
    EXPECT_TRUE(store.readBool(QStringLiteral("HowToPlay"), howToPlay));
    EXPECT_TRUE(store.readBool(QStringLiteral("EndRoundSounds"), endRound));
    EXPECT_TRUE(store.readBool(QStringLiteral("SelectTileSounds"), selectTile));
    EXPECT_EQ(nickname, QStringLiteral("Ada"));
    EXPECT_EQ(width, -5);
    EXPECT_FALSE(howToPlay);
    EXPECT_TRUE(endRound);
    EXPECT_TRUE(selectTile);
    EXPECT_TRUE(RegistryText().contains(QStringLiteral("[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]")));
}

TEST_F(PersistTest, FirstRunReadsNothingAndCreatesNothing)
{
    QWidget form;
    form.move(10, 20);
    {
        Persist store(false);
        QString nickname = QStringLiteral("Anonymous");
        EXPECT_FALSE(store.readString(QStringLiteral("Nickname"), nickname));
        EXPECT_EQ(nickname, QStringLiteral("Anonymous"));
        // A write on a read accessor is ignored.
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("x"));
    }
    { Persist store(true); }
    EXPECT_EQ(Restore(form, "GlimmerForm", WindowState::Minimized), WindowState::Minimized);
    EXPECT_EQ(form.pos(), QPoint(10, 20));
    EXPECT_FALSE(QFile::exists(registryPath));
}

TEST_F(PersistTest, PlacementRestoresPositionSizeAndMaximizedOnlyWithBothLeftAndTop)
{
    WriteStrings({{"NewGameFormLeft", "-30"}, {"NewGameFormTop", "+40"}, {"NewGameFormWidth", "500"},
                  {"NewGameFormHeight", "300 px"}, {"NewGameFormMaximized", "1"}});
    QWidget form;
    EXPECT_EQ(Restore(form, "NewGameForm"), WindowState::Maximized);
    EXPECT_EQ(form.pos(), QPoint(-30, 40));
    EXPECT_EQ(form.size(), QSize(500, 300));
    EXPECT_TRUE(form.testAttribute(Qt::WA_Moved));

    WriteStrings({{"GlimmerFormLeft", "5"}, {"GlimmerFormWidth", "500"}, {"GlimmerFormHeight", "300"},
                  {"GlimmerFormMaximized", "1"}});
    QWidget noTop;
    noTop.setGeometry(70, 80, 200, 100);
    EXPECT_EQ(Restore(noTop, "GlimmerForm"), WindowState::Normal);
    EXPECT_EQ(noTop.geometry(), QRect(70, 80, 200, 100));
}

TEST_F(PersistTest, MaximizedParsesTolerantlyAndOnlyExactlyOneMaximizes)
{
    const std::pair<const char*, WindowState> cases[] = {
        {" 1x", WindowState::Maximized}, {"01", WindowState::Maximized}, {"2", WindowState::Normal},
        {"abc", WindowState::Normal},    {"", WindowState::Normal},      {"-1", WindowState::Normal},
    };
    QWidget form;
    for (const auto& [stored, expected] : cases) {
        WriteStrings({{"NewGameFormLeft", "1"}, {"NewGameFormTop", "2"}, {"NewGameFormMaximized", stored}});
        EXPECT_EQ(Restore(form, "NewGameForm", WindowState::Minimized), expected) << '"' << stored << '"';
    }
}

TEST(ParsePlacementNumber, SkipsSpaceTakesASignAndStopsAtTheFirstOtherCharacter)
{
    const std::pair<const char*, int> cases[] = {
        {"123", 123}, {"  -45px", -45}, {"+7", 7}, {"abc", 0}, {"", 0}, {"- 3", 0},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}, {"12 34", 12},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParsePlacementNumber(QString::fromLatin1(text)), expected) << '"' << text << '"';
}

TEST_F(PersistTest, AMaximizedWindowKeepsItsLastNormalPlacement)
{
    QWidget form;
    form.setObjectName(QStringLiteral("GlimmerForm"));
    form.show();
    form.move(10, 20);
    form.resize(300, 200);
    WindowState state = WindowState::Normal;
    Persist(true).windowPlacement(&form, &state);
    form.setGeometry(0, 0, 1000, 800);
    for (const WindowState other : {WindowState::Maximized, WindowState::Minimized}) {
        state = other;
        Persist(true).windowPlacement(&form, &state);
        EXPECT_EQ(Read("GlimmerFormLeft"), QStringLiteral("10"));
        EXPECT_EQ(Read("GlimmerFormTop"), QStringLiteral("20"));
        EXPECT_EQ(Read("GlimmerFormWidth"), QStringLiteral("300"));
        EXPECT_EQ(Read("GlimmerFormHeight"), QStringLiteral("200"));
        EXPECT_EQ(Read("GlimmerFormMaximized"), QString::number(other == WindowState::Maximized ? 1 : 0));
    }
}

TEST_F(PersistTest, WithoutAStateOnlyLeftAndTopAreWrittenAndOnlyOnceTheWindowWasShown)
{
    QWidget form;
    form.setObjectName(QStringLiteral("AboutBox"));
    Persist(false).windowPlacement(&form, nullptr);
    form.move(33, 44);
    Persist(true).windowPlacement(&form, nullptr);
    EXPECT_EQ(Read("AboutBoxLeft"), QStringLiteral("<absent>")) << "a window never shown has no place of its own";
    form.show();
    form.hide();
    form.move(33, 44);
    Persist(true).windowPlacement(&form, nullptr);
    EXPECT_EQ(Read("AboutBoxLeft"), QStringLiteral("33"));
    EXPECT_EQ(Read("AboutBoxTop"), QStringLiteral("44"));
    for (const char* absent : {"AboutBoxWidth", "AboutBoxHeight", "AboutBoxMaximized"})
        EXPECT_EQ(Read(absent), QStringLiteral("<absent>")) << absent;
    QWidget restored;
    restored.resize(120, 90);
    restored.setObjectName(QStringLiteral("AboutBox"));
    Persist(false).windowPlacement(&restored, nullptr);
    EXPECT_EQ(restored.geometry(), QRect(33, 44, 120, 90));
}

// A wrong-typed value must not end the program: it is reported once per read, the default stays.
TEST_F(PersistTest, WrongTypeIsReportedOnStandardErrorWithoutAWindow)
{
    {
        Persist store(true);
        store.writeString(QStringLiteral("HowToPlay"), QStringLiteral("yes"));
        store.writeInteger(QStringLiteral("Nickname"), 3);
    }
    ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty());
    CaptureStandardError captured;
    const Persist store(false);
    bool howToPlay = true;
    QString nickname = QStringLiteral("Anonymous");
    EXPECT_FALSE(store.readBool(QStringLiteral("HowToPlay"), howToPlay));
    EXPECT_FALSE(store.readString(QStringLiteral("Nickname"), nickname));
    EXPECT_TRUE(howToPlay);
    EXPECT_EQ(nickname, QStringLiteral("Anonymous"));
    const std::string text = captured.Text();
    EXPECT_NE(text.find("\"Nickname\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"HowToPlay\""), std::string::npos) << text;
    EXPECT_EQ(text.find("\"HowToPlay\""), text.rfind("\"HowToPlay\"")) << text;
}

TEST_F(PersistTest, WrongTypeIsReportedInAMessageBoxWhenAWindowExists)
{
    WriteStrings({{"ScoresColumnWidth1", "Ada\t500"}});
    QWidget window;
    window.show();
    QString shown;
    int boxes = 0;
    AnswerNextMessageBox(QMessageBox::Ok, [&](QMessageBox& box) {
        shown = box.text();
        ++boxes;
    });
    int width = 170;
    CaptureStandardError captured;
    EXPECT_FALSE(Persist(false).readInteger(QStringLiteral("ScoresColumnWidth1"), width));
    EXPECT_EQ(width, 170);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(shown.contains(QStringLiteral("\"ScoresColumnWidth1\""))) << shown.toStdString();
    EXPECT_EQ(captured.Text(), "");
}

TEST_F(PersistTest, ARefusedSaveIsReportedOnceNamingTheValues)
{
    // A file where the settings folder should be.
    UserRegistry::SetFilePath(folder.filePath(QStringLiteral("user.reg/inside.reg")));
    QFile blocker(folder.filePath(QStringLiteral("user.reg")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CaptureStandardError captured;
    {
        Persist store(true);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("Ada"));
        store.writeBool(QStringLiteral("HowToPlay"), false);
    }
    const std::string first = captured.Text();
    EXPECT_NE(first.find("Nickname, HowToPlay"), std::string::npos) << first;
    Persist(true).writeString(QStringLiteral("Nickname"), QStringLiteral("Bea"));
    EXPECT_EQ(captured.Text(), first) << "the same refusal again";
}
