// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalRecorder.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

ModalRecorder::ModalRecorder()
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
