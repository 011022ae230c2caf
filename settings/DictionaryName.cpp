// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DictionaryName.h"

#include <QCoreApplication>

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
