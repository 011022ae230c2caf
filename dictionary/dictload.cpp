// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictload.h"

#include "settings/FitCaptions.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <climits>

LazyWindow<TDictionaryLoading> DictionaryLoading;

namespace {

// QProgressBar counts in int; word counts of a hand-made file may not fit.
int ClampToInt(std::uint32_t value)
{
    return static_cast<int>(std::min<std::uint32_t>(value, INT_MAX));
}

}  // namespace

TDictionaryLoading::TDictionaryLoading(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("DictionaryLoading"));
    setWindowTitle(tr("Dictionary Loading"));
    setFixedSize(434, 81);
    setModal(false);

    Label1 = new QLabel(tr("Please wait while the dictionary is loaded."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    Label1->setFont(font);
    Label1->setGeometry(10, 10, 302, 19);
    // A caption longer than the designed box, as in a translation or with a wider fallback font,
    // takes the room up to the bar's width before its font gets smaller.
    if (!CaptionFits(*Label1))
        Label1->resize(415, 19);

    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setGeometry(10, 39, 415, 31);
    Progress->setRange(0, 100);
    Progress->setValue(0);
    Progress->setTextVisible(false);
    // Translated captions longer than the designed boxes.
    FitCaptions(*this);
}

void TDictionaryLoading::SetRange(std::uint32_t maximum)
{
    Progress->setRange(0, std::max(1, ClampToInt(maximum)));
    Progress->setValue(0);
}

void TDictionaryLoading::SetPosition(std::uint32_t position)
{
    Progress->setValue(ClampToInt(position));
}

void TDictionaryLoading::LetMessagesRun()
{
    QCoreApplication::processEvents();
}

void TDictionaryLoading::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
