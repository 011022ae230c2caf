// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HallOfFame.h"

#include "board/PickLetter.h"
#include "dialogs/help.h"
#include "dictionary/Cp1252.h"
#include "platform/HelpContext.h"
#include "settings/DictionaryName.h"
#include "settings/Persist.h"
#include "settings/WindowState.h"
#include "tools/glimdict/Cp1252Letters.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int helpContext = 130;
constexpr int shownRows = 3;

bool IsScore(const QString& text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && trimmed.front().isDigit();
}

// The row whose value name ends in `suffix` + "0" (a suffix of one digit 1 to 9 for rows 10 to 90);
// -1 for any other suffix.
int RowIndexOf(const QString& suffix)
{
    return suffix.size() == 1 && suffix.front() >= u'1' && suffix.front() <= u'9'
               ? (suffix.front().unicode() - u'0') * 10
               : -1;
}

QStringList ProgramDictionaries()
{
    QStringList names;
    for (const QFileInfo& file : QDir(QCoreApplication::applicationDirPath())
                                     .entryInfoList({QStringLiteral("*.tsd")}, QDir::Files | QDir::Hidden))
        names += file.completeBaseName();
    return names;
}

}  // namespace

std::vector<FameTable> LoadFameTables(const Persist& store, const QStringList& programDictionaries)
{
    QStringList candidates;
    for (const QString& name : store.stringValueNames()) {
        QString row;
        if (name.size() > 1 && name.endsWith(u'0') && store.readString(name, row) &&
            IsScore(ScoreTable::Parse(row).score))
            candidates += name.chopped(1);
    }
    // Shorter names first, so a table is read before the names its rows may be mistaken for.
    std::sort(candidates.begin(), candidates.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a.compare(b, Qt::CaseInsensitive) < 0;
    });
    std::vector<FameTable> tables;
    for (const QString& name : candidates) {
        const auto same = [&name](const FameTable& other) {
            return name.compare(other.dictionary, Qt::CaseInsensitive) == 0;
        };
        const auto rowOf = [&name](const FameTable& shorter) {
            const int index = RowIndexOf(name.mid(shorter.dictionary.size()));
            return name.startsWith(shorter.dictionary, Qt::CaseInsensitive) && index >= 0 &&
                   index < shorter.table.Count();
        };
        if (std::any_of(tables.begin(), tables.end(), same) ||
            (std::any_of(tables.begin(), tables.end(), rowOf) &&
             !programDictionaries.contains(name, Qt::CaseInsensitive)))
            continue;
        tables.push_back({name, {}});
        tables.back().table.Load(store, name);
    }
    std::sort(tables.begin(), tables.end(), [](const FameTable& a, const FameTable& b) {
        return a.dictionary.compare(b.dictionary, Qt::CaseInsensitive) < 0;
    });
    return tables;
}

std::vector<ScoreRow> BestRows(const ScoreTable& table, int count)
{
    std::vector<ScoreRow> rows;
    std::copy_if(table.Rows().begin(), table.Rows().end(), std::back_inserter(rows),
                 [](const ScoreRow& row) { return IsScore(row.score); });
    std::stable_sort(rows.begin(), rows.end(), [](const ScoreRow& a, const ScoreRow& b) {
        return ScoreTable::ParseScore(a.score) > ScoreTable::ParseScore(b.score);
    });
    rows.resize(std::min(rows.size(), static_cast<std::size_t>(count)));
    return rows;
}

QString StoredWordSpelling(const QString& bestWord)
{
    const qsizetype open = bestWord.lastIndexOf(QStringLiteral(" ("));
    return open >= 0 && bestWord.endsWith(u')') ? bestWord.left(open) : bestWord;
}

std::uint32_t StoredWordValue(const QString& bestWord)
{
    const std::optional<std::string> text = Utf8ToCp1252(StoredWordSpelling(bestWord).toStdString());
    if (!text)
        return 0;
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 1;
    bool anyLetter = false;
    char previous = 0;
    for (const char byte : *text) {
        const Cp1252Char c = ClassifyCp1252(static_cast<unsigned char>(byte));
        if (c.kind == CharKind::Separator)
            continue;
        if (c.kind != CharKind::Letter)
            return 0;
        // The U of a QU tile adds no tile of its own.
        const bool quTail = c.capital == 'U' && previous == 'Q';
        if (!quTail)
            value = std::min(value * LetterValue(c.capital), limit);
        previous = quTail ? 0 : c.capital;
        anyLetter = true;
    }
    return anyLetter ? static_cast<std::uint32_t>(value) : 0;
}

