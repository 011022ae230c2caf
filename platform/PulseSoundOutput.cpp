// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PulseSoundOutput.h"

#include "platform/SoundClip.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// How far ahead of the speaker the server may buffer our stream: the longest a sound can wait.
constexpr pa_usec_t targetLatency = 20 * 1000;
// The format of the game's own sounds, so the stream opened at start-up suits them.
constexpr std::uint32_t defaultRate = 44100;
constexpr std::uint8_t defaultChannels = 1;
// Where a new sound goes after the server's play position: far enough ahead that the server,
// mixing on its own thread meanwhile, has not played past it by the time the sound arrives.
constexpr std::size_t leadAfterCut = 10 * 1000;  // microseconds
// Decoded images kept for replay; a scheme change leaves at most this many behind.
constexpr std::size_t maxCachedClips = 8;
// Silence after which the stream rests, so an idle game does not keep the sound card busy.
constexpr std::size_t restAfterSilence = 10;
// A sound file played by path is read whole up to this size and 30 seconds; a larger or longer
// one is read a piece of this many seconds at a time while it plays.
constexpr qint64 maxFileBytes = 8 * 1024 * 1024;
constexpr double streamedPieceSeconds = 0.5;

// Holds the threaded main loop's lock while it lives.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop(loop) { pa_threaded_mainloop_lock(loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop;
};

void Forget(pa_operation* operation)
{
    if (operation != nullptr)
        pa_operation_unref(operation);
}

}  // namespace

struct PulseSoundOutput::Impl {
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    std::uint32_t streamRate = 0;
    std::uint8_t streamChannels = 0;
    bool corked = false;
    // The sound playing (or asked for before the stream was ready) and the next sample to send;
    // for a long file, its piece playing and the file the next pieces come from.
    std::shared_ptr<const SoundClip> current;
    std::size_t position = 0;
    std::unique_ptr<SoundFileStream> streamed;
    // Silence sent since the last sound ended; after a while the stream rests.
    std::size_t silentBytes = 0;

    struct Cached {
        QByteArray image;  // our shared copy keeps the key's bytes, and so their address, alive
        std::shared_ptr<const SoundClip> clip;
        std::uint64_t lastUse = 0;
    };
    std::vector<Cached> cache;
    std::uint64_t uses = 0;

    // Everything below runs with the loop's lock held.

    void CloseStream()
    {
        if (stream == nullptr)
            return;
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }

