// SPDX-License-Identifier: GPL-3.0-or-later
// The game controller: starting, pausing, ending games, the two timers and the round end.
#include "glimform/glimform.h"

#include "board/Board.h"
#include "board/GameSession.h"
#include "dialogs/Howto.h"
#include "dialogs/about.h"
#include "dialogs/newgame.h"
#include "dictionary/Cp1252.h"
#include "dictionary/TSDictionaryList.h"
#include "dictionary/dictload.h"
#include "glimform/BackgroundPause.h"
#include "glimform/BoardView.h"
#include "glimform/GameKeeper.h"
#include "glimform/TodayPanel.h"
#include "platform/HelpContext.h"
#include "settings/DailyResults.h"
#include "settings/DictionaryName.h"
#include "settings/GameHistoryFile.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

bool TGlimmerForm::IsPlaying() const
{
    return session->IsPlaying();
}

bool TGlimmerForm::IsPlayPanelShown() const
{
    return session->Phase() != SessionPhase::BetweenGames;
}

QString TGlimmerForm::DictionaryPath() const
{
    const QString file = options.GetDictionary() + QStringLiteral(".tsd");
    return AppFilePath(FileNameIgnoringCase(QCoreApplication::applicationDirPath(), file));
}

void TGlimmerForm::StartGame(bool fromHowToPlay)
{
    if (PrepareDictionary(fromHowToPlay) < 2) {
        return;
    }
    if (words.LoadedCount() == 0) {
        // A game that can never accept a word is no game: the player chooses another dictionary.
        CenteredMessageDialog(this,
                              tr("No word can be accepted: the dictionary \"%1\" is missing or damaged. Choose "
                                 "another dictionary in Options, then start the game.")
                                  .arg(DictionaryDisplayName(options.GetDictionary())),
                              QMessageBox::Warning, QMessageBox::Ok, 30);
        NewGameForm->ShowOptions(true);
        ShowDictionaryInTitle();
        return;
    }
    PreplayPanel->hide();
    PlayPanel->show();
    todayPanel->hide();
    if (chosenKind == GameKind::Daily) {
        dailyDate = QDate::currentDate();
    }
    session->Start(chosenKind, chosenKind == GameKind::Daily ? DailySeed(dailyDate.toString(Qt::ISODate).toStdString(),
                                                                         DictionaryFileName().toStdString())
                                                             : 0);
    ShowDictionaryInTitle();
    ShowLives();
    ShowScore();
    ShowBestWords();
    ShowWordInProgress(true);
    EvolveTimer->setInterval(static_cast<int>(session->EvolveInterval()));
    TumbleTimer->setInterval(static_cast<int>(session->TumbleInterval()));
    ResumePlay();
}

