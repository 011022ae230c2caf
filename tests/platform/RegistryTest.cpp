#include "platform/RegistryFileFormat.h"
#include "platform/UserRegistry.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString gameKey = QStringLiteral("\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0");

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

} // namespace

// Each line of a hand-edited file: a good one gives its value with its type; a bad one gives no
// value but is written back unchanged, so a save never loses what the player typed.
TEST(RegistryFileFormat, GoodLinesGiveTypedValuesBadLinesSurviveAWrite)
{
    const struct {
        const char* line;
        const char* name;  // nullptr for a line that is no value
        QVariant value;
    } lines[] = {
        {"\"Nickname\"=\"Ann \\\"the\\\" \\\\ great\\t\"", "Nickname", QStringLiteral("Ann \"the\" \\ great\t")},
        {"\"HowToPlay\"=dword:00000001", "HowToPlay", 1},
        {"\"Width\"=dword:0000009a", "Width", 154},
        {"\"Minus\"=dword:FFFFFFFF", "Minus", -1},
        {"@=\"the default\"", "", QStringLiteral("the default")},
        {"\"Broken=\"no closing quote", nullptr, {}},
        {"\"\"=\"empty name\"", nullptr, {}},
        {"\"Escape\"=\"\\q\"", nullptr, {}},
        {"\"Tail\"=\"x\" y", nullptr, {}},
        {"\"Long\"=dword:123456789", nullptr, {}},
        {"\"Bin\"=hex:01,02", nullptr, {}},
        {"\"NoValue\"=", nullptr, {}},
    };
    QByteArray text = "stray text before any key\n[" + gameKey.toUtf8() + "]\r\n";
    for (const auto& l : lines)
        text += QByteArray(l.line) + "\r\n";
    const auto map = Read(text);
    const QString written = QString::fromUtf8(Write(map));
    EXPECT_TRUE(written.contains(QStringLiteral("stray text before any key\n")));
    for (const auto& l : lines) {
        SCOPED_TRACE(l.line);
        if (l.name == nullptr) {
            EXPECT_TRUE(written.contains(QString::fromUtf8(l.line) + u'\n'));
            continue;
        }
        const QVariant value = map.value(RegistryValueKey(gameKey, QString::fromUtf8(l.name)));
        EXPECT_EQ(value, l.value);
        EXPECT_EQ(value.typeId(), l.value.typeId());
    }
    EXPECT_EQ(Read(written.toUtf8()), map);
}

TEST(RegistryFileFormat, RoundTripKeepsTypesAndAwkwardNames)
{
    QSettings::SettingsMap map;
    map.insert(RegistryValueKey(gameKey, QStringLiteral("a/b\\c@d%e\tf\"g\nh%41")), QStringLiteral("one\ntwo\r\t\"x\"\\"));
    map.insert(RegistryValueKey(gameKey, QStringLiteral("@")), QStringLiteral("named at"));
    map.insert(RegistryValueKey(gameKey, {}), QStringLiteral("default"));
    map.insert(RegistryValueKey(gameKey, QStringLiteral("Width")), QStringLiteral("640"));
    map.insert(RegistryValueKey(gameKey, QStringLiteral("Column")), -70);
    map.insert(RegistryValueKey(gameKey + QStringLiteral("\\Sub%7e"), QStringLiteral("x")), 2);
    const QByteArray text = Write(map);
    EXPECT_TRUE(text.contains("\n[" + gameKey.toUtf8() + "]\n")) << text.constData();
    EXPECT_TRUE(text.contains("\n\"Column\"=dword:ffffffba\n")) << text.constData();
    const auto back = Read(text);
    EXPECT_EQ(back, map);
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        EXPECT_EQ(back.value(it.key()).typeId(), it.value().typeId()) << it.key().toStdString();
}

namespace {

class UserRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("config/user.reg"));
        UserRegistry::SetFilePath(path);
    }
    void TearDown() override { UserRegistry::SetFilePath({}); }

    QByteArray FileBytes() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void PutFile(const QString& name, const QByteArray& bytes) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir folder;
    QString path;
};

} // namespace

