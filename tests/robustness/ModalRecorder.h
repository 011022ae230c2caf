// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// While it lives, answers every modal window the game opens (a message box with OK, any other
// dialog with Close) and remembers what each one said. The game's reports of bad settings come
// at unpredictable moments, even while the windows are being created, so they are answered as
// they come rather than one by one.
struct ModalRecorder {
    ModalRecorder()
    {
        poll.setInterval(1);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->done(QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialogTitles << dialog->windowTitle();
                dialog->done(QDialog::Rejected);
            }
        });
        poll.start();
    }
    // How many message boxes named the setting (in double quotes).
    int ReportsNaming(const QString& name) const { return messages.filter(u'"' + name + u'"').size(); }

    QStringList messages;  // texts of the message boxes, in order
    QStringList dialogTitles;  // titles of the other dialogs, in order
    QTimer poll;
};
