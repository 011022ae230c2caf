// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WindowState.h"

WindowState WindowStateFrom(Qt::WindowStates states)
{
    if (states.testFlag(Qt::WindowMinimized))
        return WindowState::Minimized;
    if (states.testFlag(Qt::WindowMaximized))
        return WindowState::Maximized;
    return WindowState::Normal;
}

Qt::WindowStates ApplyWindowState(Qt::WindowStates states, WindowState state)
{
    states &= ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == WindowState::Minimized)
        states |= Qt::WindowMinimized;
    else if (state == WindowState::Maximized)
        states |= Qt::WindowMaximized;
    return states;
}
