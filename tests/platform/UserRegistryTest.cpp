#include "platform/UserRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString gameKey = QStringLiteral("\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0");

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
    void PutFile(const QByteArray& bytes) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir folder;
    QString path;
};

} // namespace

TEST_F(UserRegistryTest, NothingIsCreatedUntilAValueIsWritten)
{
    EXPECT_EQ(RegistryKey::Open(gameKey), nullptr);
    {
        const auto key = RegistryKey::Create(gameKey);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->Type(QStringLiteral("Nickname")), RegistryValueType::Absent);
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(RegistryKey::Open(gameKey), nullptr);
}

TEST_F(UserRegistryTest, FirstWriteCreatesTheFileAndValuesComeBackTypedByAnyCase)
{
    {
        const auto key = RegistryKey::Create(gameKey);
        key->SetString(QStringLiteral("Nickname"), QStringLiteral("Zoë"));
        key->SetInteger(QStringLiteral("ScoresColumnWidth0"), -70);
        key->SetString({}, QStringLiteral("the default value"));
        EXPECT_TRUE(key->Flush());
    }
    EXPECT_TRUE(QFile::exists(path));
    const auto key = RegistryKey::Open(gameKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Type(QStringLiteral("Nickname")), RegistryValueType::String);
    EXPECT_EQ(key->String(QStringLiteral("Nickname")), QStringLiteral("Zoë"));
    EXPECT_EQ(key->Type(QStringLiteral("ScoresColumnWidth0")), RegistryValueType::Integer);
    EXPECT_EQ(key->Integer(QStringLiteral("ScoresColumnWidth0")), -70);
    EXPECT_EQ(key->String({}), QStringLiteral("the default value"));
    // A value read as the other type gives the neutral value, never a conversion.
    EXPECT_EQ(key->Integer(QStringLiteral("Nickname")), 0);
    EXPECT_EQ(key->String(QStringLiteral("ScoresColumnWidth0")), QString());
    // Names are case-insensitive, as in the registry.
    const auto upper = RegistryKey::Open(gameKey.toUpper());
    ASSERT_NE(upper, nullptr);
    EXPECT_EQ(upper->String(QStringLiteral("nickname")), QStringLiteral("Zoë"));
    // A parent exists through its subkeys; a sibling does not.
    EXPECT_NE(RegistryKey::Open(QStringLiteral("\\Software\\Quirkwell")), nullptr);
    EXPECT_EQ(RegistryKey::Open(QStringLiteral("\\Software\\Other")), nullptr);
}

TEST_F(UserRegistryTest, ASaveKeepsWhatAnotherCopyOfTheGameSavedMeanwhile)
{
    {
        const auto key = RegistryKey::Create(gameKey);
        key->SetString(QStringLiteral("Nickname"), QStringLiteral("first"));
    }
    const auto key = RegistryKey::Create(gameKey);
    key->SetString(QStringLiteral("Dictionary"), QStringLiteral("French"));
    // The other copy rewrites the file after this one has read it.
    QThread::msleep(20);
    PutFile(FileBytes() + "\n[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]\n\"HowToPlay\"=dword:00000000\n");
    ASSERT_TRUE(key->Flush());
    const auto after = RegistryKey::Open(gameKey);
    EXPECT_EQ(after->String(QStringLiteral("Nickname")), QStringLiteral("first"));
    EXPECT_EQ(after->String(QStringLiteral("Dictionary")), QStringLiteral("French"));
    EXPECT_EQ(after->Type(QStringLiteral("HowToPlay")), RegistryValueType::Integer);
}

TEST_F(UserRegistryTest, ReadingAFileWithBadLinesNeitherFailsNorRewritesIt)
{
    const QByteArray text = "[\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0]\n"
                            "garbage ]]] line\n"
                            "\"Nickname\"=\"kept\"\n"
                            "\"Dictionary\"=\n";
    PutFile(text);
    {
        const auto key = RegistryKey::Open(gameKey);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->String(QStringLiteral("Nickname")), QStringLiteral("kept"));
        EXPECT_EQ(key->Type(QStringLiteral("Dictionary")), RegistryValueType::Absent);
    }
    EXPECT_EQ(FileBytes(), text);
}
