// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tests' view of the main window's private parts: its steps and handlers, widgets, timers
// and session. The window names this class its friend; nothing of it is in the program.
#include "board/Board.h"
#include "board/GameSession.h"
#include "glimform/BoardPainter.h"
#include "glimform/BoardView.h"
#include "glimform/GameKeeper.h"
#include "glimform/glimform.h"

#include <QLabel>
#include <QTimer>

class GlimmerFormProbe {
public:
    explicit GlimmerFormProbe(TGlimmerForm& window) : form(window) {}
    // Lets a probe stand where tests used a window pointer: probe->StartGame(false).
    GlimmerFormProbe* operator->() { return this; }

    // Steps and handlers.
    void StartGame(bool fromHowToPlay) { form.StartGame(fromHowToPlay); }
    void EndGame(bool userEnded) { form.EndGame(userEnded); }
    void SuspendPlay(bool hideBoard) { form.SuspendPlay(hideBoard); }
    void EvolveTimerTick() { form.EvolveTimerTick(); }
    void TumbleTimerTick() { form.TumbleTimerTick(); }
    void RiseTimerTick() { form.RiseTimerTick(); }
    ScoreRise& scoreRise() { return *form.scoreRise; }
    void SelectDragTile(bool keepClicked) { form.SelectDragTile(keepClicked); }
    void EnterWord() { form.EnterWord(); }
    void ClearWord() { form.ClearWord(); }
    void FormPaint() { form.FormPaint(); }
    void PaintTiles(const std::vector<Chip*>& tiles) { form.PaintTiles(tiles); }
    void preplayOptionsButtonClick() { form.preplayOptionsButtonClick(); }
    void ExitButtonClick() { form.ExitButtonClick(); }
    bool IsPlaying() const { return form.IsPlaying(); }
    bool IsPlayPanelShown() const { return form.IsPlayPanelShown(); }
    QPoint BoardToClient(BoardPoint point) const { return form.BoardToClient(point); }
    QString DictionaryNotice() const { return form.dictionaryNoticeLabel->text(); }
    // What the desktop's session manager asks before a logout.
    void SaveForLogout() { form.gameKeeper->SaveForLogout(); }
    QTimer& autosave() { return form.gameKeeper->autosave; }

    // The session, and counters set as a saved game would restore them.
    GameSession& Session() { return *form.session; }
    std::uint32_t score() const { return form.session->State().score; }
    std::uint32_t lives() const { return form.session->State().lives; }
    std::uint32_t clearCountdown() const { return form.session->State().clearCountdown; }
    std::uint32_t gamesStarted() const { return form.session->State().gamesStarted; }
    void SetScore(std::uint32_t value) { Restore(&SessionState::score, value), form.ShowScore(); }
    void SetLives(std::uint32_t value) { Restore(&SessionState::lives, value), form.ShowLives(); }
    // Puts play into the round-end clearing with this many ticks left, or back into play for 0.
    void SetClearCountdown(std::uint32_t ticks)
    {
        SessionState state = form.session->State();
        state.clearCountdown = ticks;
        state.phase = ticks != 0 ? SessionPhase::Clearing : SessionPhase::Playing;
        form.session->Restore(state);
    }
    const Words& words() const { return form.words; }
    Sounder& sounder() { return *form.sounder; }

    TGlimmerForm& form;
    Board* const board = &form.GameBoard();
    Chip*& dragTile = form.dragTile;
    bool& boardHidden = form.boardHidden;
    QImage& boardImage = form.boardImage;
    QRegion& pendingTiles = form.pendingTiles;
    QTimer*& EvolveTimer = form.EvolveTimer;
    QTimer*& TumbleTimer = form.TumbleTimer;
    QLabel*& Label1 = form.Label1;
    QLabel*& valueLabel = form.valueLabel;
    QLabel*& wordInProgress = form.wordInProgress;
    BoardView*& boardView = form.boardView;
    QLabel*& dictionaryNoticeLabel = form.dictionaryNoticeLabel;
    QWidget*& PreplayPanel = form.PreplayPanel;
    QPushButton*& StartButton = form.StartButton;
    QPushButton*& ScoresButton = form.ScoresButton;
    QPushButton*& playOptionsButton = form.playOptionsButton;
    QPushButton*& endGameButton = form.endGameButton;
    QPushButton*& pauseButton = form.pauseButton;
    QPushButton*& helpButton = form.helpButton;
    QPushButton*& clearButton = form.clearButton;
    QPushButton*& enterButton = form.enterButton;
    QListWidget*& bestWordList = form.bestWordList;
    LivesArea*& livesArea = form.livesArea;

private:
    void Restore(std::uint32_t SessionState::*field, std::uint32_t value)
    {
        SessionState state = form.session->State();
        state.*field = value;
        form.session->Restore(state);
    }
};
