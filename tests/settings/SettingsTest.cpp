#include "platform/SoundOutput.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"
#include "settings/PlayerOptions.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include "QtTestSupport.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

// Points the per-user registry at a file in a fresh temporary folder for one test.
class Settings : public ::testing::Test {
protected:
    void SetUp() override { UserRegistry::SetFilePath(registryPath); }
    void TearDown() override { UserRegistry::SetFilePath({}); }
    QTemporaryDir folder;
    const QString registryPath = folder.filePath(QStringLiteral("user.reg"));
};

// Collects what is written to std::cerr while it lives.
struct CaptureStandardError {
    std::ostringstream text;
    std::streambuf* previous = std::cerr.rdbuf(text.rdbuf());
    ~CaptureStandardError() { std::cerr.rdbuf(previous); }
};

QString Read(const QString& name)
{
    QString value = QStringLiteral("<absent>");
    Persist(false).readString(name, value);
    return value;
}

} // namespace

// A value comes back only through the reader of its type, a number as true when not 0. A read of
// the wrong type keeps the caller's default and is reported once naming the value, on standard
// error or, with a window open, in a message box: a damaged file never ends the game.
TEST_F(Settings, ValuesComeBackOnlyAsTheirOwnTypeAndAWrongTypeIsReportedOnce)
{
    const std::pair<const char*, QVariant> values[] = {
        {"Nickname", QStringLiteral("Ada")}, {"ScoresColumnWidth0", -5}, {"HowToPlay", 0}, {"SelectTileSounds", -7}};
    {
        Persist store(true);
        for (const auto& [name, stored] : values)
            stored.typeId() == QMetaType::QString ? store.writeString(QString::fromLatin1(name), stored.toString())
                                                  : store.writeInteger(QString::fromLatin1(name), stored.toInt());
    }
    QFile file(registryPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll().contains("\n[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]\n"));
    const Persist store(false);
    for (const auto& [name, stored] : values) {
        SCOPED_TRACE(name);
        const bool isText = stored.typeId() == QMetaType::QString;
        QString text = QStringLiteral("default");
        int number = 12345;
        bool flag = isText || stored.toInt() == 0;
        const CaptureStandardError captured;
        EXPECT_EQ(store.readString(QString::fromLatin1(name), text), isText);
        EXPECT_EQ(store.readInteger(QString::fromLatin1(name), number), !isText);
        EXPECT_EQ(store.readBool(QString::fromLatin1(name), flag), !isText);
        EXPECT_EQ(text, isText ? stored.toString() : QStringLiteral("default"));
        EXPECT_EQ(number, isText ? 12345 : stored.toInt());
        EXPECT_EQ(flag, isText || stored.toInt() != 0);
        const std::string errors = captured.text.str();
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), isText ? 2 : 1) << errors;
        EXPECT_NE(errors.find('"' + std::string(name) + '"'), std::string::npos) << errors;
    }
    QWidget window;
    window.show();
    QString shown;
    AnswerNextModal([&shown](QWidget* box) { shown = qobject_cast<QMessageBox*>(box)->text(), box->close(); });
    const CaptureStandardError captured;
    bool flag = true;
    EXPECT_FALSE(store.readBool(QStringLiteral("Nickname"), flag));
    EXPECT_TRUE(flag && shown.contains(QStringLiteral("\"Nickname\""))) << shown.toStdString();
    EXPECT_EQ(captured.text.str(), "");
}

// A save the system refuses is reported once, naming the values lost; play goes on.
TEST_F(Settings, ARefusedSaveIsReportedOnceNamingTheValues)
{
    UserRegistry::SetFilePath(registryPath + QStringLiteral("/inside.reg"));
    QFile blocker(registryPath);  // a file where the settings folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const CaptureStandardError captured;
    {
        Persist store(true);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("Ada"));
        store.writeBool(QStringLiteral("HowToPlay"), false);
    }
    const std::string first = captured.text.str();
    EXPECT_NE(first.find("Nickname, HowToPlay"), std::string::npos) << first;
    Persist(true).writeString(QStringLiteral("Nickname"), QStringLiteral("Bea"));
    EXPECT_EQ(captured.text.str(), first) << "the same refusal again";
}

