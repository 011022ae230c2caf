// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTestSupport.h"
#include "platform/SoundOutput.h"
#include "platform/UserRegistry.h"
#include "settings/DailyResults.h"
#include "settings/DictionaryName.h"
#include "settings/OnScreen.h"
#include "settings/Persist.h"
#include "settings/PlayerOptions.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

// Points the per-user registry at a file in a fresh temporary folder for one test.
struct Settings : ::testing::Test {
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

using Values = std::vector<std::pair<const char*, QVariant>>;

// Writes the values, each as text or as a number, through one accessor.
void Store(const Values& values)
{
    Persist store(true);
    for (const auto& [name, value] : values)
        value.typeId() == QMetaType::QString ? store.writeString(QString::fromLatin1(name), value.toString())
                                             : store.writeInteger(QString::fromLatin1(name), value.toInt());
}

// Notes what the sounder asks for: "memory:" and an image's bytes, or a file's path (empty: stop).
struct RecordingOutput final : SoundOutput {
    explicit RecordingOutput(QStringList& log) : log(log) {}
    void PlayImage(const QByteArray& image) override { log += QStringLiteral("memory:") + QString::fromLatin1(image); }
    void PlayFile(const QString& path) override { log += path; }
    QStringList& log;
};

// The event's ".current" or ".default" entry of the sound scheme.
QString SchemeEntry(int event, const char* entry = ".current")
{
    return QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) + u'\\' + QString::fromLatin1(entry);
}

// Makes `path` the event's sound, first writing `bytes` there unless they are null.
QString SetCurrent(int event, const QString& path, const QByteArray& bytes = {})
{
    QFile file(path);
    EXPECT_TRUE(bytes.isNull() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
    RegistryKey::Create(SchemeEntry(event))->SetString({}, path);
    return path;
}

}  // namespace

