// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DictionaryName.h"

#include "settings/PlayerOptions.h"
#include "settings/Utils.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

QString DictionaryDisplayName(const QString& fileName)
{
    static const struct {
        const char* file;
        const char* shown;
    } shipped[] = {
        {"English", QT_TRANSLATE_NOOP("Dictionary", "English")},
        {"British", QT_TRANSLATE_NOOP("Dictionary", "British English")},
        {"French", QT_TRANSLATE_NOOP("Dictionary", "French")},
        {"German", QT_TRANSLATE_NOOP("Dictionary", "German")},
        {"Spanish", QT_TRANSLATE_NOOP("Dictionary", "Spanish")},
    };
    for (const auto& name : shipped)
        if (fileName.compare(QLatin1String(name.file), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("Dictionary", name.shown);
    return fileName;
}

QString DesktopDictionary(const QStringList& languages, const QString& folder)
{
    static const struct {
        const char* language;  // a language, or a language and its country
        const char* file;
    } byLanguage[] = {{"en-GB", "British"}, {"en", "English"}, {"de", "German"}, {"fr", "French"}, {"es", "Spanish"}};
    for (QString language : languages) {
        language.replace(u'_', u'-');
        for (const auto& [code, file] : byLanguage) {
            const QString prefix = QLatin1String(code);
            const bool matches = language.compare(prefix, Qt::CaseInsensitive) == 0 ||
                                 language.startsWith(prefix + u'-', Qt::CaseInsensitive);
            if (matches && QFileInfo::exists(PathInDirectory(
                               folder, FileNameIgnoringCase(folder, QLatin1String(file) + QStringLiteral(".tsd")))))
                return QLatin1String(file);
        }
    }
    return QLatin1String(DefaultDictionaryName);
}
