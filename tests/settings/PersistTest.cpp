#include "settings/Persist.h"
#include "settings/PlayerOptions.h"

#include "tests/settings/SettingsTestUtil.h"

#include <QWidget>

using PersistTest = RegistryTest;

namespace {

QString Read(const QString& name)
{
    QString value = QStringLiteral("<absent>");
    Persist(false).readString(name, value);
    return value;
}

} // namespace

// A value comes back only through the reader of its own type, a number as true when not 0. A read
// of the wrong type keeps the caller's default and is reported once, naming the value (on standard
// error while no window is open): a damaged file never ends the game.
TEST_F(PersistTest, ValuesComeBackOnlyAsTheirOwnTypeAndAWrongTypeIsReportedOnce)
{
    const std::pair<const char*, QVariant> values[] = {
        {"Nickname", QStringLiteral("Ada")}, {"ScoresColumnWidth0", -5}, {"HowToPlay", 0}, {"SelectTileSounds", -7}};
    {
        Persist store(true);
        for (const auto& [name, stored] : values) {
            if (stored.typeId() == QMetaType::QString)
                store.writeString(QString::fromLatin1(name), stored.toString());
            else
                store.writeInteger(QString::fromLatin1(name), stored.toInt());
        }
    }
    EXPECT_TRUE(RegistryText().contains(QStringLiteral("[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]\n")));
    ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty());
    const Persist store(false);
    for (const auto& [name, stored] : values) {
        SCOPED_TRACE(name);
        const bool isText = stored.typeId() == QMetaType::QString;
        QString text = QStringLiteral("default");
        int number = 12345;
        bool flag = isText || stored.toInt() == 0;
        CaptureStandardError captured;
        EXPECT_EQ(store.readString(QString::fromLatin1(name), text), isText);
        EXPECT_EQ(store.readInteger(QString::fromLatin1(name), number), !isText);
        EXPECT_EQ(store.readBool(QString::fromLatin1(name), flag), !isText);
        EXPECT_EQ(text, isText ? stored.toString() : QStringLiteral("default"));
        EXPECT_EQ(number, isText ? 12345 : stored.toInt());
        EXPECT_EQ(flag, isText || stored.toInt() != 0);
        const std::string errors = captured.Text();
        const std::string quoted = '"' + std::string(name) + '"';
        std::size_t reports = 0;
        for (auto at = errors.find(quoted); at != std::string::npos; at = errors.find(quoted, at + 1))
            ++reports;
        EXPECT_EQ(reports, isText ? 2u : 1u) << errors;
    }
}

// A first run reads nothing and creates no file, also through a write on a read accessor or a
// write accessor that writes nothing; the options start from their defaults.
TEST_F(PersistTest, AFirstRunReadsNothingCreatesNothingAndStartsFromTheDefaults)
{
    QWidget form;
    form.setObjectName(QStringLiteral("GlimmerForm"));
    form.move(10, 20);
    {
        Persist store(false);
        QString nickname = QStringLiteral("x");
        EXPECT_FALSE(store.readString(QStringLiteral("Nickname"), nickname));
        EXPECT_EQ(nickname, QStringLiteral("x"));
        WindowState state = WindowState::Minimized;
        store.windowPlacement(&form, &state);
        EXPECT_EQ(state, WindowState::Minimized);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("y"));
    }
    { Persist store(true); }
    const PlayerOptions options;
    EXPECT_EQ(options.GetNickname(), QStringLiteral("Anonymous"));
    EXPECT_EQ(options.GetDictionary(), QStringLiteral("English"));
    EXPECT_TRUE(options.GetSelectTileSounds() && options.GetEnterWordSounds() && options.GetEndRoundSounds());
    EXPECT_TRUE(options.GetHowToPlay());
    EXPECT_EQ(form.pos(), QPoint(10, 20));
    EXPECT_FALSE(QFile::exists(registryPath));
}

// The options are stored as text or as the numbers 0 and 1 and come back in the next run; a store
// holding only some keeps the defaults for the rest. A TAB in the nickname becomes a space, so
// score rows keep their columns.
TEST_F(PersistTest, OptionsAreStoredWithTheirTypesAndComeBackInTheNextRun)
{
    {
        Persist store(true);
        store.writeInteger(QStringLiteral("EndRoundSounds"), 0);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("c\td"));
    }
    PlayerOptions options;
    EXPECT_FALSE(options.GetEndRoundSounds());
    EXPECT_EQ(options.GetNickname(), QStringLiteral("c d"));
    EXPECT_TRUE(options.GetSelectTileSounds() && options.GetEnterWordSounds() && options.GetHowToPlay());
    options.SetNickname(QStringLiteral("a\tb"));
    options.SetDictionary(QStringLiteral("French"));
    options.SetSelectTileSounds(false);
    options.SetEnterWordSounds(false);
    options.SetEndRoundSounds(true);
    options.SetHowToPlay(false);
    options.SaveSettings();
    const std::pair<const char*, QVariant> stored[] = {
        {"Nickname", QStringLiteral("a b")}, {"Dictionary", QStringLiteral("French")}, {"SelectTileSounds", 0},
        {"EnterWordSounds", 0},             {"EndRoundSounds", 1},                    {"HowToPlay", 0}};
    const auto key = RegistryKey::Open(QString::fromLatin1(SettingsKey));
    ASSERT_NE(key, nullptr);
    for (const auto& [name, value] : stored) {
        const QString valueName = QString::fromLatin1(name);
        const bool isText = value.typeId() == QMetaType::QString;
        EXPECT_EQ(key->Type(valueName), isText ? RegistryValueType::String : RegistryValueType::Integer) << name;
        EXPECT_EQ(isText ? QVariant(key->String(valueName)) : QVariant(key->Integer(valueName)), value) << name;
    }
    const PlayerOptions next;
    EXPECT_EQ(next.GetNickname(), QStringLiteral("a b"));
    EXPECT_EQ(next.GetDictionary(), QStringLiteral("French"));
    EXPECT_FALSE(next.GetSelectTileSounds() || next.GetEnterWordSounds() || next.GetHowToPlay());
    EXPECT_TRUE(next.GetEndRoundSounds());
}

