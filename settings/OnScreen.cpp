// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

std::int64_t Area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : std::int64_t{rect.width()} * rect.height();
}

}  // namespace

QRect PlaceOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary)
{
    const std::int64_t needed = (Area(frame) + 2) / 3;
    const bool seen = std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        return Area(frame) > 0 && Area(frame.intersected(screen)) >= needed;
    });
    if (seen || primary.isEmpty())
        return frame;
    const QSize size = frame.size().boundedTo(primary.size()).expandedTo(QSize(1, 1));
    return {primary.topLeft() + QPoint((primary.width() - size.width()) / 2, (primary.height() - size.height()) / 2),
            size};
}

void KeepOnScreen(QWidget& window)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect frame(window.pos(), window.size());
    const QRect placed = PlaceOnScreen(frame, screens, primary ? primary->availableGeometry() : QRect());
    if (placed == frame)
        return;
    window.resize(placed.size().expandedTo(window.minimumSize()));
    window.move(placed.topLeft());
}
