// SPDX-License-Identifier: GPL-3.0-or-later
// Word entry: the word in progress, entering words for points and lives, the best words.
#include "glimform/glimform.h"

#include "glimform/ScoreRise.h"

#include "board/Board.h"
#include "board/GameSession.h"
#include "dictionary/Cp1252.h"
#include "glimform/BoardView.h"
#include "glimform/LivesArea.h"
#include "settings/PlayerOptions.h"
#include "settings/Sounder.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// A word as the dictionary spells it, with its value: "don’t (24)". Dictionary text is
// Windows-1252: its typographic apostrophe (0x92) is not Latin-1.
QString WordLine(const std::string& spelling, std::uint32_t value)
{
    return QString::fromStdString(Cp1252ToUtf8(spelling)) + QStringLiteral(" (%1)").arg(value);
}

constexpr int bestWordRowHeight = 23;

}  // namespace

void TGlimmerForm::SelectDragTile(bool keepClicked)
{
    std::vector<Chip*> changed;
    ShowSelection(session->Select(dragTile, keepClicked, changed), changed);
}

void TGlimmerForm::TypeLetter(char letter)
{
    std::vector<Chip*> changed;
    ShowSelection(session->Type(letter, changed), changed);
}

void TGlimmerForm::ShowSelection(const StepResult& result, const std::vector<Chip*>& changed)
{
    const bool allowed = options.GetSelectTileSounds();
    if (result.outcome == StepOutcome::Refused) {
        if (allowed) {
            sounder->playRefusal();
        }
        return;
    }
    if (changed.empty()) {
        return;
    }
    ShowWordInProgress(true);
    AnnounceChain();
    PaintTiles(changed);
    PlaySound(result.outcome == StepOutcome::WordSelected ? SoundEvent::SelectWord : SoundEvent::SelectTile, allowed);
}

void TGlimmerForm::ShowMissedWord()
{
    const SessionWord& missed = session->MissedWord();
    missedWord =
        missed.spelling.empty()
            ? QString()
            //: The best word the board held when the round ended, and its value.
            : tr("missed: %1 (%2)").arg(QString::fromStdString(Cp1252ToUtf8(missed.spelling))).arg(missed.value);
    // A long word would run out of the box: the line shrinks to fit instead.
    const QFontMetrics metrics(wordInProgress->font());
    const int room = wordInProgress->contentsRect().width() - metrics.horizontalAdvance(QLatin1Char('x'));
    const int width = metrics.horizontalAdvance(missedWord);
    if (room > 0 && width > room) {
        const int pixels = std::max(8, wordInProgress->font().pixelSize() * room / width);
        missedWord =
            QStringLiteral("<span style=\"font-size:%1px\">%2</span>").arg(pixels).arg(missedWord.toHtmlEscaped());
    }
    wordInProgress->setText(missedWord);
}

bool TGlimmerForm::ShowWordInProgress(bool setText)
{
    const GameSession::ChainWord word = session->WordInProgress();
    const bool valid = !word.spelling.empty();
    enterButton->setEnabled(valid);
    clearButton->setEnabled(!word.letters.empty());
    if (setText) {
        wordInProgress->setText(valid ? WordLine(word.spelling, word.value) : QString::fromLatin1(word.letters));
    }
    return valid;
}

void TGlimmerForm::EnterWord()
{
    // Where the word was, and what it is worth, for its rising value.
    const std::vector<Chip*> chain = GameBoard().Selection();
    const std::uint32_t value = GameBoard().SelectionValue();
    BoardPoint centre{0, 0};
    for (const Chip* tile : chain) {
        centre.x += tile->Centre().x / static_cast<std::int32_t>(chain.size());
        centre.y += tile->Centre().y / static_cast<std::int32_t>(chain.size());
    }
    const std::string spelling = session->WordInProgress().spelling;
    std::vector<Chip*> removed;
    const StepResult result = session->Enter(removed);
    if (removed.empty()) {
        return;
    }
    boardView->Announce(tr("%1 scores %2, score %3")
                            .arg(QString::fromStdString(Cp1252ToUtf8(spelling)))
                            .arg(value)
                            .arg(session->State().score));
    if (result.outcome == StepOutcome::NewLife) {
        boardView->Announce(tr("A new life: %1 lives").arg(session->State().lives));
    }
    // The last rise's text goes with the cells it covers.
    PaintTiles(scoreRise->Step(GameBoard()));
    const BoardRect tile = removed.front()->Rect();
    scoreRise->Start(centre, value, value >= session->Rules().highWordValue, tile.bottom - tile.top);
    riseTimer->start();
    ShowScore();
    ShowLives();
    ShowBestWords();
    // The entered word stays shown until the next change of the chain.
    ShowWordInProgress(false);
    PaintTiles(removed);
    const SoundEvent sound = result.outcome == StepOutcome::NewLife    ? SoundEvent::NewLife
                             : result.outcome == StepOutcome::HighWord ? SoundEvent::HighWord
                                                                       : SoundEvent::LowWord;
    PlaySound(sound, options.GetEnterWordSounds());
}

void TGlimmerForm::RiseTimerTick()
{
    PaintTiles(scoreRise->Step(GameBoard()));
    if (!scoreRise->Running()) {
        riseTimer->stop();
    }
}

void TGlimmerForm::ClearWord()
{
    std::vector<Chip*> changed;
    if (session->Clear(changed).chainChanged) {
        ShowWordInProgress(true);
        PaintTiles(changed);
    }
}

int TGlimmerForm::VisibleBestWordRows() const
{
    return std::max(0, bestWordList->viewport()->height() / bestWordRowHeight);
}

void TGlimmerForm::ShowBestWords()
{
    const std::vector<SessionWord>& best = session->BestWords();
    const int rows = std::min(VisibleBestWordRows(), static_cast<int>(best.size()));
    // The rows already shown stay, so a tool tip or selection on them is not disturbed.
    while (bestWordList->count() > rows) {
        delete bestWordList->takeItem(bestWordList->count() - 1);
    }
    for (int row = 0; row < rows; ++row) {
        const QString text =
            WordLine(best[static_cast<std::size_t>(row)].spelling, best[static_cast<std::size_t>(row)].value);
        if (row < bestWordList->count()) {
            bestWordList->item(row)->setText(text);
            continue;
        }
        auto* item = new QListWidgetItem(text);
        item->setSizeHint({0, bestWordRowHeight});
        bestWordList->addItem(item);
    }
    const int newest = session->NewestBestWord();
    bestWordList->setCurrentRow(newest < rows ? newest : -1);
    if (newest < 0 || newest >= rows) {
        bestWordList->clearSelection();
    }
}

QString TGlimmerForm::BestWordText() const
{
    const std::vector<SessionWord>& best = session->BestWords();
    return best.empty() ? QString() : WordLine(best.front().spelling, best.front().value);
}

void TGlimmerForm::ShowScore()
{
    valueLabel->setText(QString::number(session->State().score));
    valueLabel->setAccessibleName(tr("Score: %1").arg(session->State().score));
}

void TGlimmerForm::ShowLives()
{
    livesArea->setAccessibleName(tr("Lives: %1").arg(session->State().lives));
    livesArea->repaint();
}

void TGlimmerForm::AnnounceChain()
{
    const GameSession::ChainWord word = session->WordInProgress();
    // What is no word yet is spelled.
    boardView->AnnounceChain(
        word.spelling.empty()
            ? BoardView::Spelled(word.letters)
            : tr("%1, %2 points").arg(QString::fromStdString(Cp1252ToUtf8(word.spelling))).arg(word.value));
}
