// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

SavedGameFile::SavedGameFile()
    : path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/saved-game"))
{
}

QString SavedGameFile::Write(const QByteArray& bytes) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return QStringLiteral("cannot make the folder %1").arg(QFileInfo(path).absolutePath());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

std::optional<QByteArray> SavedGameFile::Read() const
{
    QFile file(path);
    if (!file.exists()) {
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.read(sizeLimit + 1);
}

QString SavedGameFile::SetAside() const
{
    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    if (QFile::rename(path, aside)) {
        return aside;
    }
    // Never offered again, even when it cannot be kept.
    QFile::remove(path);
    return {};
}

void SavedGameFile::Remove() const
{
    QFile::remove(path);
}
