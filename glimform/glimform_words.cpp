// Word entry: the word in progress, entering words for points and lives, the best words.
#include "glimform/glimform.h"

#include "dialogs/newgame.h"
#include "board/WordFinder.h"
#include "dictionary/Cp1252.h"
#include "glimform/LivesArea.h"
#include "settings/Sounder.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

void TGlimmerForm::SelectDragTile(bool keepClicked)
{
    std::vector<Chip*> changed;
    const std::string letters = board->Select(dragTile, keepClicked, changed);
    if (changed.empty()) {
        return;
    }
    const bool valid = ShowWordInProgress(letters, true, changed);
    PlaySound(valid ? SoundEvent::SelectWord : SoundEvent::SelectTile, NewGameForm->GetSelectTileSounds());
}

void TGlimmerForm::TypeLetter(char letter)
{
    std::vector<Chip*> changed;
    if (!typedWord.Type(*board, letter, changed)) {
        if (NewGameForm->GetSelectTileSounds()) {
            sounder->playRefusal();
        }
        return;
    }
    const bool valid = ShowWordInProgress(board->WordInProgress(), true, changed);
    PlaySound(valid ? SoundEvent::SelectWord : SoundEvent::SelectTile, NewGameForm->GetSelectTileSounds());
}

void TGlimmerForm::ShowMissedWord()
{
    const PrefixFilter& prefixes = words.Prefixes();
    const FoundWord found = FindBestWord(
        *board, {[&prefixes](std::string_view letters) { return prefixes.MayStart(letters); },
                 [this, &prefixes](std::string_view letters) {
                     return prefixes.MayBeWord(letters) && !words.Lookup(letters).empty();
                 }});
    missedWord = found.letters.empty() ? QString()
                                       //: The best word the board held when the round ended, and its value.
                                       : tr("missed: %1 (%2)")
                                             .arg(QString::fromStdString(Cp1252ToUtf8(words.Lookup(found.letters))))
                                             .arg(found.value);
    // A long word would run out of the box: the line shrinks to fit instead.
    const QFontMetrics metrics(wordInProgress->font());
    const int room = wordInProgress->contentsRect().width() - metrics.horizontalAdvance(QLatin1Char('x'));
    const int width = metrics.horizontalAdvance(missedWord);
    if (room > 0 && width > room) {
        const int pixels = std::max(8, wordInProgress->font().pixelSize() * room / width);
        missedWord = QStringLiteral("<span style=\"font-size:%1px\">%2</span>").arg(pixels).arg(missedWord.toHtmlEscaped());
    }
    wordInProgress->setText(missedWord);
}

bool TGlimmerForm::ShowWordInProgress(const std::string& letters, bool setText, const std::vector<Chip*>& tiles)
{
    const std::string word = words.Lookup(letters);
    const bool valid = !word.empty();
    // Dictionary text is Windows-1252: its typographic apostrophe (0x92) is not Latin-1.
    const QString text = valid ? QString::fromStdString(Cp1252ToUtf8(word)) +
                                     QStringLiteral(" (%1)").arg(board->SelectionValue())
                               : QString::fromLatin1(letters);
    enterButton->setEnabled(valid);
    clearButton->setEnabled(!letters.empty());
    if (setText) {
        wordInProgress->setText(text);
    }
    PaintTiles(tiles);
    return valid;
}

void TGlimmerForm::EnterWord()
{
    const std::uint32_t old = score;
    // Kept within 32 bits: a huge word tops the score out instead of wrapping it to a small one.
    const std::uint64_t total = std::uint64_t{old} + board->SelectionValue();
    SetScore(static_cast<std::uint32_t>(std::min<std::uint64_t>(total, UINT32_MAX)));
    std::vector<Chip*> removed;
    board->RemoveSelected(removed);
    if (removed.empty()) {
        return;
    }
    const std::uint32_t newLives = score / pointsPerLife - old / pointsPerLife;
    if (newLives > 0) {
        SetLives(lives + newLives);
    }
    const std::uint32_t value = score - old;
    UpdateBestWords(value, wordInProgress->text());
    ShowWordInProgress({}, false, removed);

    const SoundEvent sound = newLives != 0 ? SoundEvent::NewLife
                             : value >= highWordValue ? SoundEvent::HighWord
                                                      : SoundEvent::LowWord;
    PlaySound(sound, NewGameForm->GetEnterWordSounds());
}

void TGlimmerForm::ClearWord()
{
    std::vector<Chip*> changed;
    board->ClearSelection(changed);
    if (!changed.empty()) {
        ShowWordInProgress({}, true, changed);
    }
}

int TGlimmerForm::VisibleBestWordRows() const
{
    return std::max(0, bestWordList->viewport()->height() / 23);
}

void TGlimmerForm::UpdateBestWords(std::uint32_t value, const QString& text)
{
    DropBestWordsBeyondVisibleRows();
    const std::size_t n = bestValues.size();
    const std::size_t rows = static_cast<std::size_t>(VisibleBestWordRows());
    std::size_t i = 0;
    for (; i < n; ++i) {
        if (bestValues[i] < value) {
            break;
        }
        if (bestValues[i] == value) {
            const QList<QListWidgetItem*> same = bestWordList->findItems(text, Qt::MatchFixedString);
            if (same.isEmpty()) {
                break;
            }
            const int k = bestWordList->row(same.front());
            if (k > static_cast<int>(i)) {
                bestWordList->insertItem(static_cast<int>(i), bestWordList->takeItem(k));
            }
            bestWordList->setCurrentRow(static_cast<int>(i));
            return;
        }
    }
    if (i == n && rows == n) {
        // The list is full and the word ranks last.
        bestWordList->setCurrentRow(-1);
        bestWordList->clearSelection();
        return;
    }
    if (rows == n) {
        bestValues.pop_back();
        delete bestWordList->takeItem(bestWordList->count() - 1);
    }
    bestValues.insert(bestValues.begin() + static_cast<std::ptrdiff_t>(i), value);
    auto* item = new QListWidgetItem(text);
    item->setSizeHint({0, 23});
    bestWordList->insertItem(static_cast<int>(i), item);
    bestWordList->setCurrentRow(static_cast<int>(i));
}

void TGlimmerForm::DropBestWordsBeyondVisibleRows()
{
    const std::size_t rows = static_cast<std::size_t>(VisibleBestWordRows());
    while (bestValues.size() > rows) {
        bestValues.pop_back();
        delete bestWordList->takeItem(bestWordList->count() - 1);
    }
}

QString TGlimmerForm::BestWordText() const
{
    return bestWordList->count() > 0 ? bestWordList->item(0)->text() : QString();
}

void TGlimmerForm::SetScore(std::uint32_t value)
{
    score = value;
    valueLabel->setText(QString::number(value));
}

void TGlimmerForm::SetLives(std::uint32_t value)
{
    lives = value;
    livesArea->repaint();
}
