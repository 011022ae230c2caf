#include "platform/UserRegistry.h"

#include "platform/RegistryFileFormat.h"

#include <QSettings>
#include <QStandardPaths>

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

} // namespace

void UserRegistry::SetFilePath(const QString& path)
{
    OverridePath() = path;
}

QString UserRegistry::FilePath()
{
    if (!OverridePath().isEmpty())
        return OverridePath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/glimmerquake/user-registry.reg");
}

RegistryKey::RegistryKey(std::unique_ptr<QSettings> settings, QString path)
    : settings(std::move(settings)), path(std::move(path))
{
}

RegistryKey::~RegistryKey()
{
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
        keys = settings->allKeys();
        keysKnown = true;
    }
    for (const QString& key : keys) {
        if (key.compare(wanted, Qt::CaseInsensitive) == 0)
            return key;
    }
    return wanted;
}

void RegistryKey::Set(const QString& name, const QVariant& value)
{
    const QString key = Resolve(name);
    if (!settings->contains(key))
        keys += key;
    settings->setValue(key, value);
}

RegistryValueType RegistryKey::Type(const QString& name) const
{
    const QVariant value = settings->value(Resolve(name));
    switch (value.typeId()) {
    case QMetaType::QString: return RegistryValueType::String;
    case QMetaType::Int: return RegistryValueType::Integer;
    default: return RegistryValueType::Absent;
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
    settings->sync();
    keysKnown = false;
    return settings->status() == QSettings::NoError && settings->isWritable();
}
