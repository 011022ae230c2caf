// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;
class QVariant;

// The emulated per-user registry (HKEY_CURRENT_USER): one text file of keys and typed values,
// by default "glimmerquake/user-registry.reg" in the user's configuration folder. It is read and
// saved through QSettings, which saves atomically, locks the file against a second running copy
// and merges only the values this process changed, so two copies do not lose each other's values.
class UserRegistry {
public:
    // Points every later access at `path`; an empty path goes back to the default location.
    // Tests call this with a file in a temporary folder before anything touches the settings,
    // so no test reads or writes the real user's file.
    static void SetFilePath(const QString& path);
    // The file in use now.
    static QString FilePath();
};

enum class RegistryValueType { Absent, String, Integer };

// One open key of the registry. Key paths use backslashes ("\Software\Quirkwell\..."); an empty
// value name is the key's default value. A key exists once a value lives in it or below it.
// Key paths and value names ignore case, as in the registry; a value keeps its first spelling.
class RegistryKey {
public:
    // Opens an existing key for reading and writing; nullptr when it does not exist.
    // Never creates anything.
    static std::unique_ptr<RegistryKey> Open(const QString& path);
    // Opens the key, creating it with its first value; the file itself is created by the first
    // save that holds a value. nullptr for an empty path.
    static std::unique_ptr<RegistryKey> Create(const QString& path);
    // Saves what is still pending.
    ~RegistryKey();

    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    RegistryValueType Type(const QString& name) const;
    // The value when it has that type; an empty string or 0 otherwise.
    QString String(const QString& name) const;
    int Integer(const QString& name) const;
    // The names of the values of this type held directly in this key, as stored.
    QStringList ValueNames(RegistryValueType type) const;

    void SetString(const QString& name, const QString& value);
    void SetInteger(const QString& name, int value);
    // Saves the writes so far (re-reading what another copy saved meanwhile); false when the file
    // could not be written.
    bool Flush();

private:
    RegistryKey(std::unique_ptr<QSettings> settings, QString path);
    // The QSettings key of the value, in the spelling already stored if there is one.
    QString Resolve(const QString& name) const;
    void Set(const QString& name, const QVariant& value);
    // Adds a stored key to `keys` unless another spelling of it is there.
    void Remember(const QString& key) const;

    std::unique_ptr<QSettings> settings;
    QString path;
    // Every stored key by its case-folded form, read once and updated by our own writes, for the
    // case-blind lookup; the first spelling of a key stays.
    mutable QHash<QString, QString> keys;
    mutable bool keysKnown = false;
};
