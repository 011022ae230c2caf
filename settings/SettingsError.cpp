#include "settings/SettingsError.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <iostream>

void ReportSettingsError(const QString& message)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) && !QApplication::topLevelWidgets().isEmpty()) {
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Glimmerquake"), message);
        return;
    }
    std::cerr << "Glimmerquake: " << message.toStdString() << std::endl;
}