// A first run reads nothing and creates no file, not even through a write on a read accessor; the
// options start from their defaults. Stored options come back as text or the numbers 0 and 1; a
// store holding only some keeps the defaults for the rest. A TAB in the nickname becomes a space,
// so score rows keep their columns.
TEST_F(Settings, OptionsStartFromTheirDefaultsAndComeBackWithTheirTypes)
{
    Persist(false).writeString(QStringLiteral("Nickname"), QStringLiteral("y"));
    PlayerOptions options;
    EXPECT_FALSE(QFile::exists(registryPath));
    EXPECT_EQ(options.GetNickname(), QStringLiteral("Anonymous"));
    EXPECT_EQ(options.GetDictionary(), QStringLiteral("English"));
    EXPECT_TRUE(options.GetSelectTileSounds() && options.GetEnterWordSounds() && options.GetEndRoundSounds());
    EXPECT_TRUE(options.GetHowToPlay());
    {
        Persist store(true);
        store.writeInteger(QStringLiteral("EndRoundSounds"), 0);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("c\td"));
    }
    options = PlayerOptions();
    EXPECT_EQ(options.GetNickname(), QStringLiteral("c d"));
    EXPECT_FALSE(options.GetEndRoundSounds());
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
    for (const auto& [name, value] : stored) {
        const QString valueName = QString::fromLatin1(name);
        EXPECT_EQ(value.typeId() == QMetaType::QString ? QVariant(key->String(valueName)) : QVariant(key->Integer(valueName)), value) << name;
    }
    const PlayerOptions next;
    EXPECT_EQ(next.GetNickname() + u' ' + next.GetDictionary(), QStringLiteral("a b French"));
    EXPECT_TRUE(!next.GetSelectTileSounds() && !next.GetEnterWordSounds() && next.GetEndRoundSounds() && !next.GetHowToPlay());
}

// A stored placement is used only with both Left and Top, the size only with both Width and
// Height; numbers are read up to the first other character; only a Maximized of 1 maximises.
TEST_F(Settings, APlacementIsRestoredOnlyWithBothLeftAndTop)
{
    const QRect designed(70, 80, 200, 100);
    const struct {
        const char* values[5];  // Left, Top, Width, Height, Maximized; nullptr when not stored
        QRect geometry;
        WindowState state;
    } cases[] = {
        {{" -39", "+40", "509", "300 px", " 1x"}, {-39, 40, 509, 300}, WindowState::Maximized},
        {{"5", "6", "500", nullptr, "01"}, {5, 6, 200, 100}, WindowState::Maximized},
        {{"5", "6", nullptr, "300", "2"}, {5, 6, 200, 100}, WindowState::Normal},
        {{"5", nullptr, "500", "300", "1"}, designed, WindowState::Minimized},
        {{nullptr, "6", "500", "300", "1"}, designed, WindowState::Minimized},
    };
    const char* const suffixes[] = {"Left", "Top", "Width", "Height", "Maximized"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        QWidget form;
        form.setObjectName(QStringLiteral("Form%1").arg(i));
        {
            Persist store(true);
            for (std::size_t v = 0; v < 5; ++v)
                if (cases[i].values[v] != nullptr)
                    store.writeString(form.objectName() + QString::fromLatin1(suffixes[v]), QString::fromLatin1(cases[i].values[v]));
        }
        form.setGeometry(designed);
        WindowState state = WindowState::Minimized;
        Persist(false).windowPlacement(&form, &state);
        EXPECT_EQ(form.geometry(), cases[i].geometry);
        EXPECT_EQ(state, cases[i].state);
    }
}

