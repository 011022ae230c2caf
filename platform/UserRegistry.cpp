// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserRegistry.h"

#include "platform/RegistryFileFormat.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace {

QString& OverridePath()
{
    static QString path;
    return path;
}

QSettings::Format RegistryFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("reg"), ReadRegistryFile, WriteRegistryFile);
    return format;
}

std::unique_ptr<QSettings> OpenFile()
{
    return std::make_unique<QSettings>(UserRegistry::FilePath(), RegistryFormat());
}

// Kept unparsable lines live under names starting with a control character; they are no values.
bool IsValueKey(const QString& key)
{
    const qsizetype slash = key.lastIndexOf(u'/');
    return !key.mid(slash + 1).startsWith(QChar(0x01));
}

// QSettings locks the file with a QLockFile, which takes a lock whose owner has died as stale
// only once it holds that owner's process details. A copy killed between creating the lock and
// writing them leaves an empty lock, and every later save would wait 30 seconds for it to age.
// A live owner writes its details at once, so a lock that stays empty for a second is removed,
// under the same guard QLockFile uses for removing stale locks.
void RemoveAbandonedLock(const QString& settingsPath)
{
    const QString lockPath = settingsPath + QStringLiteral(".lock");
    const auto emptyFor = [&lockPath]() -> qint64 {
        const QFileInfo lock(lockPath);
        if (!lock.exists() || lock.size() != 0)
            return -1;
        return qAbs(lock.lastModified().msecsTo(QDateTime::currentDateTime()));
    };
    constexpr qint64 grace = 1000;
    const QDeadlineTimer deadline(grace);
    qint64 age = emptyFor();
    while (age >= 0 && age < grace && !deadline.hasExpired()) {
        QThread::msleep(20);
        age = emptyFor();
    }
    if (age < 0)
        return;
    QLockFile removal(lockPath + QStringLiteral(".rmlock"));
    if (removal.tryLock(0) && emptyFor() >= 0)
        QFile::remove(lockPath);
}

}  // namespace

void UserRegistry::SetFilePath(const QString& path)
{
    OverridePath() = path;
}

QString UserRegistry::FilePath()
{
    if (!OverridePath().isEmpty())
        return OverridePath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/glimmerquake/user-registry.reg");
}

RegistryKey::RegistryKey(std::unique_ptr<QSettings> settings, QString path)
    : settings(std::move(settings)), path(std::move(path))
{
}

RegistryKey::~RegistryKey()
{
    RemoveAbandonedLock(settings->fileName());
    settings->sync();
}

std::unique_ptr<RegistryKey> RegistryKey::Open(const QString& path)
{
    const QString group = RegistryGroup(path);
    if (group.isEmpty())
        return nullptr;
    auto settings = OpenFile();
    // Qt's group lookup is case-sensitive even where its keys are not, so the prefix is matched here.
    const QString prefix = group + u'/';
    const QStringList keys = settings->allKeys();
    const bool exists = std::any_of(keys.begin(), keys.end(), [&prefix](const QString& key) {
        return key.startsWith(prefix, Qt::CaseInsensitive) && IsValueKey(key);
    });
    if (!exists)
        return nullptr;
    return std::unique_ptr<RegistryKey>(new RegistryKey(std::move(settings), path));
}

std::unique_ptr<RegistryKey> RegistryKey::Create(const QString& path)
{
    if (RegistryGroup(path).isEmpty())
        return nullptr;
    return std::unique_ptr<RegistryKey>(new RegistryKey(OpenFile(), path));
}

QString RegistryKey::Resolve(const QString& name) const
{
    // QSettings ignores case only on Windows; registry names ignore it everywhere, so the stored
    // spelling of a name is looked up here and reused.
    const QString wanted = RegistryValueKey(path, name);
    if (!keysKnown) {
        keys.clear();
        for (const QString& key : settings->allKeys())
            Remember(key);
        keysKnown = true;
    }
    return keys.value(wanted.toCaseFolded(), wanted);
}

void RegistryKey::Remember(const QString& key) const
{
    const QString folded = key.toCaseFolded();
    if (!keys.contains(folded))
        keys.insert(folded, key);
}

void RegistryKey::Set(const QString& name, const QVariant& value)
{
    const QString key = Resolve(name);
    Remember(key);
    settings->setValue(key, value);
}

RegistryValueType RegistryKey::Type(const QString& name) const
{
    const QVariant value = settings->value(Resolve(name));
    switch (value.typeId()) {
    case QMetaType::QString:
        return RegistryValueType::String;
    case QMetaType::Int:
        return RegistryValueType::Integer;
    default:
        return RegistryValueType::Absent;
    }
}

QString RegistryKey::String(const QString& name) const
{
    const QVariant value = settings->value(Resolve(name));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

int RegistryKey::Integer(const QString& name) const
{
    const QVariant value = settings->value(Resolve(name));
    return value.typeId() == QMetaType::Int ? value.toInt() : 0;
}

QStringList RegistryKey::ValueNames(RegistryValueType type) const
{
    const QString prefix = RegistryGroup(path) + u'/';
    QStringList names;
    for (const QString& key : settings->allKeys()) {
        const QString name = key.mid(prefix.size());
        if (!key.startsWith(prefix, Qt::CaseInsensitive) || name.contains(u'/') || name == u'@' || !IsValueKey(key))
            continue;
        const int typeId = settings->value(key).typeId();
        if ((type == RegistryValueType::String && typeId == QMetaType::QString) ||
            (type == RegistryValueType::Integer && typeId == QMetaType::Int))
            names += DecodeRegistryName(name);
    }
    return names;
}

void RegistryKey::SetString(const QString& name, const QString& value)
{
    Set(name, value);
}

void RegistryKey::SetInteger(const QString& name, int value)
{
    Set(name, value);
}

bool RegistryKey::Flush()
{
    RemoveAbandonedLock(settings->fileName());
    settings->sync();
    keysKnown = false;
    return settings->status() == QSettings::NoError && settings->isWritable();
}
