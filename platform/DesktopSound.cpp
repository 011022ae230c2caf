// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopSound.h"

#include "platform/SoundModule.h"
#include "platform/SoundOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QString>

#include <iostream>

namespace {

// The module's entry points, resolved once for the run; null when the module cannot be used. The
// module stays loaded until the program ends: outputs made by it may live that long.
struct SoundModule {
    NewSoundOutputFunction newOutput = nullptr;
    PlayableSoundFunction playable = nullptr;
};

const SoundModule& Module()
{
    static const SoundModule module = [] {
        QLibrary library(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(GLIM_SOUND_MODULE)));
        SoundModule found;
        if (library.load()) {
            found.newOutput = reinterpret_cast<NewSoundOutputFunction>(library.resolve(newSoundOutputSymbol));
            found.playable = reinterpret_cast<PlayableSoundFunction>(library.resolve(playableSoundSymbol));
        }
        if (found.newOutput == nullptr || found.playable == nullptr) {
            std::cerr << "Glimmerquake: no sound: " << library.errorString().toStdString() << std::endl;
            return SoundModule{};
        }
        return found;
    }();
    return module;
}

// Stands for the module's output until the first sound asks for it.
class DeferredSoundOutput final : public SoundOutput {
public:
    void PlayImage(const QByteArray& image) override
    {
        if (SoundOutput* real = Real())
            real->PlayImage(image);
    }

    void PlayFile(const QString& path) override
    {
        // Nothing can be playing yet.
        if (path.isEmpty() && !loaded)
            return;
        if (SoundOutput* real = Real())
            real->PlayFile(path);
    }

private:
    SoundOutput* Real()
    {
        if (!loaded) {
            loaded = true;
            if (const NewSoundOutputFunction make = Module().newOutput)
                real.reset(make());
        }
        return real.get();
    }

    bool loaded = false;
    std::unique_ptr<SoundOutput> real;
};

}  // namespace

std::unique_ptr<SoundOutput> NewDesktopSoundOutput()
{
    return std::make_unique<DeferredSoundOutput>();
}

bool IsPlayableDesktopSound(const QString& path)
{
    const PlayableSoundFunction playable = Module().playable;
    return playable != nullptr && playable(path);
}
