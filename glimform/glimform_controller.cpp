// The game controller: starting, pausing, ending games, the two timers and the round end.
#include "glimform/glimform.h"

#include "board/GameRandom.h"
#include "dialogs/Howto.h"
#include "dialogs/about.h"
#include "dialogs/newgame.h"
#include "dictionary/TSDictionaryList.h"
#include "dictionary/dictload.h"
#include "glimform/BackgroundPause.h"
#include "platform/HelpContext.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr std::uint32_t clearingStart = 25;
constexpr int clearingInterval = 20;

}  // namespace

bool TGlimmerForm::IsPlaying() const
{
    return IsPlayPanelShown() && clearCountdown == 0;
}

bool TGlimmerForm::IsPlayPanelShown() const
{
    return !PlayPanel->isHidden();
}

QString TGlimmerForm::DictionaryNotice() const
{
    return dictionaryNoticeLabel->text();
}

QString TGlimmerForm::DictionaryPath() const
{
    const QString file = NewGameForm->GetDictionary() + QStringLiteral(".tsd");
    return AppFilePath(FileNameIgnoringCase(QCoreApplication::applicationDirPath(), file));
}

void TGlimmerForm::StartGame(bool fromHowToPlay)
{
    if (PrepareDictionary(fromHowToPlay) < 2) {
        return;
    }
    PreplayPanel->hide();
    PlayPanel->show();
    board->Fill(startRows);
    SetLives(startLives);
    SetScore(0);
    ++gamesStarted;
    bestWordList->clear();
    bestValues.clear();
    ShowWordInProgress({}, true, {});
    EvolveTimer->setInterval(static_cast<int>(startEvolveInterval));
    TumbleTimer->setInterval(static_cast<int>(tumbleInterval));
    ResumePlay();
}

unsigned TGlimmerForm::PrepareDictionary(bool fromHowToPlay)
{
    const QString name = NewGameForm->GetDictionary();
    QString caption = captionTemplate;
    caption.insert(caption.size() - 1, name);
    setWindowTitle(caption);
    const QString path = DictionaryPath();

    if (!fromHowToPlay && NewGameForm->GetHowToPlay()) {
        if (gamesStarted > 0) {
            board->FillWithTitle();
            update();
        }
        repaint();
        HowToPlay->show();
        setEnabled(false);
        if (QString::fromStdString(words.FileName()) != path) {
            LoadDictionary(path);
        }
        if (HowToPlay->isEnabled()) {
            return 1;
        }
        // Start was pressed while the dictionary loaded: the game begins now.
        HowToPlay->setEnabled(true);
        CloseDictionaryLoading();
        setEnabled(true);
        HowToPlay->hide();
        return 2;
    }

    if (QString::fromStdString(words.FileName()) != path) {
        repaint();
        ShowDictionaryLoading();
        setEnabled(false);
        LoadDictionary(path);
        setEnabled(true);
        CloseDictionaryLoading();
    }
    return 2;
}

void TGlimmerForm::HowToPlayStarted()
{
    if (QString::fromStdString(words.FileName()) == DictionaryPath()) {
        setEnabled(true);
        HowToPlay->hide();
        StartGame(true);
        return;
    }
    // The load started before the How To Play window is still running; PrepareDictionary
    // starts the game when it returns.
    ShowDictionaryLoading();
    HowToPlay->setEnabled(false);
}

void TGlimmerForm::LoadDictionary(const QString& path)
{
    loadingDictionary = true;
    words.Load(path.toStdString(), DictionaryLoading);
    loadingDictionary = false;

    // The table simply stays empty for a bad file; tell the player why no word is accepted.
    const TSDictionaryList check(path.toStdString());
    const QString file = QFileInfo(path).fileName();
    QString notice;
    if (check.FailedName()) {
        notice = QFileInfo::exists(path)
                     ? tr("The dictionary \"%1\" is not a valid dictionary file, so no word can be "
                          "accepted. Choose another dictionary in Options.").arg(file)
                     : tr("The dictionary \"%1\" was not found, so no word can be accepted. "
                          "Choose another dictionary in Options.").arg(file);
    }
    dictionaryNoticeLabel->setText(notice);
    dictionaryNoticeLabel->setVisible(!notice.isEmpty());
    // The board makes room for the notice, or takes its strip back.
    PlaceDictionaryNotice();
    update();
}

void TGlimmerForm::ShowDictionaryLoading()
{
    const QRect frame = frameGeometry();
    DictionaryLoading->adjustSize();
    const QSize size = DictionaryLoading->frameSize();
    DictionaryLoading->move(frame.left() + (frame.width() - size.width()) / 2,
                            frame.top() + (frame.height() - size.height()) / 2);
    DictionaryLoading->show();
}

void TGlimmerForm::CloseDictionaryLoading()
{
    DictionaryLoading->hide();
}

void TGlimmerForm::SuspendPlay(bool hideBoard)
{
    EvolveTimer->stop();
    TumbleTimer->stop();
    setFocus();
    if (hideBoard) {
        boardHidden = true;
        update();
    }
}

void TGlimmerForm::ResumePlay()
{
    // However play resumes, a pause begun in the background is over.
    backgroundPause->Cancel();
    // A dialog left on screen can start or resume a game while this window is minimised: play
    // then begins when the window is restored, never out of sight.
    if (minimised.saved || isMinimized()) {
        minimised = {true, true, true, false};
        boardHidden = true;
        update();
        return;
    }
    boardHidden = false;
    update();
    EvolveTimer->start();
    TumbleTimer->start();
    setFocus();
    dragTile = nullptr;
}

