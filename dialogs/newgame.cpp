// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/newgame.h"

#include "board/GameSession.h"
#include "dialogs/HallOfFame.h"
#include "dialogs/StatisticsForm.h"
#include "dialogs/help.h"
#include "dialogs/options.h"
#include "platform/HelpContext.h"
#include "settings/DictionaryName.h"
#include "settings/FitCaptions.h"
#include "settings/KeyHoldOff.h"
#include "settings/Persist.h"
#include "settings/WindowState.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

LazyWindow<TNewGameForm> NewGameForm;

namespace {

constexpr int designedWidths[3] = {70, 170, 120};

QPushButton* MakeButton(const QString& caption, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    return button;
}

}  // namespace

TNewGameForm::TNewGameForm(PlayerOptions& playerOptions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      options(playerOptions),
      formAnchors(QSize(499, 340)),
      groupAnchors(QSize(381, 327))
{
    setObjectName(QStringLiteral("NewGameForm"));
    setWindowTitle(tr("Scores"));
    QFont captions(QStringLiteral("Arial"));
    captions.setPixelSize(16);
    setFont(captions);
    resize(499, 340);
    SetWindowHelpContext(this, 10);

    // Created in tab order: the buttons on the right, then the group with its list and buttons.
    OKButton = MakeButton(tr("&Start"), tr("Start a new game"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = MakeButton(tr("&Close"), tr("Close this window"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    helpButton = MakeButton(tr("&Help"), tr("View the help information about this dialog"), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    OptionsButton = MakeButton(tr("&Options..."), tr("Change options such as your nickname"), this);
    statisticsButton = MakeButton(tr("S&tatistics..."), tr("View what your finished games add up to"), this);
    statisticsButton->setObjectName(QStringLiteral("statisticsButton"));
    OptionsButton->setObjectName(QStringLiteral("OptionsButton"));
    //: The title of the high score table; %1 is the dictionary's name.
    groupCaption = tr("%1 High Scores");
    HighScoresGroup = new QGroupBox(groupCaption.arg(QString()), this);
    HighScoresGroup->setObjectName(QStringLiteral("HighScoresGroup"));
    HighScoreTable = new QTreeWidget(HighScoresGroup);
    HighScoreTable->setObjectName(QStringLiteral("HighScoreTable"));
    HighScoreTable->setToolTip(tr("The highest scores achieved on this computer"));
    HighScoreTable->setHeaderLabels({tr("Score"), tr("Player"), tr("Best Word")});
    HighScoreTable->setRootIsDecorated(false);
    HighScoreTable->setUniformRowHeights(true);
    HighScoreTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HighScoreTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    HighScoreTable->setSelectionMode(QAbstractItemView::SingleSelection);
    HighScoreTable->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    HighScoreTable->header()->setSectionsClickable(false);
    HighScoreTable->header()->setStretchLastSection(false);
    // The new entry stays marked while the focus is on the buttons.
    QPalette colours = HighScoreTable->palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    HighScoreTable->setPalette(colours);
    for (int column = 0; column < 3; ++column)
        HighScoreTable->setColumnWidth(column, designedWidths[column]);
    hallOfFameButton = MakeButton(tr("Hall of &Fame..."),
                                  tr("View the best scores and the best word of every dictionary"), HighScoresGroup);
    hallOfFameButton->setObjectName(QStringLiteral("hallOfFameButton"));
    hallOfFame = std::make_unique<THallOfFame>(this);
    mailHighScoreButton =
        MakeButton(tr("&Mail High Score..."), tr("Mailing a high score is not offered"), HighScoresGroup);
    mailHighScoreButton->setObjectName(QStringLiteral("mailHighScoreButton"));
    mailHighScoreButton->setEnabled(false);
    notKeptLabel = new QLabel(tr("This score could not be saved: it is lost when the game closes."), this);
    notKeptLabel->setObjectName(QStringLiteral("notKeptLabel"));
    notKeptLabel->setWordWrap(true);
    notKeptLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notKeptLabel->setStyleSheet(QStringLiteral("color: #8b0000; font-size: 12px;"));
    notKeptLabel->hide();
    recordLabel = new QLabel(this);
    recordLabel->setObjectName(QStringLiteral("recordLabel"));
    recordLabel->setWordWrap(true);
    recordLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    recordLabel->setStyleSheet(QStringLiteral("color: #006400; font-weight: bold;"));
    recordLabel->hide();
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setToolTip(tr("Type your name for the high score table"));
    nameEdit->setAccessibleName(tr("Your name"));
    nameEdit->installEventFilter(this);
    nameEdit->hide();
    connect(nameEdit, &QLineEdit::editingFinished, this, &TNewGameForm::TakeName);

    formAnchors.Place(HighScoresGroup, QRect(8, 6, 381, 327), Anchors::All);
    formAnchors.Place(OKButton, QRect(396, 13, 96, 28), Anchors::Top | Anchors::Right);
    formAnchors.Place(CancelButton, QRect(396, 47, 96, 28), Anchors::Top | Anchors::Right);
    formAnchors.Place(helpButton, QRect(396, 82, 96, 28), Anchors::Top | Anchors::Right);
    formAnchors.Place(OptionsButton, QRect(396, 305, 96, 28), Anchors::Right | Anchors::Bottom);
    formAnchors.Place(statisticsButton, QRect(396, 271, 96, 28), Anchors::Right | Anchors::Bottom);
    formAnchors.Place(recordLabel, QRect(396, 120, 96, 60), Anchors::Top | Anchors::Right);
    formAnchors.Place(nameEdit, QRect(396, 184, 96, 24), Anchors::Top | Anchors::Right);
    formAnchors.Place(notKeptLabel, QRect(396, 212, 96, 52), Anchors::Top | Anchors::Right);
    groupAnchors.Place(HighScoreTable, QRect(8, 22, 364, 262), Anchors::All);
    groupAnchors.Place(hallOfFameButton, QRect(8, 291, 177, 28), Anchors::Left | Anchors::Bottom);
    groupAnchors.Place(mailHighScoreButton, QRect(196, 291, 177, 28), Anchors::Right | Anchors::Bottom);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { OpenHelpContext(10); });
    connect(OptionsButton, &QPushButton::clicked, this, [this] { ShowOptions(true); });
    connect(hallOfFameButton, &QPushButton::clicked, hallOfFame.get(), &THallOfFame::Execute);
    statistics = std::make_unique<TStatisticsForm>(this);
    connect(statisticsButton, &QPushButton::clicked, this, [this] {
        statistics->Execute(options.GetDictionary(), relaxedTable ? GameKind::Relaxed : GameKind::Standard);
    });

    {
        Persist store(false);
        WindowState state = WindowState::Normal;
        store.windowPlacement(this, &state);
        if (state == WindowState::Maximized)
            setWindowState(ApplyWindowState(windowState(), state));
        TransferColumnWidths(store, false);
    }
    LayOut();
    TransferScores(false);
    // Translated captions longer than the designed boxes.
    FitCaptions(*this);
}

TNewGameForm::~TNewGameForm()
{
    SaveSettings();
}

int TNewGameForm::ShowScores(ScoresKind kind, std::uint32_t score, const QString& bestWord, bool relaxed,
                             bool personalBest)
{
    // A result at the top of its table is a record; one above every earlier game of the player's
    // with this dictionary and kind is the player's best.
    recordLabel->hide();
    if (kind != ScoresKind::ViewScores && score > 0) {
        if (relaxed != relaxedTable) {
            relaxedTable = relaxed;
            TransferScores(false);
        }
        const QString dictionary = DictionaryDisplayName(options.GetDictionary());
        const QString text = scores.RankOf(score) == 0 ? tr("New record!")
                             : !personalBest           ? QString()
                             : relaxed                 ? tr("Your best relaxed %1 game").arg(dictionary)
                                                       : tr("Your best %1 game").arg(dictionary);
        recordLabel->setText(text);
        recordLabel->setVisible(!text.isEmpty());
    }
    // A relaxed game's score goes to the relaxed table, shown for this once.
    if (relaxed != relaxedTable) {
        relaxedTable = relaxed;
        TransferScores(false);
    }
    const int shown = ShowTable(kind, score, bestWord);
    if (relaxedTable) {
        relaxedTable = false;
        NewEntryIndex = -1;
        TransferScores(false);
    }
    return shown;
}

int TNewGameForm::ShowTable(ScoresKind kind, std::uint32_t score, const QString& bestWord)
{
    switch (kind) {
    case ScoresKind::ViewScores:
        setWindowTitle(tr("Scores"));
        break;
    case ScoresKind::GameEnded:
        setWindowTitle(tr("Game Ended"));
        break;
    case ScoresKind::GameOver:
        setWindowTitle(tr("Game Over"));
        break;
    }
    NewEntryIndex = -1;
    notKeptLabel->hide();
    lastScore = score;
    pendingScroll = -1;
    if (score > 0) {
        lastBestWord = bestWord;
        const int position = scores.RankOf(score);
        const bool qualifies = scores.MakeRoom(position, Capacity());
        ShowRows();
        if (qualifies) {
            NewEntryIndex = position;
            SetEntry(false, position);
        }
        pendingScroll = position;
    }
    SelectNewEntry();
    mailHighScoreButton->setEnabled(false);
    // Never open the dialog a second time over itself. At the end of a game it comes by itself,
    // and a key still held from play (Return on the last word) must not start the next one.
    std::optional<KeyHoldOff> holdOff;
    if (kind != ScoresKind::ViewScores)
        holdOff.emplace(*this);
    // A new result under the default nickname asks for a name, ready to type over.
    nameEdit->setText(options.GetNickname());
    nameEdit->setVisible(kind != ScoresKind::ViewScores && NewEntryIndex >= 0 &&
                         options.GetNickname() == QCoreApplication::translate("PlayerOptions", "Anonymous"));
    if (!nameEdit->isHidden()) {
        nameEdit->setFocus();
        nameEdit->selectAll();
    }
    const int result = isVisible() ? QDialog::Rejected : exec();
    TakeName();
    nameEdit->hide();
    SaveSettings();
    return result == QDialog::Accepted ? 1 : 0;
}

void TNewGameForm::ShowOptions(bool allowDictionaryChange)
{
    if (OptionsForm->isVisible())
        return;
    const std::optional<PlayerOptions> chosen = OptionsForm->Execute(options, allowDictionaryChange);
    if (!chosen)
        return;
    // A new nickname renames the row of the last result in the table shown now; only then does
    // the dictionary change.
    const QString dictionary = chosen->GetDictionary();
    const bool renamed = chosen->GetNickname() != options.GetNickname();
    const QString shown = options.GetDictionary();
    options = *chosen;
    options.SetDictionary(shown);
    if (renamed)
        nameEdit->hide();
    if (renamed && allowDictionaryChange) {
        if (NewEntryIndex >= 0 && NewEntryIndex < scores.Count()) {
            SetEntry(true, NewEntryIndex);
            SelectNewEntry();
        }
        TransferScores(true);
    }
    if (dictionary != options.GetDictionary()) {
        ChooseDictionary(dictionary);
    }
    SaveSettings();
}

void TNewGameForm::ChooseDictionary(const QString& dictionary)
{
    options.SetDictionary(dictionary);
    NewEntryIndex = -1;
    TransferScores(false);
    SelectNewEntry();
    SaveSettings();
}

void TNewGameForm::SaveSettings()
{
    Persist store(true);
    store.Describe(tr("your options and the place of the windows"));
    options.Save(store);
    WindowState state = WindowStateFrom(windowState());
    store.windowPlacement(this, &state);
    TransferColumnWidths(store, true);
}

QString TNewGameForm::TableName() const
{
    const QString dictionary = DictionaryDisplayName(options.GetDictionary());
    //: The relaxed game's own high score table of a dictionary: "English, relaxed game".
    return relaxedTable ? tr("%1, relaxed game").arg(dictionary) : dictionary;
}

void TNewGameForm::TransferScores(bool save)
{
    if (save) {
        Persist store(true, relaxedTable ? relaxedScoresKey : QString());
        store.Describe(tr("the high scores of %1").arg(TableName()));
        scores.Save(store, options.GetDictionary());
        // A result the table shows but the file lost says so beside the table.
        if (!store.Save() && NewEntryIndex >= 0)
            notKeptLabel->show();
        return;
    }
    HighScoresGroup->setTitle(groupCaption.arg(TableName()));
    {
        const Persist store(false, relaxedTable ? relaxedScoresKey : QString());
        scores.Load(store, options.GetDictionary());
    }
    ShowRows();
}

void TNewGameForm::TakeName()
{
    const QString name = nameEdit->text().trimmed();
    // Only a name the player typed: the options may have named the player meanwhile.
    if (nameEdit->isHidden() || !nameEdit->isModified() || name.isEmpty() || name == options.GetNickname())
        return;
    nameEdit->setModified(false);
    options.SetNickname(name);
    if (NewEntryIndex >= 0 && NewEntryIndex < scores.Count()) {
        SetEntry(true, NewEntryIndex);
        SelectNewEntry();
    }
    SaveSettings();
}

bool TNewGameForm::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the name field takes the name; it does not start the next game.
    if (watched == nameEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TakeName();
            HighScoreTable->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TNewGameForm::SetEntry(bool replace, int index)
{
    scores.SetEntry(replace, index, lastScore, options.GetNickname(), lastBestWord);
    ShowRows();
    TransferScores(true);
}

int TNewGameForm::Capacity()
{
    return std::max(VisibleRows(), ScoreTable::minCapacity);
}

void TNewGameForm::TransferColumnWidths(Persist& store, bool save)
{
    for (int column = 0; column < 3; ++column) {
        const QString name = QStringLiteral("ScoresColumnWidth") + QString::number(column);
        if (save) {
            store.writeInteger(name, HighScoreTable->columnWidth(column));
        } else {
            int width = 0;
            if (store.readInteger(name, width))
                HighScoreTable->setColumnWidth(column, width);
        }
    }
}

void TNewGameForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOut();
}

void TNewGameForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (pendingScroll >= 0)
        ScrollToRank(pendingScroll);
    pendingScroll = -1;
}

void TNewGameForm::LayOut()
{
    formAnchors.Apply(size());
    groupAnchors.Apply(HighScoresGroup->size());
    // A hidden list gets its resize only when first shown; its viewport must have the right
    // size now, since the capacity of the table is counted from it.
    if (HighScoreTable->testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent resize(HighScoreTable->size(), QSize());
        QApplication::sendEvent(HighScoreTable, &resize);
        HighScoreTable->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

int TNewGameForm::VisibleRows()
{
    LayOut();
    if (HighScoreTable->topLevelItemCount() == 0)
        return 0;
    const int rowHeight = std::max(HighScoreTable->sizeHintForRow(0), 1);
    return std::max(HighScoreTable->viewport()->height(), 0) / rowHeight;
}

void TNewGameForm::ShowRows()
{
    HighScoreTable->clear();
    QList<QTreeWidgetItem*> items;
    for (const ScoreRow& row : scores.Rows()) {
        QStringList columns{row.score};
        if (row.hasColumns)
            columns << row.player << row.bestWord;
        items << new QTreeWidgetItem(columns);
    }
    HighScoreTable->addTopLevelItems(items);
}

void TNewGameForm::SelectNewEntry()
{
    HighScoreTable->clearSelection();
    QTreeWidgetItem* item = NewEntryIndex >= 0 ? HighScoreTable->topLevelItem(NewEntryIndex) : nullptr;
    if (item == nullptr) {
        HighScoreTable->setCurrentItem(nullptr);
        return;
    }
    HighScoreTable->setCurrentItem(item);
    item->setSelected(true);
}

void TNewGameForm::ScrollToRank(int position)
{
    const int count = HighScoreTable->topLevelItemCount();
    if (count == 0)
        return;
    const QModelIndex top = HighScoreTable->indexAt(QPoint(1, 1));
    const int topRow = top.isValid() ? top.row() : 0;
    const int visible = std::max(VisibleRows(), 1);
    if (position >= topRow && position < topRow + visible)
        return;
    const int first = std::clamp(position - visible + 1, 0, count - 1);
    HighScoreTable->scrollToItem(HighScoreTable->topLevelItem(first), QAbstractItemView::PositionAtTop);
}