    // The stream plays from the moment it is connected, silence until a sound comes. A stream
    // that starts corked, or runs dry, loses the start of its next sound on servers that cannot
    // rewind what they have already mixed.
    void OpenStream(std::uint32_t rate, std::uint8_t channels)
    {
        CloseStream();
        const pa_sample_spec spec{PA_SAMPLE_S16NE, rate, channels};
        pa_channel_map map;
        pa_channel_map_init_extend(&map, channels, PA_CHANNEL_MAP_DEFAULT);
        stream = pa_stream_new(context, "Game sounds", &spec, &map);
        if (stream == nullptr)
            return;
        streamRate = rate;
        streamChannels = channels;
        corked = false;
        silentBytes = 0;
        pa_stream_set_state_callback(stream, &Impl::StreamState, this);
        pa_stream_set_write_callback(stream, &Impl::Writable, this);
        pa_buffer_attr buffer;
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(targetLatency, &spec));
        buffer.prebuf = static_cast<std::uint32_t>(-1);
        buffer.minreq = static_cast<std::uint32_t>(-1);
        buffer.fragsize = static_cast<std::uint32_t>(-1);
        if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
            CloseStream();
    }

    std::size_t BytesPerSecond() const { return std::size_t{streamRate} * streamChannels * sizeof(std::int16_t); }

    // Sends what the server asks for: the rest of the current sound, then silence. With
    // `atReadIndex`, the first piece goes a little after where the server plays next, measured
    // when it arrives there, so that nothing of its start falls behind the play position.
    void Feed(std::size_t wanted, bool atReadIndex = false)
    {
        const std::size_t frameBytes = std::size_t{streamChannels} * sizeof(std::int16_t);
        while (wanted >= frameBytes && !corked) {
            void* data = nullptr;
            std::size_t size = wanted;
            if (pa_stream_begin_write(stream, &data, &size) < 0 || data == nullptr)
                return;
            size -= size % frameBytes;
            if (size == 0) {
                pa_stream_cancel_write(stream);
                return;
            }
            auto* bytes = static_cast<unsigned char*>(data);
            std::size_t filled = 0;
            while (current && filled < size) {
                const std::size_t left = current->Bytes() - position * sizeof(std::int16_t);
                const std::size_t taken = std::min(left, size - filled);
                std::memcpy(bytes + filled, current->samples.data() + position, taken);
                filled += taken;
                position += taken / sizeof(std::int16_t);
                if (position >= current->samples.size())
                    NextPiece();
            }
            std::memset(bytes + filled, 0, size - filled);
            silentBytes = current ? 0 : silentBytes + (size - filled);
            const std::int64_t lead =
                atReadIndex ? static_cast<std::int64_t>(leadAfterCut * BytesPerSecond() / 1000000) /
                                  static_cast<std::int64_t>(frameBytes) * static_cast<std::int64_t>(frameBytes)
                            : 0;
            pa_stream_write(stream, data, size, nullptr, lead,
                            atReadIndex ? PA_SEEK_RELATIVE_ON_READ : PA_SEEK_RELATIVE);
            atReadIndex = false;
            wanted -= size;
            if (silentBytes >= restAfterSilence * BytesPerSecond()) {
                Forget(pa_stream_cork(stream, 1, nullptr, nullptr));
                corked = true;
            }
        }
    }

    // The next piece of a long file, in the stream's format, or the end of the sound.
    void NextPiece()
    {
        position = 0;
        current = streamed ? streamed->Next(static_cast<std::size_t>(streamRate * streamedPieceSeconds)) : nullptr;
        if (!current || !current->SameFormat({streamRate, streamChannels, {}})) {
            current.reset();
            streamed.reset();
        }
    }

    bool StreamReady() const { return stream != nullptr && pa_stream_get_state(stream) == PA_STREAM_READY; }

    // Replaces whatever plays with `clip`, then the rest of `file` when given, or with silence.
    void Play(std::shared_ptr<const SoundClip> clip, std::unique_ptr<SoundFileStream> file = nullptr)
    {
        current = std::move(clip);
        streamed = std::move(file);
        position = 0;
        if (context == nullptr || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
            return;
        if (current && (stream == nullptr || streamRate != current->rate || streamChannels != current->channels)) {
            if (pa_context_get_state(context) == PA_CONTEXT_READY)
                OpenStream(current->rate, current->channels);
            return;
        }
        if (!StreamReady())
            return;
        // What the server still holds of the last sound goes; it asks for the new one at once.
        Forget(pa_stream_flush(stream, nullptr, nullptr));
        if (corked && current) {
            corked = false;
            silentBytes = 0;
            Forget(pa_stream_cork(stream, 0, nullptr, nullptr));
        }
        // The whole sound (of a long file, its first piece) goes to the server now, so a busy
        // machine cannot leave gaps in it.
        std::size_t writable = pa_stream_writable_size(stream);
        if (writable == static_cast<std::size_t>(-1))
            writable = 0;
        Feed(std::max(writable, current ? current->Bytes() : 0), true);
    }

    static void Writable(pa_stream* stream, std::size_t wanted, void* data)
    {
        auto* impl = static_cast<Impl*>(data);
        if (stream == impl->stream)
            impl->Feed(wanted);
    }

    static void StreamState(pa_stream* stream, void* data)
    {
        auto* impl = static_cast<Impl*>(data);
        if (stream != impl->stream)
            return;
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
            // Opened afresh by the next sound.
            impl->current.reset();
            impl->streamed.reset();
            impl->CloseStream();
        }
        pa_threaded_mainloop_signal(impl->loop, 0);
    }

    static void ContextState(pa_context* context, void* data)
    {
        auto* impl = static_cast<Impl*>(data);
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) {
            // Opened now, so that the first sound finds it ready.
            if (impl->stream == nullptr) {
                if (impl->current)
                    impl->OpenStream(impl->current->rate, impl->current->channels);
                else
                    impl->OpenStream(defaultRate, defaultChannels);
            }
        } else if (!PA_CONTEXT_IS_GOOD(state)) {
            // No server, or it went away: silent from now on.
            impl->current.reset();
            impl->streamed.reset();
            impl->CloseStream();
        }
        pa_threaded_mainloop_signal(impl->loop, 0);
    }

    // Runs on the caller's thread, without the lock.
    std::shared_ptr<const SoundClip> Decoded(const QByteArray& image)
    {
        for (Cached& cached : cache) {
            if (cached.image.constData() == image.constData() && cached.image.size() == image.size()) {
                cached.lastUse = ++uses;
                return cached.clip;
            }
        }
        std::shared_ptr<const SoundClip> clip = DecodeSoundClip(image);
        if (cache.size() >= maxCachedClips)
            cache.erase(std::min_element(cache.begin(), cache.end(),
                                         [](const Cached& a, const Cached& b) { return a.lastUse < b.lastUse; }));
        cache.push_back({image, clip, ++uses});
        return clip;
    }
};

PulseSoundOutput::PulseSoundOutput() : impl(std::make_unique<Impl>())
{
    impl->loop = pa_threaded_mainloop_new();
    if (impl->loop == nullptr)
        return;
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Glimmerquake");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "com.quirkwell.glimmerquake");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "com.quirkwell.glimmerquake");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    impl->context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(impl->loop), "Glimmerquake", properties);
    pa_proplist_free(properties);
    if (impl->context == nullptr)
        return;
    pa_context_set_state_callback(impl->context, &Impl::ContextState, impl.get());
    // No server of our own is started: a desktop without one simply has no game sounds.
    pa_context_connect(impl->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    pa_threaded_mainloop_start(impl->loop);
}

PulseSoundOutput::~PulseSoundOutput()
{
    if (impl->loop == nullptr)
        return;
    pa_threaded_mainloop_stop(impl->loop);
    impl->CloseStream();
    if (impl->context != nullptr) {
        pa_context_set_state_callback(impl->context, nullptr, nullptr);
        pa_context_disconnect(impl->context);
        pa_context_unref(impl->context);
    }
    pa_threaded_mainloop_free(impl->loop);
}

void PulseSoundOutput::PlayImage(const QByteArray& image)
{
    if (impl->context == nullptr)
        return;
    std::shared_ptr<const SoundClip> clip = image.isEmpty() ? nullptr : impl->Decoded(image);
    LoopLock lock(impl->loop);
    impl->Play(std::move(clip));
}

void PulseSoundOutput::PlayFile(const QString& path)
{
    if (impl->context == nullptr)
        return;
    std::shared_ptr<const SoundClip> clip;
    std::unique_ptr<SoundFileStream> streamed;
    // Only regular files: a pipe or a device could block or never end.
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.size() > 0 && file.size() <= maxFileBytes)
            clip = DecodeSoundClip(file.readAll());
        // Too long or too large to hold: played as it is read.
        if (!clip && (streamed = SoundFileStream::Open(path)))
            clip = streamed->Next(static_cast<std::size_t>(streamed->Rate() * streamedPieceSeconds));
    }
    LoopLock lock(impl->loop);
    impl->Play(std::move(clip), std::move(streamed));
}