void TGlimmerForm::EvolveTimerTick()
{
    std::vector<Chip*> changed;
    const bool topReached = board->Evolve(changed);
    PaintTiles(changed);
    // The new tile may have cut the chain: show the shortened word.
    if (changed.size() > 1) {
        ShowWordInProgress(board->WordInProgress(), true, {});
    }

    if (topReached) {
        SuspendPlay(false);
        ShowMissedWord();
        PlaySound(SoundEvent::EndRound, NewGameForm->GetEndRoundSounds());
        clearCountdown = clearingStart;
        TumbleTimer->setInterval(clearingInterval);
        TumbleTimer->start();
        EnablePlayButtons(false);
        return;
    }
    const std::uint32_t interval = static_cast<std::uint32_t>(EvolveTimer->interval());
    EvolveTimer->setInterval(static_cast<int>(interval - (interval * evolveSpeedUp + 500) / 1000));
}

void TGlimmerForm::TumbleTimerTick()
{
    if (clearCountdown >= 2) {
        --clearCountdown;
        return;
    }
    if (clearCountdown == 0) {
        std::vector<Chip*> changed;
        board->Tumble(changed);
        PaintTiles(changed);
        return;
    }

    // Clearing the chain leaves the missed word in its place.
    ClearWord();
    wordInProgress->setText(missedWord);
    for (int pick = 0; pick < 2 && clearCountdown != 0; ++pick) {
        std::vector<Chip*> occupied;
        for (std::int32_t r = 0; r < static_cast<std::int32_t>(board->Rows()); ++r) {
            for (std::int32_t c = 0; c < static_cast<std::int32_t>(board->Columns()); ++c) {
                Chip* chip = board->Cell(r, c);
                if (chip->IsOccupied()) {
                    occupied.push_back(chip);
                }
            }
        }
        if (occupied.empty()) {
            clearCountdown = 0;
            break;
        }
        Chip* chip = occupied[RandomBelow(static_cast<std::uint32_t>(occupied.size()))];
        chip->Set({}, 0);
        PaintTiles({chip});
    }
    if (clearCountdown != 0) {
        return;
    }
    EnablePlayButtons(true);
    TumbleTimer->stop();
    TumbleTimer->setInterval(static_cast<int>(tumbleInterval));
    SettleRound();
}

void TGlimmerForm::SettleRound()
{
    SetLives(lives - 1);
    if (lives == 0) {
        EndGame(false);
        return;
    }
    StartRound();
}

void TGlimmerForm::StartRound()
{
    // A new round starts like a game, but score, lives and best words carry over.
    board->Fill(startRows);
    ShowWordInProgress({}, true, {});
    EvolveTimer->setInterval(static_cast<int>(startEvolveInterval));
    TumbleTimer->setInterval(static_cast<int>(tumbleInterval));
    ResumePlay();
    // The round may begin while the player is in another application.
    backgroundPause->Check();
}

void TGlimmerForm::EnablePlayButtons(bool enabled)
{
    for (QPushButton* button : {enterButton, clearButton, pauseButton, endGameButton, helpButton, playOptionsButton}) {
        button->setEnabled(enabled);
    }
}

void TGlimmerForm::ConfirmPauseOrQuit(bool pause)
{
    SuspendPlay(true);
    const QString question = pause ? tr("The game is paused.\n\nWould you like to resume the game?")
                                   : tr("Are you sure you want to quit this game?");
    const int answer = CenteredMessageDialog(this, question, QMessageBox::Question,
                                             QMessageBox::Yes | QMessageBox::No, pause ? 40 : 50);
    if ((pause && answer == QMessageBox::Yes) || (!pause && answer == QMessageBox::No)) {
        ResumePlay();
        return;
    }
    board->Fill(0);
    EndGame(true);
}

void TGlimmerForm::EndGame(bool userEnded)
{
    EvolveTimer->stop();
    TumbleTimer->stop();
    TumbleTimer->setInterval(static_cast<int>(tumbleInterval));
    clearCountdown = 0;
    PlayPanel->hide();
    PreplayPanel->show();
    update();
    if (score > 0) {
        const ScoresKind kind = userEnded ? ScoresKind::GameEnded : ScoresKind::GameOver;
        if (NewGameForm->ShowScores(kind, score, BestWordText()) == 1) {
            StartGame(false);
        }
    }
}

void TGlimmerForm::PlaySound(SoundEvent event, bool allowed)
{
    if (allowed) {
        sounder->play(event);
    }
}

void TGlimmerForm::StartButtonClick()
{
    StartGame(false);
}

void TGlimmerForm::ScoresButtonClick()
{
    if (NewGameForm->ShowScores(ScoresKind::ViewScores, 0, QString()) == 1) {
        StartGame(false);
    }
}

void TGlimmerForm::pauseButtonClick()
{
    ConfirmPauseOrQuit(true);
}

void TGlimmerForm::EndGameClick()
{
    ConfirmPauseOrQuit(false);
}

void TGlimmerForm::EnterButtonClick()
{
    EnterWord();
}

void TGlimmerForm::clearButtonClick()
{
    ClearWord();
}

void TGlimmerForm::OptionsClick()
{
    SuspendPlay(true);
    NewGameForm->ShowOptions(false);
    ResumePlay();
}

void TGlimmerForm::preplayOptionsButtonClick()
{
    NewGameForm->ShowOptions(true);
}

void TGlimmerForm::helpButtonClick()
{
    OpenHelpContext(20);
    if (IsPlayPanelShown()) {
        ConfirmPauseOrQuit(true);
    }
}

void TGlimmerForm::aboutButtonClick()
{
    if (!AboutBox->isVisible()) {
        AboutBox->exec();
    }
}

void TGlimmerForm::ExitButtonClick()
{
    close();
}