// Placement is stored only for a window that has been on screen, so one that never opened keeps
// what was stored. A maximised or minimised window keeps its last normal placement and stores
// whether it is maximised; a window without a state keeps only its position.
TEST_F(Settings, APlacementIsStoredOnlyForAWindowThatWasShown)
{
    QWidget form;
    QWidget box;
    form.setObjectName(QStringLiteral("GlimmerForm"));
    box.setObjectName(QStringLiteral("AboutBox"));
    WindowState state = WindowState::Normal;
    const auto placements = [&](bool forWriting) {
        Persist store(forWriting);
        store.windowPlacement(&form, &state);
        store.windowPlacement(&box, nullptr);
        form.move(10, 20);
        form.resize(300, 200);
        box.move(33, 44);
    };
    placements(false);
    placements(true);
    EXPECT_FALSE(QFile::exists(registryPath)) << "windows never shown have no place of their own";
    for (QWidget* window : {&form, &box})
        window->show(), window->hide();
    placements(true);
    for (const WindowState other : {WindowState::Maximized, WindowState::Minimized}) {
        form.setGeometry(0, 0, 1000, 800);
        state = other;
        placements(true);
        const std::pair<const char*, const char*> stored[] = {
            {"GlimmerFormLeft", "10"},    {"GlimmerFormTop", "20"}, {"GlimmerFormWidth", "300"},
            {"GlimmerFormHeight", "200"}, {"GlimmerFormMaximized", other == WindowState::Maximized ? "1" : "0"},
            {"AboutBoxLeft", "33"},       {"AboutBoxTop", "44"},    {"AboutBoxWidth", "<absent>"}};
        for (const auto& [name, value] : stored)
            EXPECT_EQ(Read(QString::fromLatin1(name)), QString::fromLatin1(value)) << name;
    }
    box.setGeometry(0, 0, 120, 90);
    Persist(false).windowPlacement(&box, nullptr);
    EXPECT_EQ(QRect(box.pos(), box.size()), QRect(33, 44, 120, 90));
}

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

namespace {

// What the sounder asked the output for: an image's bytes, or a file's path (empty: stop).
struct Played {
    QByteArray image;
    QString path;
};

class RecordingOutput final : public SoundOutput {
public:
    explicit RecordingOutput(std::vector<Played>& log) : log(log) {}
    void PlayImage(const QByteArray& image) override { log.push_back({image, {}}); }
    void PlayFile(const QString& path) override { log.push_back({{}, path}); }
    std::vector<Played>& log;
};

class SounderTest : public Settings {
protected:
    std::unique_ptr<Sounder> MakeSounder()
    {
        auto sounder = std::make_unique<Sounder>(std::make_unique<RecordingOutput>(log), [this] { return now; });
        log.clear();
        return sounder;
    }
    static QString Key(int event, const char* subkey)
    {
        return QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) + QString::fromLatin1(subkey);
    }
    QString SetCurrent(int event, const QString& path, const QByteArray& bytes = {})
    {
        QFile file(path);
        EXPECT_TRUE(bytes.isNull() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
        RegistryKey::Create(Key(event, "\\.current"))->SetString({}, path);
        return path;
    }

    std::uint32_t now = 1000;
    std::vector<Played> log;
};

} // namespace

