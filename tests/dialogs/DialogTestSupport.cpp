#include "DialogTestSupport.h"

#include "settings/Persist.h"

#include <QDesktopServices>

QString Stored(const QString& name)
{
    QString value = QStringLiteral("<absent>");
    Persist(false).readString(name, value);
    return value;
}

void Store(const std::vector<std::pair<QString, QString>>& values)
{
    Persist store(true);
    for (const auto& [name, value] : values)
        store.writeString(name, value);
}

void StoreRows(const QString& dictionary, const std::vector<int>& scores)
{
    Persist store(true);
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const QString n = QString::number(i);
        store.writeString(dictionary + n, QString::number(scores[i]) + QStringLiteral("\tP") + n +
                                              QStringLiteral("\tW") + n);
    }
}

UrlRecorder::UrlRecorder(const std::vector<QString>& schemes) : schemes(schemes)
{
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlRecorder::~UrlRecorder()
{
    for (const QString& scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}
