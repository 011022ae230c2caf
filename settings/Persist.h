// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/WindowState.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class QWidget;
class RegistryKey;

// The key under which the game keeps everything it remembers, in the per-user registry.
inline constexpr char SettingsKey[] = "\\Software\\Quirkwell\\Glimmerquake Evaluation 1.0";

// A short-lived accessor to the settings key: create one on the stack for one batch of reads
// (forWriting false) or one batch of writes (forWriting true), then let it go. Reading never
// creates the key; the first write does. Nothing is cached between accessors.
//
// A value stored with another type than the one read is reported once, naming it, and the read
// returns false with `out` untouched, so the caller's default stands. Writes are saved by Save()
// or when the accessor is destroyed; a save the system refuses is reported once per run, in the
// plain words of Describe() (else naming the values lost) and with the settings file's path.
class Persist {
public:
    // With `subkey`, the accessor is to that key under the settings key ("Relaxed Scores").
    explicit Persist(bool forWriting, const QString& subkey = QString());
    ~Persist();

    Persist(const Persist&) = delete;
    Persist& operator=(const Persist&) = delete;

    // True, with `out` set, only when the key is open and holds the value with the right type.
    bool readString(const QString& name, QString& out) const;
    // Any non-zero stored number is true.
    bool readBool(const QString& name, bool& out) const;
    bool readInteger(const QString& name, int& out) const;
    // The names of the text values in the key, in no particular order; none when it is not open.
    QStringList stringValueNames() const;

    // Do nothing on a read-mode accessor.
    void writeString(const QString& name, const QString& value);
    void writeBool(const QString& name, bool value);
    void writeInteger(const QString& name, int value);

    // Says in the player's words what this batch of writes keeps ("your options"), for the
    // warning when its save is refused.
    void Describe(const QString& plainWords) { what = plainWords; }
    // Saves the writes made so far; false, after the warning, when the system refuses.
    bool Save();

    // Read mode: restores the position of `form` (values named after its objectName) and, with
    // `state` given, its size and whether it is maximised (`*state` is set, the caller applies it).
    // Nothing changes unless both Left and Top are stored. From then on the form is watched for
    // its first showing.
    // Write mode: stores nothing for a form that has not been on screen since its placement was
    // read, so a window that never opened keeps what was stored (on a first run: nothing, and it
    // opens at its designed place next time). Otherwise stores the position (and with `state` the
    // size) only while `*state` is normal, so a maximised or minimised window keeps its last normal
    // placement; with `state` it also stores Maximized as "1" or "0".
    void windowPlacement(QWidget* form, WindowState* state);

private:
    void ReadPlacement(QWidget* form, WindowState* state) const;
    void WritePlacement(const QWidget* form, const WindowState* state);

    bool forWriting;
    std::unique_ptr<RegistryKey> key;
    QStringList written;
    QString what;
};

// A number stored as text: leading white space, an optional sign, then decimal digits up to the
// first other character; no digits give 0, and numbers beyond 64 bits are held at its limits.
std::int64_t ParseLeadingNumber(const QString& text);
// A stored placement number, parsed as above and held at the limits of int.
int ParsePlacementNumber(const QString& text);
