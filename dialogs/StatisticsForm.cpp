// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StatisticsForm.h"

#include "dialogs/StatisticsCharts.h"
#include "dialogs/help.h"
#include "platform/HelpContext.h"
#include "platform/Translations.h"
#include "settings/DictionaryName.h"
#include "settings/GameHistoryFile.h"
#include "settings/Persist.h"
#include "settings/Utils.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr int helpContext = 150;

}  // namespace

TStatisticsForm::TStatisticsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      DictionaryBox(new QComboBox(this)),
      KindBox(new QComboBox(this)),
      Chart(new ScoreChart(this)),
      Calendar(new CalendarStrip(this)),
      ClearButton(new QPushButton(tr("C&lear statistics..."), this)),
      HelpButton(new QPushButton(tr("&Help"), this)),
      CloseButton(new QPushButton(tr("&Close"), this)),
      history(std::make_unique<GameHistoryFile>()),
      counts(new QFormLayout)
{
    setObjectName(QStringLiteral("StatisticsForm"));
    setWindowTitle(tr("Statistics"));
    resize(460, 480);
    SetWindowHelpContext(this, helpContext);
    DictionaryBox->setObjectName(QStringLiteral("DictionaryBox"));
    KindBox->setObjectName(QStringLiteral("KindBox"));
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);
    KindBox->addItem(tr("Standard game"), 0);
    KindBox->addItem(tr("Daily game"), 1);
    KindBox->addItem(tr("Relaxed game"), 2);
    DictionaryBox->setAccessibleName(tr("Dictionary"));
    KindBox->setAccessibleName(tr("Kind of game"));

    auto* choice = new QHBoxLayout;
    choice->addWidget(DictionaryBox, 1);
    choice->addWidget(KindBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ClearButton);
    buttons->addStretch();
    buttons->addWidget(HelpButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(counts);
    layout->addWidget(Chart, 1);
    layout->addWidget(Calendar, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);

    connect(DictionaryBox, &QComboBox::currentIndexChanged, this, &TStatisticsForm::Refresh);
    connect(KindBox, &QComboBox::currentIndexChanged, this, &TStatisticsForm::Refresh);
    connect(ClearButton, &QPushButton::clicked, this, &TStatisticsForm::ClearStatistics);
    connect(HelpButton, &QPushButton::clicked, this, [] { OpenHelpContext(helpContext); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    WindowState state = WindowState::Normal;
    Persist(false).windowPlacement(this, &state);
}

TStatisticsForm::~TStatisticsForm()
{
    WindowState state = WindowStateFrom(windowState());
    Persist(true).windowPlacement(this, &state);
}

void TStatisticsForm::Execute(const QString& dictionary, GameKind kind)
{
    if (isVisible())
        return;
    // Every dictionary with games, and the one asked for.
    std::set<QString> names{dictionary};
    for (const FinishedGame& game : history->Read())
        names.insert(QString::fromStdString(game.dictionary));
    {
        // Quiet only while filled: the player's own choices refresh the counts.
        const QSignalBlocker quiet(DictionaryBox), quietKind(KindBox);
        DictionaryBox->clear();
        for (const QString& name : names)
            DictionaryBox->addItem(DictionaryDisplayName(name), name);
        DictionaryBox->setCurrentIndex(DictionaryBox->findData(dictionary));
        KindBox->setCurrentIndex(static_cast<int>(kind));
    }
    Refresh();
    exec();
}

void TStatisticsForm::Refresh()
{
    const QString dictionary = DictionaryBox->currentData().toString();
    const auto kind = static_cast<GameKind>(KindBox->currentIndex());
    const QDate today = QDate::currentDate();
    const std::vector<FinishedGame> games = history->Read();
    const GameStatistics c =
        CountGames(games, dictionary.toStdString(), kind, today.toString(Qt::ISODate).toStdString());
    const QLocale locale = PlayerLocale();
    while (counts->rowCount() > 0)
        counts->removeRow(0);
    const auto row = [this](const QString& caption, const QString& value) {
        auto* shown = new QLabel(value);
        shown->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        counts->addRow(caption, shown);
    };
    row(tr("Games played:"), locale.toString(c.games));
    row(tr("Time played:"), tr("%1 h %2 min").arg(c.seconds / 3600).arg(c.seconds / 60 % 60, 2, 10, QLatin1Char('0')));
    row(tr("Best score:"), locale.toString(c.bestScore));
    row(tr("Mean score:"), locale.toString(c.meanScore, 'f', 0));
    row(tr("Median score:"), locale.toString(c.medianScore, 'f', 0));
    row(tr("Words entered:"), locale.toString(static_cast<qulonglong>(c.words)));
    row(tr("Longest word:"), QString::fromStdString(c.longestWord));
    row(tr("Most valuable word:"),
        c.bestWord.empty()
            ? QString()
            : QStringLiteral("%1 (%2)").arg(QString::fromStdString(c.bestWord)).arg(locale.toString(c.bestValue)));
    row(tr("Lives earned:"), locale.toString(static_cast<qulonglong>(c.livesEarned)));
    if (kind == GameKind::Daily)
        row(tr("Days in a row:"), tr("%1 now, %2 at best").arg(c.currentStreak).arg(c.bestStreak));
    Chart->SetScores(c.recentScores);
    std::set<QDate> played;
    for (const FinishedGame& game : games)
        if (game.kind == GameKind::Daily && QString::fromStdString(game.dictionary) == dictionary)
            played.insert(QDate::fromString(QString::fromStdString(game.ended).left(10), Qt::ISODate));
    Calendar->SetDays(played, today);
    Calendar->setVisible(kind == GameKind::Daily);
    ClearButton->setEnabled(!games.empty());
}

void TStatisticsForm::ClearStatistics()
{
    if (CenteredMessageDialog(this,
                              tr("Forget every finished game of every dictionary and kind? The high scores and the "
                                 "daily results stay."),
                              QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                              helpContext) != QMessageBox::Yes)
        return;
    history->Clear();
    Refresh();
}
