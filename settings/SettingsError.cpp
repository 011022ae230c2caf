// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsError.h"

#include <QApplication>
#include <QMessageBox>
#include <QSet>
#include <QString>

#include <iostream>

namespace {

bool HasWindows()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) && !QApplication::topLevelWidgets().isEmpty();
}

void ToStandardError(const QString& message)
{
    std::cerr << "Glimmerquake: " << message.toStdString() << std::endl;
}

}  // namespace

void ReportSettingsError(const QString& message)
{
    if (HasWindows())
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Glimmerquake"), message);
    else
        ToStandardError(message);
}

void ReportRefusedSave(const QString& message)
{
    static QSet<QString> reported;
    if (reported.contains(message))
        return;
    reported.insert(message);
    if (!HasWindows()) {
        ToStandardError(message);
        return;
    }
    // Owned by a window of the game, so it goes when the game's windows do.
    QWidget* owner = QApplication::activeWindow() != nullptr ? QApplication::activeWindow()
                                                             : QApplication::topLevelWidgets().constFirst();
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Glimmerquake"), message, QMessageBox::Ok, owner);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->show();
}