unsigned TGlimmerForm::PrepareDictionary(bool fromHowToPlay)
{
    ShowDictionaryInTitle();
    const QString path = DictionaryPath();

    if (!fromHowToPlay && options.GetHowToPlay()) {
        if (session->State().gamesStarted > 0) {
            session->ShowTitle();
            update();
        }
        repaint();
        HowToPlay->show();
        setEnabled(false);
        startedDuringLoad = false;
        if (QString::fromStdString(words.FileName()) != path) {
            LoadDictionary(path);
        }
        if (!startedDuringLoad) {
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
    // starts the game when it returns. Until then How To Play cannot be started again.
    startedDuringLoad = true;
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
        notice = QFileInfo::exists(path) ? tr("The dictionary \"%1\" is not a valid dictionary file, so no word can be "
                                              "accepted. Choose another dictionary in Options.")
                                               .arg(file)
                                         : tr("The dictionary \"%1\" was not found, so no word can be accepted. "
                                              "Choose another dictionary in Options.")
                                               .arg(file);
    } else if (words.Damaged()) {
        notice = tr("The dictionary \"%1\" is damaged: only %L2 of its %L3 words could be read, so many words are "
                    "refused. Choose another dictionary in Options, or install the game again.")
                     .arg(file)
                     .arg(words.LoadedCount())
                     .arg(static_cast<qulonglong>(words.AnnouncedCount()));
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
    gameKeeper->PlaySuspended();
    setFocus();
    if (hideBoard) {
        boardHidden = true;
        update();
    }
}

void TGlimmerForm::ResumePlay()
{
    // The program is ending on a signal with the game saved: play never starts again.
    if (gameKeeper->Leaving()) {
        return;
    }
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
    // A game resumed from its save may be clearing the board at the end of a round.
    if (session->IsPlaying()) {
        EvolveTimer->start();
    }
    TumbleTimer->start();
    gameKeeper->PlayResumed();
    setFocus();
    dragTile = nullptr;
}

void TGlimmerForm::EvolveTimerTick()
{
    std::vector<Chip*> changed;
    const StepResult result = session->Evolve(changed);
    PaintTiles(changed);
    // The new tile may have cut the chain: show the shortened word.
    if (result.chainChanged) {
        ShowWordInProgress(true);
        AnnounceChain();
    }
    if (result.outcome == StepOutcome::RoundEnded) {
        SuspendPlay(false);
        ShowMissedWord();
        // Where the missed word was, drawn over its tiles while the board stands still.
        PaintTiles(session->MissedChain());
        PlaySound(SoundEvent::EndRound, options.GetEndRoundSounds());
        // The life goes when the board is empty; the player hears of it now.
        roundOverLabel->setText(tr("Round over: a life lost, %1 left").arg(std::max(session->State().lives, 1u) - 1));
        boardView->Announce(roundOverLabel->text());
        // One line where the board is wide enough, wrapped within its tiles where it is not.
        const QRect area = BoardArea();
        const Board& board = GameBoard();
        const int tiles =
            BoardToClient({board.CellRect(1, static_cast<std::int32_t>(board.Columns()) - 1).right, 0}).x() -
            BoardToClient({0, 0}).x();
        const int wanted = roundOverLabel->fontMetrics().horizontalAdvance(roundOverLabel->text()) + 28;
        const int width = std::min(wanted, std::max(40, std::min(area.width(), tiles) - 8));
        roundOverLabel->resize(width, roundOverLabel->heightForWidth(width) + 12);
        roundOverLabel->move(area.center() - roundOverLabel->rect().center());
        roundOverLabel->show();
        TumbleTimer->setInterval(static_cast<int>(session->TumbleInterval()));
        TumbleTimer->start();
        EnablePlayButtons(false);
        return;
    }
    EvolveTimer->setInterval(static_cast<int>(session->EvolveInterval()));
}

void TGlimmerForm::TumbleTimerTick()
{
    std::vector<Chip*> changed;
    const StepResult result = session->Tumble(changed);
    if (result.outcome == StepOutcome::Nothing) {
        PaintTiles(changed);
        return;
    }
    // The clearing has begun.
    roundOverLabel->hide();
    // Clearing the chain leaves the missed word in its place.
    if (result.chainChanged) {
        ShowWordInProgress(true);
    }
    wordInProgress->setText(missedWord);
    PaintTiles(changed);
    if (result.outcome == StepOutcome::Clearing) {
        return;
    }
    EnablePlayButtons(true);
    TumbleTimer->stop();
    TumbleTimer->setInterval(static_cast<int>(session->TumbleInterval()));
    SettleRound(result.outcome);
}

void TGlimmerForm::SettleRound(StepOutcome outcome)
{
    ShowLives();
    if (outcome == StepOutcome::GameOver) {
        EndGame(false);
        return;
    }
    StartRound();
}

void TGlimmerForm::StartRound()
{
    // The session has filled the board anew; score, lives and best words carry over.
    gameKeeper->Save();
    ShowWordInProgress(true);
    EvolveTimer->setInterval(static_cast<int>(session->EvolveInterval()));
    TumbleTimer->setInterval(static_cast<int>(session->TumbleInterval()));
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
    // Esc never throws a game away: on the quit question it means No (play on); on the pause
    // question, where No ends the game, it does nothing.
    const int answer = CenteredMessageDialog(this, question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                                             pause ? 40 : 50, !pause);
    if (gameKeeper->Leaving()) {
        return;
    }
    if ((pause && answer == QMessageBox::Yes) || (!pause && answer == QMessageBox::No)) {
        ResumePlay();
        return;
    }
    session->End(true);
    EndGame(true);
}

void TGlimmerForm::EndGame(bool userEnded)
{
    if (gameKeeper->Leaving()) {
        return;
    }
    roundOverLabel->hide();
    // The score is in the high score table from here on; nothing is left to resume.
    gameKeeper->Forget();
    backgroundPause->Cancel();
    session->End(false);
    EvolveTimer->stop();
    TumbleTimer->stop();
    TumbleTimer->setInterval(static_cast<int>(session->TumbleInterval()));
    PlayPanel->hide();
    PreplayPanel->show();
    update();
    boardView->Announce(userEnded ? tr("Game ended, score %1").arg(session->State().score)
                                  : tr("Game over, score %1").arg(session->State().score));
    const bool personalBest = RecordFinishedGame();
    if (session->Kind() == GameKind::Daily) {
        EndDailyGame();
        return;
    }
    ShowToday();
    if (const std::uint32_t score = session->State().score; score > 0) {
        const ScoresKind kind = userEnded ? ScoresKind::GameEnded : ScoresKind::GameOver;
        const bool relaxed = session->Kind() == GameKind::Relaxed;
        // A record is greeted with the high word's sound (the table shown now is the standard one).
        PlaySound(SoundEvent::HighWord, personalBest || (!relaxed && NewGameForm->Scores().RankOf(score) == 0));
        const bool start = NewGameForm->ShowScores(kind, score, BestWordText(), relaxed, personalBest) == 1;
        ShowDictionaryInTitle();
        if (start) {
            StartGame(false);
        }
    }
}

void TGlimmerForm::EndDailyGame()
{
    DailyResult result;
    result.date = dailyDate;
    result.score = session->State().score;
    result.words = session->State().wordsEntered;
    if (!session->BestWords().empty()) {
        const SessionWord& best = session->BestWords().front();
        result.bestWord = QString::fromStdString(Cp1252ToUtf8(best.spelling));
        result.bestValue = best.value;
        result.bestLetters = static_cast<int>(
            std::count_if(result.bestWord.begin(), result.bestWord.end(), [](QChar c) { return c.isLetter(); }));
    }
    DailyResults results(DictionaryFileName());
    const bool counted = results.Record(result);
    ShowToday();
    ShowDailyResult(this, result, counted, DictionaryFileName(), results.Streak(dailyDate));
    ShowDictionaryInTitle();
}

bool TGlimmerForm::RecordFinishedGame()
{
    // A daily game after the one that counted that day is practice, which counts nowhere.
    if (session->Kind() == GameKind::Daily && DailyResults(DictionaryFileName()).On(dailyDate)) {
        return false;
    }
    const SessionState& state = session->State();
    FinishedGame game;
    QDateTime ended = QDateTime::currentDateTime();
    if (session->Kind() == GameKind::Daily && dailyDate.isValid()) {
        ended.setDate(dailyDate);
    }
    game.ended = ended.toString(Qt::ISODate).left(19).toStdString();
    game.dictionary = DictionaryFileName().toStdString();
    game.kind = session->Kind();
    game.score = state.score;
    game.words = state.wordsEntered;
    for (const SessionWord& word : session->BestWords()) {
        const std::string spelling = Cp1252ToUtf8(word.spelling);
        if (word.value > game.bestValue) {
            game.bestWord = spelling;
            game.bestValue = word.value;
        }
        if (QString::fromStdString(spelling).size() > QString::fromStdString(game.longestWord).size()) {
            game.longestWord = spelling;
        }
    }
    game.livesEarned = state.livesEarned;
    game.seconds = state.playedMs / 1000;
    const GameStatistics before = CountGames(history->Read(), game.dictionary, game.kind, {});
    if (const QString error = history->Add(game); !error.isEmpty()) {
        qWarning("The finished game cannot be added to %s: %s", qPrintable(history->Path()), qPrintable(error));
    }
    return before.games > 0 && game.score > before.bestScore;
}

QString TGlimmerForm::DictionaryFileName() const
{
    return QFileInfo(DictionaryPath()).completeBaseName();
}

void TGlimmerForm::ShowToday()
{
    todayPanel->Refresh(DictionaryFileName(), QDate::currentDate());
    todayPanel->setVisible(session->Phase() == SessionPhase::BetweenGames);
}

void TGlimmerForm::StartGameOfKind(GameKind kind)
{
    chosenKind = kind;
    StartGame(false);
}

void TGlimmerForm::PlaySound(SoundEvent event, bool allowed)
{
    if (allowed) {
        sounder->play(event);
    }
}

void TGlimmerForm::ShowDictionaryInTitle()
{
    QString caption = captionTemplate;
    QString shown = DictionaryDisplayName(options.GetDictionary());
    if (session->Phase() != SessionPhase::BetweenGames && session->Kind() == GameKind::Daily) {
        //: The title during a daily game: "English, daily game 2026-12-07".
        shown = tr("%1, daily game %2").arg(shown, dailyDate.toString(Qt::ISODate));
    } else if (session->Phase() != SessionPhase::BetweenGames && session->Kind() == GameKind::Relaxed) {
        //: The title during a relaxed game: "English, relaxed game".
        shown = tr("%1, relaxed game").arg(shown);
    }
    caption.insert(caption.size() - 1, shown);
    setWindowTitle(caption);
}

void TGlimmerForm::StartButtonClick()
{
    StartGameOfKind(GameKind::Standard);
}

void TGlimmerForm::ScoresButtonClick()
{
    // Its options may choose another dictionary.
    const bool start = NewGameForm->ShowScores(ScoresKind::ViewScores, 0, QString()) == 1;
    ShowDictionaryInTitle();
    if (start) {
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
    ShowDictionaryInTitle();
    // The board's colours may have changed.
    update();
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
