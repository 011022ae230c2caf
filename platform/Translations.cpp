// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

QStringList PlayerLanguages()
{
    QStringList languages;
    // Qt reads LANGUAGE's list and the locale variables into the system locale's languages.
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language.isEmpty() || languages.contains(language))
            continue;
        languages.append(language);
        if (language == u"en")
            break;
    }
    return languages;
}

QLocale PlayerLocale()
{
    return QLocale(QLocale::system().uiLanguages().value(0, QStringLiteral("en")));
}

QString InstallTranslations(QCoreApplication& application, const QString& folder)
{
    // The list ends at English, for which there is no file.
    for (const QString& language : PlayerLanguages()) {
        auto game = std::make_unique<QTranslator>(&application);
        if (!game->load(QStringLiteral("glimmerquake_") + language, folder))
            continue;
        QCoreApplication::installTranslator(game.release());
        // Yes, No, Cancel and the file dialog; without Qt's translations installed they stay English.
        auto qt = std::make_unique<QTranslator>(&application);
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt.release());
        return language;
    }
    return QStringLiteral("en");
}
