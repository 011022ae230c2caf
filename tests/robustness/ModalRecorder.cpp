#include "ModalRecorder.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

ModalRecorder::ModalRecorder() : poll(std::make_unique<QTimer>())
{
    poll->setInterval(1);
    QObject::connect(poll.get(), &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (button == nullptr)
                button = box->escapeButton();
            if (button != nullptr)
                button->click();
            else
                box->done(QMessageBox::Cancel);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialogTitles << dialog->windowTitle();
            dialog->done(QDialog::Rejected);
        }
    });
    poll->start();
}

ModalRecorder::~ModalRecorder() = default;

int ModalRecorder::ReportsNaming(const QString& name) const
{
    const QString quoted = u'"' + name + u'"';
    return static_cast<int>(std::count_if(messages.begin(), messages.end(),
                                          [&](const QString& text) { return text.contains(quoted); }));
}
