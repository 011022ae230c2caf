// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTestSupport.h"
#include "platform/UserRegistry.h"
#include "settings/DailyResults.h"
#include "settings/DictionaryName.h"
#include "settings/OnScreen.h"
#include "settings/Persist.h"
#include "settings/PlayerOptions.h"
#include "settings/Utils.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

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
    for (const auto& [languages, expected] : {std::pair{QStringList{"fr-FR", "de-AT"}, "German"},
                                              {QStringList{"en_GB"}, "British"},
                                              {QStringList{"dev", "es-ES"}, "English"}})
        EXPECT_EQ(DesktopDictionary(languages, folder.path()), QString::fromLatin1(expected))
            << qPrintable(languages.join(u','));
}

// A saved place stays where a third of the window lies on one screen; otherwise it opens centred
// on the primary screen, as large as fits.
TEST(OnScreen, AWindowMostlyOffEveryScreenOpensCentredOnThePrimary)
{
    const QList<QRect> screens{{0, 0, 1000, 800}, {1000, 0, 600, 800}};
    const QRect primary(0, 0, 1000, 760);
    const std::pair<QRect, QRect> cases[] = {
        // saved, opened
        {{100, 100, 300, 200}, {100, 100, 300, 200}},
        {{1500, 100, 300, 300}, {1500, 100, 300, 300}},  // a third on the second screen
        {{-201, 100, 300, 300}, {350, 230, 300, 300}},  // less than a third on either
        {{5000, 5000, 1200, 900}, {0, 0, 1000, 760}},
    };
    for (const auto& [saved, opened] : cases)
        EXPECT_EQ(PlaceOnScreen(saved, screens, primary), opened) << saved.x() << "," << saved.y();
    QWidget huge;  // on this desktop, larger than its screen and off it: moved onto it and shrunk to fit
    huge.setGeometry(5000, 5000, 9000, 9000), KeepOnScreen(huge);
    EXPECT_TRUE(huge.screen()->availableGeometry().contains(huge.geometry()));
}

// Scores and places stored as text, which a hand edit may leave in any shape, read as their
// leading number: after blanks and one sign, up to the first other character, held at the
// largest value rather than wrapping round.
TEST(StoredNumbers, ReadAsTheirLeadingNumberHeldAtTheLimits)
{
    QStringList read;
    for (const char* text : {" \t42", "+7 points", "-12", "x5", "", "--3", "9223372036854775806",
                             "92233720368547758071", "-92233720368547758071"})
        read << QString::number(ParseLeadingNumber(QString::fromLatin1(text)));
    EXPECT_EQ(read.join(u' '), "42 7 -12 0 0 0 9223372036854775806 9223372036854775807 -9223372036854775807");
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
        store.writeString(QStringLiteral("2026-01-03"), QStringLiteral("1\t2\tlots\t4\tox"));
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
}
