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
    // Registry names are case-insensitive, so "english0" and "English0" are one value.
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("reg"), ReadRegistryFile, WriteRegistryFile, Qt::CaseInsensitive);
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
    settings->beginGroup(group);
    const QStringList keys = settings->allKeys();
    settings->endGroup();
    if (std::none_of(keys.begin(), keys.end(), IsValueKey))
        return nullptr;
    return std::unique_ptr<RegistryKey>(new RegistryKey(std::move(settings), path));
}

std::unique_ptr<RegistryKey> RegistryKey::Create(const QString& path)
{
    if (RegistryGroup(path).isEmpty())
        return nullptr;
    return std::unique_ptr<RegistryKey>(new RegistryKey(OpenFile(), path));
}

RegistryValueType RegistryKey::Type(const QString& name) const
{
    const QVariant value = settings->value(RegistryValueKey(path, name));
    switch (value.typeId()) {
    case QMetaType::QString: return RegistryValueType::String;
    case QMetaType::Int: return RegistryValueType::Integer;
    default: return RegistryValueType::Absent;
    }
}

QString RegistryKey::String(const QString& name) const
{
    const QVariant value = settings->value(RegistryValueKey(path, name));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

int RegistryKey::Integer(const QString& name) const
{
    const QVariant value = settings->value(RegistryValueKey(path, name));
    return value.typeId() == QMetaType::Int ? value.toInt() : 0;
}

void RegistryKey::SetString(const QString& name, const QString& value)
{
    settings->setValue(RegistryValueKey(path, name), value);
}

void RegistryKey::SetInteger(const QString& name, int value)
{
    settings->setValue(RegistryValueKey(path, name), value);
}

bool RegistryKey::Flush()
{
    settings->sync();
    return settings->status() == QSettings::NoError && settings->isWritable();
}
