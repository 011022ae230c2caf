// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserRegistry.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PutFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    // Dated two seconds back: an empty lock that old was left by a copy that crashed.
    file.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime);
}

}  // namespace

// A hand-edited file that a crash cut off mid-line: good lines give their values with their types,
// bad ones none, and reading neither fails nor rewrites the file. A save then goes through the
// empty lock the crashed copy left, keeps the bad lines and what another running copy saved
// meanwhile, and brings awkward names and texts back. Key and value names ignore case and keep
// their first spelling; a value read as the other type gives the neutral value.
TEST(UserRegistry, AHandEditedFileLeftByACrashIsReadAndSavedWithoutLosingAnything)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("user.reg"));
    const QString gameKey = QStringLiteral("\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0");
    UserRegistry::SetFilePath(path);
    const std::pair<const char*, QVariant> lines[] = {
        // no value: a bad line
        {"\"Nickname\"=\"Ann \\\"the\\\" \\\\ great\\t\"", QStringLiteral("Ann \"the\" \\ great\t")},
        {"\"HowToPlay\"=dword:00000001", 1},
        {"\"Width\"=dword:0000009a", 154},
        {"\"Minus\"=dword:FFFFFFFF", -1},
        {"@=\"the default\"", QStringLiteral("the default")},
        {"\"Broken=\"no closing quote", {}},
        {"\"Cut\"=\"Fr", {}},
        {"\"Hex\"=dword:0000009g", {}},
        {"\"Long\"=dword:100000000", {}},
        {"\"NoEq\" \"x\"", {}},
        {"\"Trail\"=\"x\" y", {}}};
    QByteArray text = "stray text before any key\n[" + gameKey.toUtf8() + "]\r\n";
    for (const auto& [line, value] : lines)
        text += QByteArray(line) + "\r\n";
    text.chop(2);
    PutFile(path, text);
    const auto key = RegistryKey::Open(gameKey.toUpper());
    ASSERT_NE(key, nullptr);
    for (const auto& [line, value] : lines) {
        const QString name = line[0] == '@' ? QString() : QString::fromUtf8(line).section(u'"', 1, 1);
        EXPECT_EQ(!value.isValid()                   ? value
                  : value.typeId() == QMetaType::Int ? QVariant(key->Integer(name))
                                                     : QVariant(key->String(name)),
                  value)
            << line;
    }
    EXPECT_TRUE(key->Integer(QStringLiteral("NICKNAME")) == 0 && key->String(QStringLiteral("width")).isNull());
    EXPECT_EQ(Bytes(path), text);
    const QString awkward = QStringLiteral("a/b\\c@d%e\tf\"g\nh%41");
    key->SetString(awkward, QStringLiteral("1\n2\r\t\"x\"\\"));
    key->SetString(QStringLiteral("nickname"), QStringLiteral("Zoë"));
    RegistryKey::Create(gameKey + QStringLiteral("\\Sub%7e"))->SetInteger(QStringLiteral("Column"), -70);
    // The key's own values by type: neither its default value nor a subkey's values.
    QStringList names = key->ValueNames(RegistryValueType::String) + key->ValueNames(RegistryValueType::Integer);
    names.sort();
    EXPECT_EQ(names, (QStringList{"HowToPlay", "Minus", "Nickname", "Width", awkward}));
    QThread::msleep(20);
    PutFile(path, Bytes(path) + "\n[" + gameKey.toUtf8() + "]\n\"ENDROUNDSOUNDS\"=dword:00000000\n");
    PutFile(path + QStringLiteral(".lock"), {});
    ASSERT_TRUE(key->Flush() && !QFile::exists(path + QStringLiteral(".lock")));
    const QByteArray saved = Bytes(path);
    for (const auto& [line, value] : lines)
        EXPECT_TRUE(value.isValid() || saved.contains(QByteArray(line) + '\n')) << line << '\n' << saved.data();
    EXPECT_TRUE(saved.startsWith("; Glimmerquake per-user settings\nstray text before any key\n")) << saved.data();
    EXPECT_TRUE(saved.contains("\n\"Nickname\"=\"Zo\xc3\xab\"\n") && saved.contains("]\n\"Column\"=dword:ffffffba\n"));
    const auto after = RegistryKey::Open(gameKey);
    EXPECT_EQ(after->Type(QStringLiteral("EndRoundSounds")), RegistryValueType::Integer);
    EXPECT_EQ(after->String(awkward), QStringLiteral("1\n2\r\t\"x\"\\"));
    EXPECT_EQ(RegistryKey::Open(gameKey + QStringLiteral("\\SUB%7E"))->Integer(QStringLiteral("column")), -70);
    EXPECT_EQ(RegistryKey::Open(QStringLiteral("\\Software\\Other")), nullptr);
    UserRegistry::SetFilePath({});
}
