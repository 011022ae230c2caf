// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/GameHistoryFile.h"

#include "settings/SettingsError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

GameHistoryFile::GameHistoryFile()
    : path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history"))
{
}

std::vector<FinishedGame> GameHistoryFile::Read()
{
    const QByteArray text = Contents(path);
    std::size_t damaged = 0;
    std::vector<FinishedGame> games =
        ReadHistory(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), damaged);
    if (damaged != 0 && !std::exchange(damageReported, true)) {
        ReportSettingsError(QCoreApplication::translate("GameHistory",
                                                        "Lines of the game history in \"%1\" cannot "
                                                        "be read and are left out: %2.")
                                .arg(QDir::toNativeSeparators(path))
                                .arg(damaged));
    }
    return games;
}

QString GameHistoryFile::Add(const FinishedGame& game) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return QStringLiteral("cannot make the folder %1").arg(QFileInfo(path).absolutePath());
    }
    QByteArray text = Contents(path);
    if (!text.isEmpty() && !text.endsWith('\n')) {
        text += '\n';
    }
    text += QByteArray::fromStdString(HistoryLine(game));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

void GameHistoryFile::Clear() const
{
    QFile::remove(path);
}