THallOfFame::THallOfFame(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HallOfFame"));
    setWindowTitle(tr("Hall of Fame"));
    QFont text(QStringLiteral("Arial"));
    text.setPixelSize(16);
    setFont(text);
    resize(520, 420);
    SetWindowHelpContext(this, helpContext);

    auto* wordGroup = new QGroupBox(tr("Best Word"), this);
    BestWordLabel = new QLabel(wordGroup);
    BestWordLabel->setObjectName(QStringLiteral("BestWordLabel"));
    QFont large = text;
    large.setPixelSize(24);
    large.setBold(true);
    BestWordLabel->setFont(large);
    BestWordOwnerLabel = new QLabel(wordGroup);
    BestWordOwnerLabel->setObjectName(QStringLiteral("BestWordOwnerLabel"));
    for (QLabel* label : {BestWordLabel, BestWordOwnerLabel}) {
        label->setTextFormat(Qt::PlainText);
        // A long stored text is cut rather than widening the window.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    auto* wordLayout = new QVBoxLayout(wordGroup);
    wordLayout->addWidget(BestWordLabel);
    wordLayout->addWidget(BestWordOwnerLabel);

    TablesView = new QTreeWidget(this);
    TablesView->setObjectName(QStringLiteral("TablesView"));
    TablesView->setToolTip(tr("The three highest scores of each dictionary played on this computer"));
    TablesView->setHeaderLabels({tr("Score"), tr("Player"), tr("Best Word")});
    TablesView->setRootIsDecorated(false);
    TablesView->setItemsExpandable(false);
    TablesView->setIndentation(0);
    TablesView->setUniformRowHeights(true);
    TablesView->setSelectionMode(QAbstractItemView::NoSelection);
    TablesView->setFocusPolicy(Qt::NoFocus);
    TablesView->header()->setSectionsClickable(false);
    TablesView->setColumnWidth(0, 100);
    TablesView->setColumnWidth(1, 170);

    HelpButton = new QPushButton(tr("&Help"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setToolTip(tr("View the help information about this window"));
    CloseButton = new QPushButton(tr("&Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setToolTip(tr("Close this window"));
    CloseButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(HelpButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wordGroup);
    layout->addWidget(TablesView, 1);
    layout->addLayout(buttons);

    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [] { OpenHelpContext(helpContext); });

    WindowState state = WindowState::Normal;
    Persist(false).windowPlacement(this, &state);
}

THallOfFame::~THallOfFame()
{
    WindowState state = WindowStateFrom(windowState());
    Persist(true).windowPlacement(this, &state);
}

void THallOfFame::Execute()
{
    if (isVisible())
        return;
    Load();
    exec();
}

void THallOfFame::Load()
{
    TablesView->clear();
    std::vector<FameTable> tables;
    {
        const Persist store(false);
        tables = LoadFameTables(store, ProgramDictionaries());
    }
    const FameTable* bestTable = nullptr;
    const ScoreRow* bestRow = nullptr;
    std::uint32_t bestValue = 0;
    QFont heading = TablesView->font();
    heading.setBold(true);
    for (const FameTable& fame : tables) {
        for (const ScoreRow& row : fame.table.Rows()) {
            const std::uint32_t value = IsScore(row.score) ? StoredWordValue(row.bestWord) : 0;
            if (value > bestValue)
                bestTable = &fame, bestRow = &row, bestValue = value;
        }
        auto* section = new QTreeWidgetItem(TablesView, {DictionaryDisplayName(fame.dictionary)});
        section->setFirstColumnSpanned(true);
        section->setFont(0, heading);
        section->setBackground(0, TablesView->palette().alternateBase());
        for (const ScoreRow& row : BestRows(fame.table, shownRows))
            new QTreeWidgetItem(section, {row.score, row.player, row.bestWord});
    }
    if (tables.empty())
        (new QTreeWidgetItem(TablesView, {tr("No high scores yet: play a game!")}))->setFirstColumnSpanned(true);
    TablesView->expandAll();

    if (bestRow == nullptr) {
        BestWordLabel->setText(tr("None yet"));
        BestWordOwnerLabel->setText(tr("Enter a word in a game that makes the high scores."));
        return;
    }
    BestWordLabel->setText(StoredWordSpelling(bestRow->bestWord));
    BestWordOwnerLabel->setText(tr("worth %1 points, found by %2 in the %3 dictionary")
                                    .arg(bestValue)
                                    .arg(bestRow->player, DictionaryDisplayName(bestTable->dictionary)));
}
