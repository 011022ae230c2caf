// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's entry points; see SoundModule.h.
#include "platform/SoundModule.h"

#include "platform/PulseSoundOutput.h"
#include "platform/SoundClip.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT SoundOutput* glim_new_sound_output()
{
    return new PulseSoundOutput;
}

extern "C" Q_DECL_EXPORT bool glim_playable_sound(const QString& path)
{
    return IsPlayableSoundFile(path);
}