// A first run reads nothing and creates no file, not even through a write on a read accessor; the
// options start from their defaults. Stored options are read, and saved as text or the numbers 0
// and 1. A TAB or a pasted line break in the nickname becomes a space, so score rows keep their
// columns.
TEST_F(Settings, OptionsStartFromTheirDefaultsAndAreStoredWithTheirTypesAndTheDictionaryIsFoundInAnyCase)
{
    Persist(false).writeString(QStringLiteral("Nickname"), QStringLiteral("y"));
    const PlayerOptions first;
    EXPECT_FALSE(QFile::exists(registryPath));
    EXPECT_EQ(first.GetNickname() + u' ' + first.GetDictionary(), QStringLiteral("Anonymous English"));
    EXPECT_TRUE(first.GetSelectTileSounds() && first.GetEnterWordSounds() && first.GetEndRoundSounds() &&
                first.GetHowToPlay() && !first.GetPauseInBackground());
    const Values stored = {{"Nickname", QStringLiteral("a\tb\r\nc\nd")},
                           {"Dictionary", QStringLiteral("French")},
                           {"SelectTileSounds", 0},
                           {"EnterWordSounds", 0},
                           {"EndRoundSounds", 0},
                           {"HowToPlay", 0},
                           {"PauseInBackground", 1}};
    Store(stored);
    const PlayerOptions options;
    EXPECT_EQ(options.GetNickname() + u' ' + options.GetDictionary(), QStringLiteral("a b c d French"));
    EXPECT_FALSE(options.GetSelectTileSounds() || options.GetEnterWordSounds() || options.GetEndRoundSounds() ||
                 options.GetHowToPlay() || !options.GetPauseInBackground());
    ASSERT_TRUE(QFile::remove(registryPath));
    options.SaveSettings();
    const auto key = RegistryKey::Open(QString::fromLatin1(SettingsKey));
    for (const auto& [name, value] : stored) {
        const QString entry = QString::fromLatin1(name);
        EXPECT_EQ(value.typeId() == QMetaType::QString ? QVariant(key->String(entry)) : QVariant(key->Integer(entry)),
                  entry == u"Nickname" ? QVariant(QStringLiteral("a b c d")) : value)
            << name;
    }
    // The dictionary named in the settings is found beside the program whatever its letter case
    // (the game's own tests see that), the exact name first, then the first by name. A first run
    // plays the dictionary of the desktop's first language that has one beside the program, else
    // English; a stored choice, read above, always wins.
    for (const char* name : {"Words.tsd", "words.tsd", "german.tsd", "British.tsd"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    EXPECT_EQ(
        FileNameIgnoringCase(folder.path(), "words.tsd") + u' ' + FileNameIgnoringCase(folder.path(), "WORDS.TSD"),
        QStringLiteral("words.tsd Words.tsd"));
    for (const auto& [languages, expected] : {std::pair{QStringList{"de-AT", "en-US"}, "German"},
                                              {QStringList{"fr-FR", "de"}, "German"},
                                              {QStringList{"en_GB"}, "British"},
                                              {QStringList{"dev", "es-ES"}, "English"},
                                              {QStringList{}, "English"}})
        EXPECT_EQ(DesktopDictionary(languages, folder.path()), QString::fromLatin1(expected))
            << qPrintable(languages.join(u','));
}

// Placement is stored only for a window that has been on screen, so one that never opened keeps
// what was stored. A maximised or minimised window keeps its last normal placement and stores
// whether it is maximised; a window without a state keeps only its position. The next run
// restores them.
TEST_F(Settings, APlacementIsStoredOnlyForAWindowThatWasShown)
{
    QWidget form, box;
    form.setObjectName(QStringLiteral("GlimmerForm"));
    box.setObjectName(QStringLiteral("AboutBox"));
    WindowState state = WindowState::Normal;
    const auto placements = [&](bool forWriting) {
        Persist store(forWriting);
        store.windowPlacement(&form, &state);
        store.windowPlacement(&box, nullptr);
        form.move(19, 20);
        form.resize(300, 209);
        box.move(39, 44);
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
        const auto key = RegistryKey::Open(QString::fromLatin1(SettingsKey));
        QStringList stored;
        for (const char* name : {"GlimmerFormLeft", "GlimmerFormTop", "GlimmerFormWidth", "GlimmerFormHeight",
                                 "GlimmerFormMaximized", "AboutBoxLeft", "AboutBoxTop", "AboutBoxWidth"})
            stored << key->String(QString::fromLatin1(name));
        EXPECT_EQ(stored.join(u' '),
                  QStringLiteral("19 20 300 209 %1 39 44 ").arg(other == WindowState::Maximized ? 1 : 0));
    }
    QWidget restored;
    restored.setObjectName(QStringLiteral("GlimmerForm"));
    Persist(false).windowPlacement(&restored, &state);
    EXPECT_EQ(std::pair(restored.geometry(), state), std::pair(QRect(19, 20, 300, 209), WindowState::Normal));
    // A place left on a monitor that is gone opens on this desktop's screen instead.
    Persist(true).writeString(QStringLiteral("GlimmerFormLeft"), QStringLiteral("2000"));
    Persist(false).windowPlacement(&restored, &state);
    EXPECT_TRUE(restored.screen()->availableGeometry().contains(QRect(restored.pos(), restored.size())));
}

// A saved place stays where a third of the window lies on one screen; otherwise it opens centred
// on the primary screen, as large as fits.
TEST(OnScreen, AWindowMostlyOffEveryScreenOpensCentredOnThePrimary)
{
    const QList<QRect> screens{{0, 0, 1000, 800}, {1000, 0, 600, 800}};
    const QRect primary(0, 0, 1000, 760);
    const struct {
        QRect saved, opened;
    } cases[] = {
        {{100, 100, 300, 200}, {100, 100, 300, 200}},
        {{1500, 100, 300, 300}, {1500, 100, 300, 300}},  // a third on the second screen
        {{-200, 100, 300, 300}, {-200, 100, 300, 300}},
        {{-201, 100, 300, 300}, {350, 230, 300, 300}},  // less than a third on either
        {{2000, 0, 300, 200}, {350, 280, 300, 200}},
        {{-99999, -99999, 300, 200}, {350, 280, 300, 200}},
        {{5000, 5000, 1200, 900}, {0, 0, 1000, 760}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceOnScreen(c.saved, screens, primary), c.opened) << c.saved.x() << "," << c.saved.y();
}

// Events missing from the scheme get their file beside the program as their current and default
// sound; the player's choices stand, also no sound or a file that is gone. A file of up to 1 MiB
// plays from memory; a larger or empty file, a name without a folder and a missing file play by
// path; values outside the six events play nothing. A changed choice is heard once a minute has
// passed since the last reading, also when the tick count wraps. Creating and destroying the
// sounder only stops what may be playing.
TEST_F(Settings, TheSounderPlaysEachEventsChoiceAndRegistersOnlyMissingEvents)
{
    SetCurrent(SelectTile, QString());
    SetCurrent(SelectWord, QStringLiteral("/gone/word.wav"));
    QStringList log;
    std::uint32_t now = 0xFFFFFFF0u;
    auto sounder = std::make_unique<Sounder>(std::make_unique<RecordingOutput>(log), [&now] { return now; });
    for (int event = NewLife; event < SoundEventCount; ++event)
        EXPECT_EQ(QStringList({sounder->Path(static_cast<SoundEvent>(event)),
                               RegistryKey::Open(SchemeEntry(event))->String({}),
                               RegistryKey::Open(SchemeEntry(event, ".default"))->String({})}),
                  QStringList(3, AppFilePath(SoundEventDefaultFile(event))))
            << event;
    const QByteArray limit(0x100000, 'x');
    SetCurrent(SelectTile, folder.filePath(QStringLiteral("small.wav")), "small");
    SetCurrent(SelectWord, folder.filePath(QStringLiteral("limit.wav")), limit);
    const QStringList played = {
        QStringLiteral("memory:small"),
        QStringLiteral("memory:") + QString::fromLatin1(limit),
        SetCurrent(NewLife, folder.filePath(QStringLiteral("large.wav")), QByteArray(0x100001, 'y')),
        SetCurrent(EndRound, folder.filePath(QStringLiteral("empty.wav")), ""),
        SetCurrent(HighWord, QStringLiteral("highword.wav")),
        SetCurrent(LowWord, folder.filePath(QStringLiteral("missing.wav")))};
    now = 0xFFFFFFFFu;
    sounder->play(SelectTile), sounder->play(SelectWord);
    now = 5;
    for (int event = -1; event <= SoundEventCount; ++event)
        sounder->play(static_cast<SoundEvent>(event));
    SetCurrent(LowWord, QStringLiteral("again.wav"));
    for (const std::uint32_t tick : {60005u, 60006u})
        now = tick, sounder->play(LowWord);
    sounder.reset();
    EXPECT_EQ(log, QStringList({QString(), QStringLiteral("/gone/word.wav")}) + played +
                       QStringList({played.back(), QStringLiteral("again.wav"), QString()}));
}

// The first daily game of a date counts and later ones that day count nowhere; the streak runs over
// consecutive dates up to today (or yesterday while today is unplayed), across a year's end, and
// stops at a gap. A stored row that does not read is reported once and skipped; the rest stay.
TEST_F(Settings, DailyResultsKeepTheFirstGameOfADateAndCountTheStreak)
{
    {
        DailyResults results(QStringLiteral("English"));
        for (const QDate date :
             {QDate(2025, 12, 30), QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 1, 2), QDate(2026, 1, 5)})
            EXPECT_TRUE(results.Record({date, 100, 21, QStringLiteral("jukebox"), 288, 7}));
        EXPECT_FALSE(results.Record({QDate(2026, 1, 2), 999, 1, QStringLiteral("ox"), 4, 2}))
            << "practice counts nowhere";
    }
    {
        Persist store(true, QStringLiteral("Daily Results\\English"));
        store.writeString(QStringLiteral("2026-01-03"), QStringLiteral("a lot"));
        store.writeString(QStringLiteral("yesterday"), QStringLiteral("1\t2\t3\t4\tox"));
    }
    CaptureStandardError errors;
    const DailyResults read(QStringLiteral("English"));
    EXPECT_EQ(read.All().size(), 5u);
    EXPECT_EQ(read.On(QDate(2026, 1, 2)), (DailyResult{QDate(2026, 1, 2), 100, 21, QStringLiteral("jukebox"), 288, 7}));
    const std::string report = errors.text.str();
    EXPECT_TRUE(report.find("2026-01-03, yesterday") != std::string::npos &&
                report.find("cannot be read") == report.rfind("cannot be read"))
        << report;
    const std::pair<QDate, int> streaks[] = {{QDate(2026, 1, 2), 4}, {QDate(2026, 1, 3), 4}, {QDate(2026, 1, 4), 0},
                                             {QDate(2026, 1, 5), 1}, {QDate(2026, 1, 6), 1}, {QDate(2025, 12, 31), 2}};
    for (const auto& [today, streak] : streaks)
        EXPECT_EQ(read.Streak(today), streak) << qPrintable(today.toString(Qt::ISODate));
    EXPECT_TRUE(DailyResults(QStringLiteral("British")).All().empty());
    EXPECT_EQ(DailyResultLine({QDate(2026, 12, 7), 3456, 21, QStringLiteral("jukebox"), 288, 6},
                              QStringLiteral("English"), 4),
              QStringLiteral("Glimmerquake daily 2026-12-07 English: 3,456 points, 21 words, best word 288 points "
                             "(6 letters), streak 4"));
}
