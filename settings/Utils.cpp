// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Utils.h"

#include "platform/HelpContext.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include <vector>

namespace {

QString KindTitle(QMessageBox::Icon kind)
{
    switch (kind) {
    case QMessageBox::Information:
        return QCoreApplication::translate("MessageBox", "Information");
    case QMessageBox::Warning:
        return QCoreApplication::translate("MessageBox", "Warning");
    case QMessageBox::Critical:
        return QCoreApplication::translate("MessageBox", "Error");
    case QMessageBox::Question:
        return QCoreApplication::translate("MessageBox", "Confirm");
    default:
        return QStringLiteral("Glimmerquake");
    }
}

// Qt centres a dialog over its parent by its own rule; this box places itself once its size is
// known, which is only when it is shown.
class CenteredBox : public QMessageBox {
public:
    CenteredBox(QWidget* owner, bool escapeAnswers) : QMessageBox(owner), owner(owner), escapeAnswers(escapeAnswers) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!escapeAnswers && event->matches(QKeySequence::Cancel))
            return event->accept();
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (!escapeAnswers && event->spontaneous())
            return event->ignore();
        QMessageBox::closeEvent(event);
    }
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (owner)
            move(owner->x() + (owner->width() - width()) / 2, owner->y() + (owner->height() - height()) / 2);
    }

private:
    QWidget* owner;
    bool escapeAnswers;
};

}  // namespace

QString PathInDirectory(const QString& directory, const QString& name)
{
    if (directory.endsWith(u'/') || directory.endsWith(u'\\'))
        return directory + name;
    return directory + u'/' + name;
}

QString FileNameIgnoringCase(const QString& directory, const QString& name)
{
    if (QFileInfo(PathInDirectory(directory, name)).isFile())
        return name;
    // Compared one by one rather than as a name filter, which would take wildcards in `name`.
    const QStringList files = QDir(directory).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files)
        if (file.compare(name, Qt::CaseInsensitive) == 0)
            return file;
    return name;
}

QString AppFilePath(const QString& name)
{
    return PathInDirectory(QCoreApplication::applicationDirPath(), name);
}

bool FontExists(const QString& family)
{
    return QFontDatabase::hasFamily(family);
}

QMessageBox::StandardButton CenteredMessageDialog(QWidget* owner, const QString& text, QMessageBox::Icon kind,
                                                  QMessageBox::StandardButtons buttons, int helpContext,
                                                  bool escapeAnswers)
{
    CenteredBox box(owner, escapeAnswers);
    box.setIcon(kind);
    box.setWindowTitle(KindTitle(kind));
    box.setText(text);
    box.setStandardButtons(buttons & ~QMessageBox::StandardButtons(QMessageBox::Help));
    // The message box would close on Help like on any button; cut that tie and only show the topic.
    QAbstractButton* help = box.addButton(QMessageBox::Help);
    QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(help, &QAbstractButton::clicked, &box, [helpContext] { OpenHelpContext(helpContext); });
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShrinkBitmap(const QImage& source, QImage& destination)
{
    const QImage::Format format = source.format();
    if ((format != QImage::Format_RGB888 && format != QImage::Format_BGR888) || destination.format() != format)
        return;
    const int width = destination.width();
    const int height = destination.height();
    if (width <= 0 || height <= 0)
        return;
    const int factor = source.width() / width;
    if (factor < 1 || factor > 8 || source.height() / factor < height)
        return;
    const unsigned area = static_cast<unsigned>(factor * factor);
    std::vector<unsigned> sums(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int r = 0; r < factor; ++r) {
            const uchar* in = source.constScanLine(y * factor + r);
            for (int x = 0; x < width; ++x) {
                unsigned* sum = &sums[static_cast<std::size_t>(x) * 3];
                for (int c = 0; c < factor; ++c, in += 3) {
                    sum[0] += in[0];
                    sum[1] += in[1];
                    sum[2] += in[2];
                }
            }
        }
        uchar* out = destination.scanLine(y);
        for (std::size_t i = 0; i < sums.size(); ++i)
            out[i] = static_cast<uchar>(sums[i] / area);
    }
}
