#include "platform/RegistryFileFormat.h"
#include "platform/UserRegistry.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString gameKey = QStringLiteral("\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0");

QSettings::SettingsMap Read(QByteArray text)
{
    QBuffer buffer(&text);
    QSettings::SettingsMap map;
    EXPECT_TRUE(buffer.open(QIODevice::ReadOnly) && ReadRegistryFile(buffer, map));
    return map;
}

QByteArray Write(const QSettings::SettingsMap& map)
{
    QByteArray text;
    QBuffer buffer(&text);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && WriteRegistryFile(buffer, map));
    return text;
}

void PutFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    // Dated two seconds back: an empty lock that old was left by a copy that crashed.
    file.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime);
}

} // namespace

// Each line of a hand-edited file: a good one gives its value with its type; a bad one gives no
// value but is written back unchanged, so a save never loses what was typed. Awkward names and
// texts, default values and subkeys come back from a write as they were.
TEST(RegistryFileFormat, GoodLinesGiveTypedValuesBadLinesAndAwkwardNamesSurviveAWrite)
{
    const std::pair<const char*, QVariant> lines[] = {  // no value: a bad line
        {"\"Nickname\"=\"Ann \\\"the\\\" \\\\ great\\t\"", QStringLiteral("Ann \"the\" \\ great\t")},
        {"\"HowToPlay\"=dword:00000001", 1}, {"\"Width\"=dword:0000009a", 154}, {"\"Minus\"=dword:FFFFFFFF", -1},
        {"@=\"the default\"", QStringLiteral("the default")}, {"\"Broken=\"no closing quote", {}},
        {"\"\"=\"empty name\"", {}}, {"\"Escape\"=\"\\q\"", {}}, {"\"Tail\"=\"x\" y", {}},
        {"\"Long\"=dword:123456789", {}}, {"\"Bin\"=hex:01,02", {}}, {"\"NoValue\"=", {}}};
    QByteArray text = "stray text before any key\n[" + gameKey.toUtf8() + "]\r\n";
    for (const auto& [line, value] : lines)
        text += QByteArray(line) + "\r\n";
    auto map = Read(text);
    const QByteArray written = Write(map);
    EXPECT_TRUE(written.contains("stray text before any key\n"));
    for (const auto& [line, value] : lines) {
        const QString name = line[0] == '@' ? QString() : QString::fromUtf8(line).section(u'"', 1, 1);
        if (value.isValid())
            EXPECT_EQ(map.value(RegistryValueKey(gameKey, name)), value) << line;
        else
            EXPECT_TRUE(written.contains(QByteArray(line) + '\n')) << line;
    }
    EXPECT_EQ(Read(written), map);
    map.insert(RegistryValueKey(gameKey, QStringLiteral("a/b\\c@d%e\tf\"g\nh%41")), QStringLiteral("1\n2\r\t\"x\"\\"));
    map.insert(RegistryValueKey(gameKey, QStringLiteral("@")), QStringLiteral("named at"));
    map.insert(RegistryValueKey(gameKey + QStringLiteral("\\Sub%7e"), QStringLiteral("Column")), -70);
    const QByteArray again = Write(map);
    EXPECT_TRUE(again.contains("\n[" + gameKey.toUtf8() + "\\Sub%7e]\n\"Column\"=dword:ffffffba\n")) << again.data();
    EXPECT_EQ(Read(again), map);
}

// A copy that crashed can leave a file cut off mid-line and an empty lock; reading neither fails
// nor rewrites the file, and a save still goes through, keeping what another running copy saved
// meanwhile. Names ignore case and keep their first spelling; a value read as the other type
// gives the neutral value.
TEST(UserRegistry, ASaveGoesThroughACrashedCopysLeftoversAndKeepsAnotherCopysValues)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("user.reg"));
    const auto saved = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    UserRegistry::SetFilePath(path);
    const QByteArray text = "[" + gameKey.toUtf8() + "]\ngarbage ]]] line\n\"Nickname\"=\"kept\"\n\"Dictionary\"=\"Fr";
    PutFile(path, text);
    EXPECT_EQ(RegistryKey::Open(gameKey.toUpper())->String(QStringLiteral("NICKNAME")), QStringLiteral("kept"));
    const auto key = RegistryKey::Create(gameKey);
    EXPECT_EQ(key->Type(QStringLiteral("Dictionary")), RegistryValueType::Absent);
    key->SetString(QStringLiteral("nickname"), QStringLiteral("Zoë"));
    key->SetInteger(QStringLiteral("Width"), -70);
    QThread::msleep(20);
    EXPECT_EQ(saved(), text);
    PutFile(path, text + "\n[" + gameKey.toUtf8() + "]\n\"HOWTOPLAY\"=dword:00000000\n");
    PutFile(path + QStringLiteral(".lock"), {});
    ASSERT_TRUE(key->Flush());
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".lock")));
    const auto after = RegistryKey::Open(gameKey);
    EXPECT_EQ(after->Type(QStringLiteral("HowToPlay")), RegistryValueType::Integer);
    EXPECT_EQ(after->String(QStringLiteral("Nickname")), QStringLiteral("Zoë"));
    EXPECT_EQ(after->Integer(QStringLiteral("Width")), -70);
    EXPECT_EQ(after->Integer(QStringLiteral("Nickname")), 0);
    EXPECT_EQ(after->String(QStringLiteral("Width")), QString());
    EXPECT_TRUE(saved().contains("\ngarbage ]]] line\n")) << saved().data();
    EXPECT_TRUE(saved().contains("\n\"Nickname\"=\"Zo\xc3\xab\"\n")) << saved().data();
    EXPECT_EQ(RegistryKey::Open(QStringLiteral("\\Software\\Other")), nullptr);
    UserRegistry::SetFilePath({});
}