// Events missing from the scheme get the file of that name beside the program as their current
// and default sound, under the key a scheme editor knows; the player's choices stand, also no sound
// or a file that is gone. Creating and destroying the sounder only stops what may be playing.
TEST_F(SounderTest, MissingEventsGetTheirDefaultSoundAndChoicesStand)
{
    SetCurrent(SelectTile, QString());
    SetCurrent(SelectWord, QStringLiteral("/gone/word.wav"));
    const std::pair<const char*, const char*> defaults[] = {
        {"\\New Life", "newlife.wav"}, {"\\End Round", "endRound.wav"}, {"\\High Word", "highword.wav"}, {"\\Low Word", "lowword.wav"}};
    auto sounder = std::make_unique<Sounder>(std::make_unique<RecordingOutput>(log), [] { return 0u; });
    EXPECT_EQ(sounder->Path(SelectTile), QString());
    EXPECT_EQ(sounder->Path(SelectWord), QStringLiteral("/gone/word.wav"));
    for (int event = NewLife; event < SoundEventCount; ++event) {
        const QString expected = AppFilePath(QString::fromLatin1(defaults[event - NewLife].second));
        const QString key = QString::fromLatin1(SoundSchemeKey) + QString::fromLatin1(defaults[event - NewLife].first);
        for (const char* subkey : {"\\.current", "\\.default"})
            EXPECT_EQ(RegistryKey::Open(key + QString::fromLatin1(subkey))->String({}), expected) << event << subkey;
        EXPECT_EQ(sounder->Path(static_cast<SoundEvent>(event)), expected);
    }
    sounder.reset();
    ASSERT_EQ(log.size(), 2u);
    for (const Played& played : log)
        EXPECT_TRUE(played.image.isNull() && played.path.isEmpty());
}

// A file of up to 1 MiB plays from memory; a larger or empty file, a name without a folder and a
// missing file play by path. No sound and values outside the six events play nothing.
TEST_F(SounderTest, EachEventPlaysItsFileFromMemoryOrByPath)
{
    const QByteArray small = "RIFF small wave";
    const QByteArray limit(0x100000, 'x');
    const std::pair<QString, QByteArray> cases[] = {  // the path, and the image played from memory
        {SetCurrent(SelectTile, folder.filePath(QStringLiteral("small.wav")), small), small},
        {SetCurrent(SelectWord, folder.filePath(QStringLiteral("limit.wav")), limit), limit},
        {SetCurrent(NewLife, folder.filePath(QStringLiteral("large.wav")), QByteArray(0x100001, 'y')), {}},
        {SetCurrent(EndRound, folder.filePath(QStringLiteral("empty.wav")), ""), {}},
        {SetCurrent(HighWord, QStringLiteral("highword.wav")), {}},
        {SetCurrent(LowWord, folder.filePath(QStringLiteral("missing.wav"))), {}}};
    auto sounder = MakeSounder();
    for (int event = 0; event < SoundEventCount; ++event)
        sounder->play(static_cast<SoundEvent>(event));
    ASSERT_EQ(log.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(log[i].image, cases[i].second) << i;
        EXPECT_EQ(log[i].path, cases[i].second.isNull() ? cases[i].first : QString()) << i;
    }
    SetCurrent(SelectTile, QString());
    sounder->refresh(false);
    for (const int event : {static_cast<int>(SelectTile), SoundEventCount, -1})
        sounder->play(static_cast<SoundEvent>(event));
    EXPECT_EQ(log.size(), std::size(cases));
}

// A changed scheme is read a minute after the last reading, also when the tick count wraps in
// between (last reading + 60000 then exceeds 32 bits).
TEST_F(SounderTest, TheSchemeIsReadAgainOnlyAfterAMinuteEvenWhenTheTickCountWraps)
{
    const struct {
        std::uint32_t start, stillOld, renewed;
    } cases[] = {{1000, 61000, 61001}, {0xFFFFFFF0u, 0xFFFFFFFFu, 5}};
    for (const auto& c : cases) {
        SetCurrent(SelectTile, folder.filePath(QStringLiteral("first.wav")), "first");
        now = c.start;
        auto sounder = MakeSounder();
        SetCurrent(SelectTile, folder.filePath(QStringLiteral("second.wav")), "second");
        for (const std::uint32_t tick : {c.stillOld, c.renewed})
            now = tick, sounder->play(SelectTile);
        ASSERT_EQ(log.size(), 2u) << c.start;
        EXPECT_EQ(log[0].image + log[1].image, QByteArray("firstsecond")) << c.start;
    }
}