TEST_F(UserRegistryTest, OnlyAWriteCreatesTheFileAndValuesComeBackTypedInAnyCase)
{
    EXPECT_EQ(RegistryKey::Open(gameKey), nullptr);
    EXPECT_EQ(RegistryKey::Create(QStringLiteral("\\")), nullptr);
    {
        const auto key = RegistryKey::Create(gameKey);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->Type(QStringLiteral("Nickname")), RegistryValueType::Absent);
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(RegistryKey::Open(gameKey), nullptr);
    {
        const auto key = RegistryKey::Create(gameKey);
        key->SetString(QStringLiteral("Nickname"), QStringLiteral("Zoë"));
        key->SetInteger(QStringLiteral("ScoresColumnWidth0"), -70);
        key->SetString({}, QStringLiteral("the default value"));
        EXPECT_TRUE(key->Flush());
        key->SetString(QStringLiteral("NICKNAME"), QStringLiteral("Zed"));  // the first spelling stays
    }
    const auto key = RegistryKey::Open(gameKey.toUpper());
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Type(QStringLiteral("nickname")), RegistryValueType::String);
    EXPECT_EQ(key->String(QStringLiteral("nickname")), QStringLiteral("Zed"));
    EXPECT_TRUE(FileBytes().contains("\"Nickname\"=\"Zed\"")) << FileBytes().constData();
    EXPECT_EQ(key->Type(QStringLiteral("ScoresColumnWidth0")), RegistryValueType::Integer);
    EXPECT_EQ(key->Integer(QStringLiteral("ScoresColumnWidth0")), -70);
    EXPECT_EQ(key->String({}), QStringLiteral("the default value"));
    // A value read as the other type gives the neutral value, never a conversion.
    EXPECT_EQ(key->Integer(QStringLiteral("Nickname")), 0);
    EXPECT_EQ(key->String(QStringLiteral("ScoresColumnWidth0")), QString());
    // A parent exists through its subkeys; a sibling does not.
    EXPECT_NE(RegistryKey::Open(QStringLiteral("\\Software\\Quirkwell")), nullptr);
    EXPECT_EQ(RegistryKey::Open(QStringLiteral("\\Software\\Other")), nullptr);
}

TEST_F(UserRegistryTest, ASaveKeepsWhatAnotherRunningCopySavedMeanwhile)
{
    {
        const auto key = RegistryKey::Create(gameKey);
        key->SetString(QStringLiteral("Nickname"), QStringLiteral("first"));
    }
    const auto key = RegistryKey::Create(gameKey);
    key->SetString(QStringLiteral("Dictionary"), QStringLiteral("French"));
    // The other copy rewrites the file after this one has read it.
    QThread::msleep(20);
    PutFile(path, FileBytes() + "\n[" + gameKey.toUtf8() + "]\n\"HowToPlay\"=dword:00000000\n");
    ASSERT_TRUE(key->Flush());
    const auto after = RegistryKey::Open(gameKey);
    EXPECT_EQ(after->String(QStringLiteral("Nickname")), QStringLiteral("first"));
    EXPECT_EQ(after->String(QStringLiteral("Dictionary")), QStringLiteral("French"));
    EXPECT_EQ(after->Type(QStringLiteral("HowToPlay")), RegistryValueType::Integer);
}

// A copy that crashed can leave a file cut off mid-line and an empty lock beside it: reading
// neither fails nor rewrites the file, and the next save still goes through.
TEST_F(UserRegistryTest, AFileLeftByACrashIsReadAndSavedOver)
{
    const QByteArray text = "[" + gameKey.toUtf8() + "]\ngarbage ]]] line\n\"Nickname\"=\"kept\"\n\"Dictionary\"=\"Fr";
    PutFile(path, text);
    {
        const auto key = RegistryKey::Open(gameKey);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->String(QStringLiteral("Nickname")), QStringLiteral("kept"));
        EXPECT_EQ(key->Type(QStringLiteral("Dictionary")), RegistryValueType::Absent);
    }
    EXPECT_EQ(FileBytes(), text);
    const QString lock = path + QStringLiteral(".lock");
    PutFile(lock, {});
    QFile lockFile(lock);
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime);
    lockFile.close();
    {
        const auto key = RegistryKey::Create(gameKey);
        key->SetString(QStringLiteral("Dictionary"), QStringLiteral("French"));
        EXPECT_TRUE(key->Flush());
    }
    EXPECT_FALSE(QFile::exists(lock));
    EXPECT_EQ(RegistryKey::Open(gameKey)->String(QStringLiteral("Dictionary")), QStringLiteral("French"));
    EXPECT_TRUE(FileBytes().contains("garbage ]]] line\n"));
}
