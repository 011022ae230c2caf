// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// Desktops tell which program a window belongs to by the program's name after the window's
// title. While this object lives, every top-level window of the application gives the desktop
// such a title: one that already names the program stands as it is, any other gets " — " and
// the name. The windows keep their own titles; only what the desktop is given changes.
class WindowTitles : public QObject {
public:
    explicit WindowTitles(const QString& programName);
    ~WindowTitles() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString name;
};
