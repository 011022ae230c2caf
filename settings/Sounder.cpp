// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Sounder.h"

#include "platform/DesktopSound.h"
#include "platform/SoundOutput.h"
#include "platform/TickCount.h"
#include "platform/UserRegistry.h"
#include "settings/Utils.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 maxImageBytes = 0x100000;
constexpr std::uint64_t refreshInterval = 60000;

struct EventEntry {
    const char* keyName;
    const char* defaultFile;
};

constexpr std::array<EventEntry, SoundEventCount> eventEntries{{
    {"\\Select Tile", "select.wav"},
    {"\\Select Word", "word.wav"},
    {"\\New Life", "newlife.wav"},
    {"\\End Round", "endRound.wav"},
    {"\\High Word", "highword.wav"},
    {"\\Low Word", "lowword.wav"},
}};

bool IsEvent(int event)
{
    return event >= 0 && event < SoundEventCount;
}

QString EventKey(int event)
{
    return QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event);
}

}  // namespace

QString SoundEventKeyName(int event)
{
    return IsEvent(event) ? QString::fromLatin1(eventEntries[event].keyName) : QString();
}

QString SoundEventDefaultFile(int event)
{
    return IsEvent(event) ? QString::fromLatin1(eventEntries[event].defaultFile) : QString();
}

Sounder::Sounder() : Sounder(NewDesktopSoundOutput(), GetTickCount) {}

Sounder::Sounder(std::unique_ptr<SoundOutput> output, TickSource tickCount)
    : output(std::move(output)), tickCount(std::move(tickCount))
{
    refresh(true);
    this->output->PlayFile(QString());
}

Sounder::~Sounder()
{
    output->PlayFile(QString());
}

void Sounder::play(SoundEvent event)
{
    const std::uint32_t now = tickCount();
    // Summed in 64 bits: within the last minute before the counter wraps, a 32-bit sum would
    // wrap too and force a re-read on every sound.
    if (now < lastRefresh || now > std::uint64_t{lastRefresh} + refreshInterval)
        refresh(false);
    const int index = static_cast<int>(event);
    if (!IsEvent(index) || paths[index].isEmpty())
        return;
    if (!images[index].isNull())
        output->PlayImage(images[index]);
    else
        output->PlayFile(paths[index]);
}

void Sounder::playRefusal()
{
    output->PlayFile(AppFilePath(QStringLiteral("refuse.wav")));
}

void Sounder::refresh(bool registerMissing)
{
    lastRefresh = tickCount();
    for (int i = 0; i < SoundEventCount; ++i) {
        QString path;
        if (const auto current = RegistryKey::Open(EventKey(i) + QStringLiteral("\\.current"))) {
            // A default value of another type is no file name: the event stays silent.
            path = current->String(QString());
        } else if (registerMissing) {
            path = RegisterDefault(i);
        }
        if (!path.isEmpty() && path == paths[i])
            continue;
        // The output holds its own reference to an image it plays, so dropping ours is safe.
        images[i] = QByteArray();
        if (!path.isEmpty() && QFileInfo(path).fileName() != path)
            LoadImage(i, path);
        paths[i] = path;
    }
}

QString Sounder::RegisterDefault(int event)
{
    if (event == SelectTile) {
        if (const auto application = RegistryKey::Create(QString::fromLatin1(SoundSchemeKey))) {
            application->SetString(QString(), QString::fromLatin1(SoundSchemeLabel));
            application->Flush();
        }
    }
    QString path;
    for (const char* subkey : {"\\.current", "\\.default"}) {
        const auto key = RegistryKey::Create(EventKey(event) + QString::fromLatin1(subkey));
        if (!key)
            continue;
        const QString defaultPath = AppFilePath(SoundEventDefaultFile(event));
        key->SetString(QString(), defaultPath);
        if (key->Flush())
            path = defaultPath;
    }
    return path;
}

void Sounder::LoadImage(int event, const QString& path)
{
    // Only regular files: opening a pipe or device would block or never end.
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const qint64 size = file.size();
    if (size <= 0 || size > maxImageBytes)
        return;
    QByteArray bytes = file.read(size);
    if (bytes.size() == size)
        images[event] = std::move(bytes);
}

QString Sounder::Path(SoundEvent event) const
{
    return IsEvent(event) ? paths[event] : QString();
}

bool Sounder::HasImage(SoundEvent event) const
{
    return IsEvent(event) && !images[event].isNull();
}
