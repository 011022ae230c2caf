// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

// The text format of the emulated per-user registry, in the style of a registry export:
//
//   [\Software\Quirkwell\Glimmerquake Evaluation 1.0]
//   "Nickname"="Anonymous"
//   "HowToPlay"=dword:00000001
//   @="the key's default value"
//
// In the QSettings map a value is found under its key path's components joined by "/", then its
// value name ("@" for the key's default value); components are escaped with EncodeRegistryName.
// Strings map to QString, dwords to int, so a value's type survives a round trip.
//
// Lines that cannot be parsed are kept in the map under reserved names (they start with a control
// character that no encoded name contains) and written back unchanged, so hand edits are not lost.

// Reads what it can: bad lines never stop the good values from being read. Always succeeds,
// because a failed read would make QSettings replace the whole file on its next save.
bool ReadRegistryFile(QIODevice& device, QSettings::SettingsMap& map);
// Writes every string and int entry; entries of other types are skipped.
bool WriteRegistryFile(QIODevice& device, const QSettings::SettingsMap& map);

// Escapes "%", "/", "\", "@" and control characters as %XX so a registry name is one QSettings
// key component and never a reserved one.
QString EncodeRegistryName(const QString& name);
QString DecodeRegistryName(const QString& encoded);

// The QSettings key of a value: `keyPath` with backslash separators, `valueName` empty for the
// key's default value.
QString RegistryValueKey(const QString& keyPath, const QString& valueName);
// The QSettings group of a key path ("" for the root).
QString RegistryGroup(const QString& keyPath);
