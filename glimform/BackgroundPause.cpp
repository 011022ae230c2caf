// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/BackgroundPause.h"

#include "glimform/PausedBoard.h"
#include "glimform/glimform.h"
#include "settings/PlayerOptions.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <utility>

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
    if (pending || !running || QApplication::activeWindow() != nullptr || !form.options.GetPauseInBackground()) {
        return;
    }
    PauseNow();
}

void BackgroundPause::PauseNow()
{
    pending = true;
    form.SuspendPlay(true);
    if (pausedBoard == nullptr) {
        pausedBoard = new PausedBoard(&form);
        connect(pausedBoard, &PausedBoard::resumed, &form, &TGlimmerForm::ResumePlay);
    }
    pausedBoard->ShowOver(form.BoardArea());
}

void BackgroundPause::Place()
{
    if (pending && pausedBoard != nullptr)
        pausedBoard->ShowOver(form.BoardArea());
}

bool BackgroundPause::Cancel()
{
    if (pausedBoard != nullptr)
        pausedBoard->hide();
    return std::exchange(pending, false);
}

void BackgroundPause::FocusChanged()
{
    if (!pending)
        settle.start();
}
