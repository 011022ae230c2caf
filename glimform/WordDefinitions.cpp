// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/WordDefinitions.h"

#include "dictionary/WordNet.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QHelpEvent>
#include <QScreen>
#include <QStringList>
#include <QTextBrowser>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The word of a row: its text before a trailing " (value)".
QString RowWord(const QString& rowText)
{
    const qsizetype bracket = rowText.lastIndexOf(QStringLiteral(" ("));
    return bracket > 0 && rowText.endsWith(QLatin1Char(')')) ? rowText.left(bracket) : rowText.trimmed();
}

// Definition lines as rich text: each lemma with its part of speech in bold, its senses below.
QString ToHtml(const QString& text)
{
    QString html = QStringLiteral("<qt>");
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const bool sense = line.startsWith(QLatin1Char(' '));
        html += sense ? QStringLiteral("&nbsp;&nbsp;") + line.trimmed().toHtmlEscaped() + QStringLiteral("<br>")
                      : QStringLiteral("<b>") + line.toHtmlEscaped() + QStringLiteral("</b><br>");
    }
    html.chop(4);
    return html + QStringLiteral("</qt>");
}

}  // namespace

WordDefinitions::WordDefinitions(QWidget& owner, std::function<QString()> dictionary, std::string folder)
    : owner(owner), dictionary(std::move(dictionary)), wordNet(std::make_unique<WordNet>(std::move(folder)))
{
}

WordDefinitions::~WordDefinitions() = default;

void WordDefinitions::Watch(QAbstractItemView& view, int column, bool windowOnDoubleClick)
{
    QWidget* viewport = view.viewport();
    columns[viewport] = column;
    viewport->installEventFilter(this);
    connect(viewport, &QObject::destroyed, this, [this](QObject* gone) { columns.erase(gone); });
    if (windowOnDoubleClick) {
        connect(&view, &QAbstractItemView::doubleClicked, this, [this, column](const QModelIndex& index) {
            ShowWindow(index.siblingAtColumn(column).data().toString());
        });
    }
}

QString WordDefinitions::Text(const QString& rowText, bool brief)
{
    const QString name = dictionary();
    const bool english = name.compare(QLatin1String("English"), Qt::CaseInsensitive) == 0 ||
                         name.compare(QLatin1String("British"), Qt::CaseInsensitive) == 0;
    const QString word = RowWord(rowText);
    if (!english || word.isEmpty())
        return {};
    const auto detail = brief ? DefinitionDetail::Brief : DefinitionDetail::Full;
    return QString::fromStdString(FormatDefinition(wordNet->Define(word.toStdString()), detail));
}

QString WordDefinitions::ToolTip(const QString& rowText)
{
    const QString text = Text(rowText, true);
    return text.isEmpty() ? QString() : ToHtml(text);
}

void WordDefinitions::ShowWindow(const QString& rowText)
{
    const QString text = Text(rowText, false);
    if (text.isEmpty())
        return;
    if (window == nullptr) {
        window = new QDialog(&owner);
        window->resize(440, 320);
        windowText = new QTextBrowser(window);
        (new QVBoxLayout(window))->addWidget(windowText);
        // Beside the owner where the screen has room, so that it does not cover the board.
        const QPoint beside = owner.frameGeometry().topRight() + QPoint(8, 0);
        if (owner.screen() && beside.x() + window->width() <= owner.screen()->availableGeometry().right())
            window->move(beside);
    }
    window->setWindowTitle(tr("Definitions: %1").arg(RowWord(rowText)));
    windowText->setHtml(ToHtml(text));
    window->show();
    window->raise();
    window->activateWindow();
}

bool WordDefinitions::eventFilter(QObject* watched, QEvent* event)
{
    const auto column = columns.find(watched);
    if (event->type() != QEvent::ToolTip || column == columns.end())
        return false;
    const auto* view = qobject_cast<const QAbstractItemView*>(watched->parent());
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = view ? view->indexAt(help->pos()) : QModelIndex();
    if (!index.isValid() || index.column() != column->second)
        return false;
    const QString tip = ToolTip(index.data().toString());
    if (tip.isEmpty())
        return false;
    QToolTip::showText(help->globalPos(), tip, view->viewport(), view->visualRect(index));
    return true;
}
