#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <vector>

// A stored string value of the settings key, or "<absent>".
QString Stored(const QString& name);
// Writes string values under the settings key.
void Store(const std::vector<std::pair<QString, QString>>& values);
// Stores rows "dictionary0".. with scores from `scores`, players P0.., words W0...
void StoreRows(const QString& dictionary, const std::vector<int>& scores);

// Takes the desktop's requests to open addresses of the given schemes while it lives.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    explicit UrlRecorder(const std::vector<QString>& schemes);
    ~UrlRecorder() override;

    std::vector<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }

private:
    std::vector<QString> schemes;
};
