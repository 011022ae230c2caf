// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtCore/qnamespace.h>

// The state of a top-level window as the stored placement knows it.
enum class WindowState { Normal, Minimized, Maximized };

// Minimised wins over maximised: a minimised window is not showing its maximised placement.
WindowState WindowStateFrom(Qt::WindowStates states);
// Replaces the minimised and maximised flags of `states`, keeping the others (full screen aside).
Qt::WindowStates ApplyWindowState(Qt::WindowStates states, WindowState state);
