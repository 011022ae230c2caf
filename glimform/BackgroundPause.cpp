// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/BackgroundPause.h"

#include "dialogs/newgame.h"
#include "glimform/glimform.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

BackgroundPause::BackgroundPause(TGlimmerForm& form) : QObject(&form), form(form)
{
    settle.setSingleShot(true);
    settle.setInterval(250);
    connect(&settle, &QTimer::timeout, this, &BackgroundPause::Check);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &BackgroundPause::FocusChanged);
}

void BackgroundPause::Check()
{
    // Only play that runs: a question, the options or the clearing at a round's end have
    // stopped the arrivals already, and a minimised window keeps its own rules.
    const bool running = form.IsPlaying() && form.EvolveTimer->isActive() && !form.isMinimized();
    if (pending || !running || QApplication::activeWindow() != nullptr || !NewGameForm->GetPauseInBackground()) {
        return;
    }
    pending = true;
    form.SuspendPlay(true);
}

bool BackgroundPause::Cancel()
{
    const bool was = pending;
    pending = false;
    return was;
}

void BackgroundPause::FocusChanged()
{
    if (!pending) {
        settle.start();
    } else if (form.isActiveWindow()) {
        // Not from inside the focus change: the question runs a message loop of its own.
        QTimer::singleShot(0, this, &BackgroundPause::AskWhenActive);
    }
}

void BackgroundPause::AskWhenActive()
{
    if (!pending || !form.isActiveWindow() || form.isMinimized()) {
        return;
    }
    pending = false;
    form.ConfirmPauseOrQuit(true);
}
