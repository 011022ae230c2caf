#include "platform/SoundEffectOutput.h"

#include <QByteArray>
#include <QDir>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace {

// Images outlive a scheme change only until this many newer ones have been loaded.
constexpr std::size_t maxLoadedImages = 12;

struct LoadedImage {
    QByteArray image; // our shared copy: keeps the bytes, and so their address, alive
    std::unique_ptr<QTemporaryFile> file;
    std::unique_ptr<QSoundEffect> effect;
    quint64 lastUse = 0;
};

} // namespace

struct SoundEffectOutput::Impl {
    std::vector<std::unique_ptr<LoadedImage>> images;
    std::unique_ptr<QSoundEffect> fileEffect;
    QSoundEffect* current = nullptr;
    quint64 uses = 0;

    std::unique_ptr<QSoundEffect> MakeEffect(const QString& path)
    {
        auto effect = std::make_unique<QSoundEffect>();
        QSoundEffect* raw = effect.get();
        // A sound asked for while it still loads starts once it is ready, unless replaced meanwhile.
        QObject::connect(raw, &QSoundEffect::statusChanged, raw, [this, raw] {
            if (current == raw && raw->status() == QSoundEffect::Ready && !raw->isPlaying())
                raw->play();
        });
        effect->setSource(QUrl::fromLocalFile(path));
        return effect;
    }

    void Stop()
    {
        if (current)
            current->stop();
        current = nullptr;
    }

    void Start(QSoundEffect* effect)
    {
        current = effect;
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
    }

    LoadedImage* Find(const QByteArray& image)
    {
        for (const auto& loaded : images) {
            if (loaded->image.constData() == image.constData() && loaded->image.size() == image.size())
                return loaded.get();
        }
        return nullptr;
    }

    LoadedImage* Load(const QByteArray& image)
    {
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/glimmerquake-XXXXXX.wav"));
        if (!file->open() || file->write(image) != image.size())
            return nullptr;
        file->close();
        if (images.size() >= maxLoadedImages) {
            auto oldest = std::min_element(images.begin(), images.end(), [](const auto& a, const auto& b) {
                return a->lastUse < b->lastUse;
            });
            images.erase(oldest);
        }
        auto loaded = std::make_unique<LoadedImage>();
        loaded->image = image;
        loaded->effect = MakeEffect(file->fileName());
        loaded->file = std::move(file);
        images.push_back(std::move(loaded));
        return images.back().get();
    }
};

SoundEffectOutput::SoundEffectOutput() : impl(std::make_unique<Impl>())
{
}

SoundEffectOutput::~SoundEffectOutput()
{
    impl->Stop();
}

void SoundEffectOutput::PlayImage(const QByteArray& image)
{
    // Stopped first, so an image about to be evicted is never dropped while it plays.
    impl->Stop();
    if (image.isEmpty())
        return;
    LoadedImage* loaded = impl->Find(image);
    if (!loaded)
        loaded = impl->Load(image);
    if (!loaded)
        return;
    loaded->lastUse = ++impl->uses;
    impl->Start(loaded->effect.get());
}

void SoundEffectOutput::PlayFile(const QString& path)
{
    impl->Stop();
    impl->fileEffect.reset();
    if (path.isEmpty())
        return;
    impl->fileEffect = impl->MakeEffect(path);
    impl->Start(impl->fileEffect.get());
}
