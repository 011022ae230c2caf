// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one file that keeps a game left unfinished: "saved-game" in the user's data folder. It is
// replaced as a whole or not at all, so a save cut short by a crash or a power cut leaves the
// save before it.
class SavedGameFile {
public:
    // A file larger than this is no saved game; reading stops just past it.
    static constexpr qint64 sizeLimit = 1 << 20;

    SavedGameFile();
    explicit SavedGameFile(QString path) : path(std::move(path)) {}

    const QString& Path() const { return path; }
    // Replaces the file with `bytes`, making its folder when needed. Returns an empty string, or
    // why the file could not be written.
    QString Write(const QByteArray& bytes) const;
    // The file's bytes (at most sizeLimit + 1 of them), or nothing when there is no file.
    // A file that exists but cannot be read gives empty bytes.
    std::optional<QByteArray> Read() const;
    // Renames the file to its name with ".bad", over an older one, and returns the new path;
    // or removes it, returning an empty string, when it cannot be renamed.
    QString SetAside() const;
    void Remove() const;

private:
    QString path;
};
