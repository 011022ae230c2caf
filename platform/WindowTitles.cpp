// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowTitles.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

WindowTitles::WindowTitles(const QString& programName) : name(programName)
{
    QCoreApplication::instance()->installEventFilter(this);
}

WindowTitles::~WindowTitles()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool WindowTitles::eventFilter(QObject* watched, QEvent* event)
{
    // A window hands its title to the desktop when it is created, just before it shows, and
    // again on every change of title.
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::WindowTitleChange) && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        QWindow* window = widget->isWindow() ? widget->windowHandle() : nullptr;
        if (window != nullptr) {
            const QString title = window->title();
            if (!title.contains(name))
                window->setTitle(title.isEmpty() ? name : title + QStringLiteral(" \u2014 ") + name);
        }
    }
    return QObject::eventFilter(watched, event);
}
