// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/TodayPanel.h"

#include "platform/Translations.h"
#include "settings/DailyResults.h"
#include "settings/KeyHoldOff.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TodayPanel::TodayPanel(QWidget* parent)
    : QFrame(parent),
      dateLabel(new QLabel(this)),
      statusLabel(new QLabel(this)),
      dailyButton(new QPushButton(tr("&Daily game"), this)),
      relaxedButton(new QPushButton(tr("Re&laxed game"), this)),
      copyButton(new QPushButton(tr("Cop&y result"), this)),
      statisticsButton(new QPushButton(tr("S&tatistics..."), this))
{
    setObjectName(QStringLiteral("todayPanel"));
    dateLabel->setObjectName(QStringLiteral("todayDate"));
    statusLabel->setObjectName(QStringLiteral("todayStatus"));
    dailyButton->setObjectName(QStringLiteral("dailyButton"));
    relaxedButton->setObjectName(QStringLiteral("relaxedButton"));
    copyButton->setObjectName(QStringLiteral("copyResultButton"));
    statisticsButton->setObjectName(QStringLiteral("statisticsButton"));
    statisticsButton->setToolTip(tr("View what your finished games add up to"));
    dailyButton->setToolTip(tr("Start today's daily game: the same tiles for every player today"));
    relaxedButton->setToolTip(tr("Start a game whose tiles never come faster, with its own high scores"));
    copyButton->setToolTip(tr("Copy today's daily result, without its words, to share it"));
    QFont bold = dateLabel->font();
    bold.setBold(true);
    dateLabel->setFont(bold);
    statusLabel->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(dateLabel);
    layout->addWidget(statusLabel);
    layout->addStretch(1);
    for (QPushButton* button : {dailyButton, relaxedButton, copyButton, statisticsButton})
        layout->addWidget(button);
    // Framed as the best words list it stands in for.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    connect(dailyButton, &QPushButton::clicked, this, &TodayPanel::dailyChosen);
    connect(relaxedButton, &QPushButton::clicked, this, &TodayPanel::relaxedChosen);
    connect(copyButton, &QPushButton::clicked, this, &TodayPanel::CopyResult);
    connect(statisticsButton, &QPushButton::clicked, this, &TodayPanel::statisticsChosen);
}

void TodayPanel::Refresh(const QString& dictionary_, QDate today_)
{
    dictionary = dictionary_;
    today = today_;
    const DailyResults results(dictionary);
    const std::optional<DailyResult> played = results.On(today);
    const QLocale locale = PlayerLocale();
    dateLabel->setText(tr("Today, %1").arg(locale.toString(today, QLocale::ShortFormat)));
    statusLabel->setText(
        played ? tr("Daily game played: %1 points. Days in a row: %2.")
                     .arg(locale.toString(played->score), locale.toString(results.Streak(today)))
               : tr("Daily game not played yet. Days in a row: %1.").arg(locale.toString(results.Streak(today))));
    copyButton->setEnabled(played.has_value());
}

void TodayPanel::CopyResult()
{
    const DailyResults results(dictionary);
    if (const std::optional<DailyResult> played = results.On(today))
        QGuiApplication::clipboard()->setText(DailyResultLine(*played, dictionary, results.Streak(today)));
}

void ShowDailyResult(QWidget* owner, const DailyResult& result, bool counted, const QString& dictionary, int streak)
{
    QMessageBox box(owner);
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(TodayPanel::tr("Daily Game"));
    const QString line = DailyResultLine(result, dictionary, streak);
    box.setText(counted ? TodayPanel::tr("Today's daily game is over.\n\n%1").arg(line)
                        : TodayPanel::tr("This practice game counts nowhere: today's daily game was played "
                                         "before. It scored %1 points.")
                              .arg(PlayerLocale().toString(result.score)));
    QPushButton* copy = counted ? box.addButton(TodayPanel::tr("Cop&y result"), QMessageBox::ActionRole) : nullptr;
    box.addButton(QMessageBox::Ok);
    // A key still held from play must not close it before it is read.
    const KeyHoldOff holdOff(box);
    box.exec();
    if (copy != nullptr && box.clickedButton() == copy)
        QGuiApplication::clipboard()->setText(line);
}
