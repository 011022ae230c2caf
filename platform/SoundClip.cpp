// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundClip.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace {

// libsndfile reads from memory through these callbacks.
struct MemoryFile {
    const QByteArray& bytes;
    sf_count_t position = 0;
};

sf_count_t Length(void* user)
{
    return static_cast<MemoryFile*>(user)->bytes.size();
}

sf_count_t Seek(sf_count_t offset, int whence, void* user)
{
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t size = file->bytes.size();
    sf_count_t target = offset;
    if (whence == SEEK_CUR)
        target += file->position;
    else if (whence == SEEK_END)
        target += size;
    if (target < 0 || target > size)
        return -1;
    file->position = target;
    return target;
}

sf_count_t Read(void* destination, sf_count_t count, void* user)
{
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t available = std::max<sf_count_t>(0, file->bytes.size() - file->position);
    const sf_count_t taken = std::clamp<sf_count_t>(count, 0, available);
    std::memcpy(destination, file->bytes.constData() + file->position, static_cast<std::size_t>(taken));
    file->position += taken;
    return taken;
}

sf_count_t Tell(void* user)
{
    return static_cast<MemoryFile*>(user)->position;
}

sf_count_t Write(const void*, sf_count_t, void*)
{
    return 0;
}

}  // namespace

namespace {

bool Playable(const SF_INFO& info)
{
    return info.frames > 0 && info.channels >= 1 && info.channels <= 8 && info.samplerate >= 1 &&
           info.samplerate <= 384000;
}

}  // namespace

bool IsPlayableSoundFile(const QString& path)
{
    return SoundFileStream::Open(path) != nullptr;
}

std::unique_ptr<SoundFileStream> SoundFileStream::Open(const QString& path)
{
    // Only regular files: reading a pipe or a device could block or never end.
    if (!QFileInfo(path).isFile())
        return nullptr;
    SF_INFO info{};
    SNDFILE* sound = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (sound == nullptr)
        return nullptr;
    if (!Playable(info)) {
        sf_close(sound);
        return nullptr;
    }
    return std::unique_ptr<SoundFileStream>(new SoundFileStream(sound, static_cast<std::uint32_t>(info.samplerate),
                                                                static_cast<std::uint8_t>(info.channels)));
}

SoundFileStream::~SoundFileStream()
{
    sf_close(static_cast<SNDFILE*>(file));
}

std::shared_ptr<const SoundClip> SoundFileStream::Next(std::size_t frames)
{
    auto piece = std::make_shared<SoundClip>();
    piece->rate = rate;
    piece->channels = channels;
    piece->samples.resize(frames * channels);
    const sf_count_t read =
        sf_readf_short(static_cast<SNDFILE*>(file), piece->samples.data(), static_cast<sf_count_t>(frames));
    piece->samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(read, 0)) * channels);
    return piece->samples.empty() ? nullptr : piece;
}

std::shared_ptr<const SoundClip> DecodeSoundClip(const QByteArray& bytes, double maxSeconds)
{
    SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
    MemoryFile file{bytes};
    SF_INFO info{};
    SNDFILE* sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (sound == nullptr)
        return nullptr;
    std::shared_ptr<SoundClip> clip;
    if (Playable(info) && static_cast<double>(info.frames) <= maxSeconds * info.samplerate) {
        clip = std::make_shared<SoundClip>();
        clip->rate = static_cast<std::uint32_t>(info.samplerate);
        clip->channels = static_cast<std::uint8_t>(info.channels);
        clip->samples.resize(static_cast<std::size_t>(info.frames) * static_cast<std::size_t>(info.channels));
        // A file shorter than its header says keeps the frames it has.
        const sf_count_t frames = sf_readf_short(sound, clip->samples.data(), info.frames);
        clip->samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(frames, 0)) *
                             static_cast<std::size_t>(info.channels));
        if (clip->samples.empty())
            clip.reset();
    }
    sf_close(sound);
    return clip;
}
