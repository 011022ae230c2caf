// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/WordDefinitions.h"

#include "dictionary/WordNet.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QStringList>
#include <QTextBrowser>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

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

WordDefinitions::WordDefinitions(QWidget& owner, std::function<QString()> dictionary, std::string folder,
                                 std::function<QRect()> spare)
    : owner(owner),
      dictionary(std::move(dictionary)),
      spare(std::move(spare)),
      wordNet(std::make_unique<WordNet>(std::move(folder)))
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

void WordDefinitions::Watch(QLabel& label)
{
    label.installEventFilter(this);
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
        window->setObjectName(QStringLiteral("definitionsWindow"));
        // Play goes on while it shows: typed letters stay with the game. Esc closes it.
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        windowText = new QTextBrowser(window);
        (new QVBoxLayout(window))->addWidget(windowText);
    }
    if (!window->isVisible())
        window->setGeometry(Place(QSize(440, 320)));
    window->setWindowTitle(tr("Definitions: %1").arg(RowWord(rowText)));
    windowText->setHtml(ToHtml(text));
    window->show();
    window->raise();
}

QRect WordDefinitions::Place(QSize size) const
{
    // Never over the board: beside the owner, right or left, where the screen has room.
    const QRect frame = owner.frameGeometry();
    const QRect screen = owner.screen() ? owner.screen()->availableGeometry() : QRect();
    for (const int left : {frame.right() + 9, frame.left() - 8 - size.width()}) {
        if (left < screen.left() || left + size.width() - 1 > screen.right())
            continue;
        const int lowest = std::max(screen.top(), screen.bottom() + 1 - size.height());
        return {QPoint(left, std::clamp(frame.top(), screen.top(), lowest)), size};
    }
    const QRect cover = spare ? spare() : QRect();
    if (!cover.isEmpty())
        return cover;
    return {frame.topRight() - QPoint(size.width() - 1, 0), size};
}

bool WordDefinitions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    if (auto* label = qobject_cast<QLabel*>(watched)) {
        const QString tip = ToolTip(label->text());
        if (tip.isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, label);
        return true;
    }
    const auto column = columns.find(watched);
    if (column == columns.end())
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
