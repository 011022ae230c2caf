// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

void AnswerNextModal(std::function<void(QWidget*)> answer, QString* title)
{
    auto* poll = new QTimer(qApp);
    poll->setObjectName(QStringLiteral("pendingAnswer"));
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, [poll, answer, title] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        poll->stop();
        poll->deleteLater();
        if (title != nullptr)
            *title = modal->windowTitle();
        answer(modal);
    });
    poll->start();
}

int DiscardPendingAnswers()
{
    int waiting = 0;
    for (QTimer* poll : qApp->findChildren<QTimer*>(QStringLiteral("pendingAnswer"))) {
        waiting += poll->isActive() ? 1 : 0;
        poll->stop();
        poll->deleteLater();
    }
    return waiting;
}

void PressMessageButton(QWidget* box, int standardButton)
{
    auto* messageBox = qobject_cast<QMessageBox*>(box);
    QAbstractButton* button =
        messageBox != nullptr ? messageBox->button(QMessageBox::StandardButton(standardButton)) : nullptr;
    ASSERT_NE(button, nullptr) << "no such button in " << qPrintable(box->windowTitle());
    button->click();
}

void FinishDialog(QWidget* dialog, bool accepted)
{
    auto* d = qobject_cast<QDialog*>(dialog);
    ASSERT_NE(d, nullptr);
    d->done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

::testing::AssertionResult LooksAsApproved(QWidget* widget, const QString& name)
{
    const QImage now = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = name + QStringLiteral(".png");
    if (const QString folder = qEnvironmentVariable("GLIM_APPROVE"); !folder.isEmpty())
        now.save(folder + u'/' + file);
    const QImage approved = QImage(QStringLiteral(GLIM_APPROVED_DIR "/") + file).convertToFormat(QImage::Format_RGB32);
    // Each colour byte within 3 of the approved one: Qt's blending rounds differently on different processors.
    if (approved.size() == now.size() &&
        std::equal(now.constBits(), now.constBits() + now.sizeInBytes(), approved.constBits(),
                   [](uchar a, uchar b) { return std::abs(a - b) <= 3; }))
        return ::testing::AssertionSuccess();
    now.save(file);
    return ::testing::AssertionFailure() << name.toStdString() << " does not look as approved; " << file.toStdString()
                                         << " shows how it looks";
}
