#include "platform/RegistryFileFormat.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QSettings::SettingsMap Read(const QByteArray& text)
{
    QByteArray bytes = text;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    EXPECT_TRUE(ReadRegistryFile(buffer, map));
    return map;
}

QByteArray Write(const QSettings::SettingsMap& map)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteRegistryFile(buffer, map));
    return bytes;
}

const QString gameKey = QStringLiteral("\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0");

} // namespace

TEST(RegistryFileFormat, ReadsTypedValuesAndDefaultValues)
{
    const auto map = Read("[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]\n"
                          "\"Nickname\"=\"Ann \\\"the\\\" \\\\ great\"\r\n"
                          "\"HowToPlay\"=dword:00000001\n"
                          "\"Minus\"=dword:ffffffff\n"
                          "[\\AppEvents\\Schemes\\Apps\\Glimmerquake Evaluation]\n"
                          "@=\"Glimmerquake Word Game\"\n");
    const QVariant nickname = map.value(RegistryValueKey(gameKey, QStringLiteral("Nickname")));
    EXPECT_EQ(nickname.typeId(), QMetaType::QString);
    EXPECT_EQ(nickname.toString(), QStringLiteral("Ann \"the\" \\ great"));
    const QVariant howToPlay = map.value(RegistryValueKey(gameKey, QStringLiteral("HowToPlay")));
    EXPECT_EQ(howToPlay.typeId(), QMetaType::Int);
    EXPECT_EQ(howToPlay.toInt(), 1);
    EXPECT_EQ(map.value(RegistryValueKey(gameKey, QStringLiteral("Minus"))).toInt(), -1);
    EXPECT_EQ(map.value(RegistryValueKey(QStringLiteral("\\AppEvents\\Schemes\\Apps\\Glimmerquake Evaluation"), {}))
                  .toString(),
              QStringLiteral("Glimmerquake Word Game"));
}

TEST(RegistryFileFormat, RoundTripKeepsTypesAndAwkwardNames)
{
    QSettings::SettingsMap map;
    const QString awkward = QStringLiteral("a/b\\c@d%e\tf\"g\nh");
    map.insert(RegistryValueKey(gameKey, awkward), QStringLiteral("line one\nline two\t\"x\"\\"));
    map.insert(RegistryValueKey(gameKey, QStringLiteral("@")), QStringLiteral("named at"));
    map.insert(RegistryValueKey(gameKey, {}), QStringLiteral("default"));
    map.insert(RegistryValueKey(gameKey, QStringLiteral("Width")), QStringLiteral("640"));
    map.insert(RegistryValueKey(gameKey, QStringLiteral("Column")), -70);
    map.insert(RegistryValueKey(gameKey + QStringLiteral("\\Sub"), QStringLiteral("x")), 2);
    const auto back = Read(Write(map));
    EXPECT_EQ(back, map);
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        EXPECT_EQ(back.value(it.key()).typeId(), it.value().typeId()) << it.key().toStdString();
}

TEST(RegistryFileFormat, UnparsableLinesKeepTheGoodValuesAndSurviveAWrite)
{
    const QByteArray text = "stray text before any key\n"
                            "[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]\n"
                            "\"Good\"=\"yes\"\n"
                            "\"Broken=\"no closing quote\n"
                            "\"Hex\"=dword:12345678901\n"
                            "\"Bin\"=hex:01,02\n"
                            "\"Also\"=dword:0000002a\n";
    const auto map = Read(text);
    EXPECT_EQ(map.value(RegistryValueKey(gameKey, QStringLiteral("Good"))).toString(), QStringLiteral("yes"));
    EXPECT_EQ(map.value(RegistryValueKey(gameKey, QStringLiteral("Also"))).toInt(), 42);
    EXPECT_FALSE(map.contains(RegistryValueKey(gameKey, QStringLiteral("Hex"))));
    const QString written = QString::fromUtf8(Write(map));
    for (const char* kept : {"stray text before any key", "\"Broken=\"no closing quote",
                             "\"Hex\"=dword:12345678901", "\"Bin\"=hex:01,02"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(kept))) << kept;
    EXPECT_EQ(Read(written.toUtf8()), map);
}