// A stored placement is used only with both Left and Top, the size only with both Width and
// Height; only a Maximized that reads as exactly 1 maximises.
TEST_F(PersistTest, APlacementIsRestoredOnlyWithBothLeftAndTop)
{
    const QRect designed(70, 80, 200, 100);
    const struct {
        const char* values[5];  // Left, Top, Width, Height, Maximized; nullptr when not stored
        QRect geometry;
        WindowState state;
    } cases[] = {
        {{"-30", "+40", "500", "300 px", " 1x"}, {-30, 40, 500, 300}, WindowState::Maximized},
        {{"5", "6", "500", nullptr, "01"}, {5, 6, 200, 100}, WindowState::Maximized},
        {{"5", "6", nullptr, "300", "2"}, {5, 6, 200, 100}, WindowState::Normal},
        {{"5", "6", "1", "1", "-1"}, {5, 6, 1, 1}, WindowState::Normal},
        {{"5", "6", nullptr, nullptr, nullptr}, {5, 6, 200, 100}, WindowState::Normal},
        {{"5", nullptr, "500", "300", "1"}, designed, WindowState::Minimized},
        {{nullptr, "6", "500", "300", "1"}, designed, WindowState::Minimized},
    };
    const char* const suffixes[] = {"Left", "Top", "Width", "Height", "Maximized"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const QString prefix = QStringLiteral("Form%1").arg(i);
        {
            Persist store(true);
            for (std::size_t v = 0; v < 5; ++v)
                if (cases[i].values[v] != nullptr)
                    store.writeString(prefix + QString::fromLatin1(suffixes[v]), QString::fromLatin1(cases[i].values[v]));
        }
        QWidget form;
        form.setObjectName(prefix);
        form.setGeometry(designed);
        WindowState state = WindowState::Minimized;
        Persist(false).windowPlacement(&form, &state);
        EXPECT_EQ(form.geometry(), cases[i].geometry);
        EXPECT_EQ(state, cases[i].state);
    }
}

TEST(ParsePlacementNumber, SkipsSpaceTakesASignAndStopsAtTheFirstOtherCharacter)
{
    const std::pair<const char*, int> cases[] = {
        {"123", 123}, {"  -45px", -45}, {"+7", 7}, {"abc", 0}, {"", 0}, {"- 3", 0}, {"12 34", 12},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}, {"99999999999999999999", 2147483647},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParsePlacementNumber(QString::fromLatin1(text)), expected) << '"' << text << '"';
}

// Placement is stored only for a window that has been on screen, so one that never opened keeps
// what was stored. A maximised or minimised window keeps its last normal placement and stores
// whether it is maximised; a window stored without a state keeps only its position.
TEST_F(PersistTest, APlacementIsStoredOnlyForAWindowThatWasShown)
{
    QWidget form;
    QWidget box;
    form.setObjectName(QStringLiteral("GlimmerForm"));
    box.setObjectName(QStringLiteral("AboutBox"));
    WindowState state = WindowState::Normal;
    Persist(false).windowPlacement(&form, &state);
    Persist(false).windowPlacement(&box, nullptr);
    const auto store = [&] {
        Persist writer(true);
        writer.windowPlacement(&form, &state);
        writer.windowPlacement(&box, nullptr);
    };
    form.setGeometry(10, 20, 300, 200);
    box.move(33, 44);
    store();
    EXPECT_FALSE(QFile::exists(registryPath)) << "windows never shown have no place of their own";
    for (QWidget* window : {&form, &box}) {
        window->show();
        window->hide();
    }
    form.move(10, 20);
    form.resize(300, 200);
    box.move(33, 44);
    store();
    form.setGeometry(0, 0, 1000, 800);
    for (const WindowState other : {WindowState::Maximized, WindowState::Minimized}) {
        state = other;
        store();
        const std::pair<const char*, const char*> stored[] = {
            {"GlimmerFormLeft", "10"},  {"GlimmerFormTop", "20"},    {"GlimmerFormWidth", "300"},
            {"GlimmerFormHeight", "200"}, {"GlimmerFormMaximized", other == WindowState::Maximized ? "1" : "0"},
            {"AboutBoxLeft", "33"},      {"AboutBoxTop", "44"},       {"AboutBoxWidth", "<absent>"},
            {"AboutBoxMaximized", "<absent>"}};
        for (const auto& [name, value] : stored)
            EXPECT_EQ(Read(QString::fromLatin1(name)), QString::fromLatin1(value)) << name;
    }
    QWidget restored;
    restored.setObjectName(QStringLiteral("AboutBox"));
    restored.resize(120, 90);
    Persist(false).windowPlacement(&restored, nullptr);
    EXPECT_EQ(restored.geometry(), QRect(33, 44, 120, 90));
}

// With a window open, a wrong type is reported in one message box naming the value.
TEST_F(PersistTest, AWrongTypeIsReportedInAMessageBoxWhenAWindowIsOpen)
{
    Persist(true).writeString(QStringLiteral("ScoresColumnWidth1"), QStringLiteral("Ada\t500"));
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

// A save the system refuses is reported once, naming the values lost; play goes on.
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
