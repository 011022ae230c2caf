// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a bare Qt Widgets window with twenty ordinary controls
// (nine buttons, ten labels and a list), shown at the first idle as the game shows its main
// window, and measured the same way.
//
//   bare_probe   prints "shown VmRSS=<kB> VmHWM=<kB>" when idle with the window exposed, then quits.
#include "ProbeReport.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BareWindow"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(576, 420);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1:").arg(i), &window);
        label->setGeometry(8, 8 + i * 30, 120, 24);
    }
    for (int i = 0; i < 9; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button &%1").arg(i), &window);
        button->setGeometry(136, 8 + i * 34, 110, 28);
        button->setToolTip(QStringLiteral("Does nothing"));
    }
    auto* list = new QListWidget(&window);
    list->setGeometry(256, 8, 300, 300);
    for (int i = 0; i < 10; ++i)
        list->addItem(QStringLiteral("Item %1").arg(i));

    QTimer::singleShot(0, &window, [&window] { window.show(); });
    ReportWhenShown([&window] {
        const QWindow* handle = window.windowHandle();
        return window.isVisible() && handle != nullptr && handle->isExposed();
    });
    return QApplication::exec();
}
