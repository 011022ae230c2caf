// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Geometry.h"
#include "dictionary/Words.h"
#include "glimform/Anchors.h"

#include <QDate>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class BackgroundPause;
class BoardView;
class Board;
class GameHistoryFile;
class GameKeeper;
class BoardPainter;
class Chip;
class GameSession;
class LivesArea;
class QLabel;
class QListWidget;
class QPainter;
class QPushButton;
class QTimer;
class ScoreRise;
class Sounder;
class TodayPanel;
class WordDefinitions;
class WordsForSession;
class PlayerOptions;
enum SoundEvent : int;
enum class GameKind;
enum class StepOutcome;
struct StepResult;

// The game's main window: the board, the score, the lives, the best words and the buttons. It
// shows a GameSession, which holds the rules: each timer tick, click and key becomes one session
// step, and the step's result a repaint and a sound. Its handlers are split by concern over
// several files: lifecycle, controller, word entry, rendering and input.
class TGlimmerForm : public QWidget {
    Q_OBJECT

public:
    // Plays the game's sounds through `sounder` and follows the player's `options`, which outlive
    // the window; the constructor reads none of them, so they may be loaded after it.
    TGlimmerForm(std::unique_ptr<Sounder> sounder, const PlayerOptions& options, QWidget* parent = nullptr);
    ~TGlimmerForm() override;

    // Shows the window once the program has gone idle, fully laid out; later calls do nothing.
    void FormOnIdle();
    // The How To Play window's Start: begins the game, or waits for the dictionary still loading.
    void HowToPlayStarted();
    // The definitions of the best words, which other windows' word lists may use too.
    WordDefinitions& Definitions() { return *definitions; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The window's own helpers, and the tests' view of the window.
    friend class BackgroundPause;
    friend class GameKeeper;
    friend class LivesArea;
    friend class GlimmerFormProbe;

    // Which parts of play were running when the window was minimised, so that restoring
    // returns exactly there and never starts play behind an open question.
    struct SuspendedPlay {
        bool saved = false;
        bool evolveRunning = false;
        bool tumbleRunning = false;
        bool hidden = false;
    };

    // Lifecycle.
    void BuildLayout();
    void FormCreate();
    void FormResize();
    bool FormCloseQuery();
    void FormApplicationEventsActivate();
    void FormApplicationEventsMinimize();
    void FormApplicationEventsRestore();
    void SaveWindowPlacement(Qt::WindowStates state);
    // Fits the dictionary notice into its strip along the bottom, under the board.
    void PlaceDictionaryNotice();

    // Controller.
    void StartGame(bool fromHowToPlay);
    // 1: wait for the How To Play window's Start; 2: go on and start the game.
    unsigned PrepareDictionary(bool fromHowToPlay);
    void LoadDictionary(const QString& path);
    void ShowDictionaryLoading();
    void CloseDictionaryLoading();
    void SuspendPlay(bool hideBoard);
    void ResumePlay();
    void ConfirmPauseOrQuit(bool pause);
    void EndGame(bool userEnded);
    void EnablePlayButtons(bool enabled);
    bool IsPlaying() const;
    bool IsPlayPanelShown() const;
    void EvolveTimerTick();
    void TumbleTimerTick();
    // One frame of an entered word's rising value.
    void RiseTimerTick();
    // Shows what the round's last clearing tick led to: the next round, or the end of the game.
    void SettleRound(StepOutcome outcome);
    void StartRound();
    void PlaySound(SoundEvent event, bool allowed);
    // The dictionary file the Dictionary option names, beside the program; a file whose name
    // differs from the option only in letter case counts as that file.
    QString DictionaryPath() const;

    // Starts a game of that kind from the buttons between games.
    void StartGameOfKind(GameKind kind);
    // Keeps a daily game's result, or tells the player it was practice, and shows today anew.
    void EndDailyGame();
    // The dictionary's name as its file spells it: the daily game is seeded by it.
    QString DictionaryFileName() const;
    void ShowToday();
    // Adds the game that just ended to the history of finished games; returns whether it scored
    // more than every earlier game of its dictionary and kind.
    bool RecordFinishedGame();

    void StartButtonClick();
    void ScoresButtonClick();
    void pauseButtonClick();
    void EndGameClick();
    void EnterButtonClick();
    void clearButtonClick();
    void OptionsClick();
    void preplayOptionsButtonClick();
    void helpButtonClick();
    void aboutButtonClick();
    void ExitButtonClick();

    // Word entry.
    void EnterWord();
    void ClearWord();
    void SelectDragTile(bool keepClicked);
    // Extends the chain by a typed capital letter, or refuses it with a soft tap.
    void TypeLetter(char letter);
    // Repaints the cells a selection changed and plays its sound.
    void ShowSelection(const StepResult& result, const std::vector<Chip*>& changed);
    // Shows the chain's word with its value (or its bare letters) when `setText`, and switches
    // Enter and Clear. Returns whether the chain is a dictionary word.
    bool ShowWordInProgress(bool setText);
    // Shows the best word the board held as the round ended, and keeps it through the clearing
    // and the end of the game; nothing when the board held no word.
    void ShowMissedWord();
    void ShowScore();
    void ShowLives();
    // Tells screen readers what the chain spells now, and its value when it is a word.
    void AnnounceChain();
    // Shows as many of the session's best words as the list has rows for.
    void ShowBestWords();
    int VisibleBestWordRows() const;
    // The best word of the game as the best words list shows it, or empty.
    QString BestWordText() const;

    // Rendering. The window keeps its picture in `boardImage`: a full paint lays the board out
    // into it again, a changed list repaints just those cells into it, and paintEvent copies it.
    void FormPaint();
    // Draws the whole window picture into boardImage, laying the board out again.
    void RenderBoard();
    // Fits the board into the space left of the right-hand column and below the score, draws its
    // background and frame on `canvas` (client coordinates) and, unless hidden, the given cells.
    // Returns false, drawing nothing, when the space is too small for a board.
    bool LayoutBoard(QPainter& canvas, const std::vector<Chip*>& cells);
    // "Glimmerquake (English)", with the chosen dictionary's name in the player's language.
    void ShowDictionaryInTitle();
    // The space the board may take: left of the right-hand column, below the score and above the
    // dictionary notice's strip while the notice shows.
    QRect BoardArea() const;
    void PaintTiles(const std::vector<Chip*>& tiles);
    void livesAreaPaint(QPainter& painter);
    QPoint BoardToClient(BoardPoint point) const;
    BoardPoint ClientToBoard(QPoint point) const;
    Board& GameBoard() const;

    // Input.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Submits the chain when the pointer, at `pointer` in client coordinates, is on its
    // selected tile and the chain forms a word.
    void FormDblClick(QPoint pointer);
    // Returns whether the key was one of the game's; others are left to the toolkit. During play
    // a letter A to Z, with or without Shift, spells a word on the board.
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift);

    // The game and what it is played with.
    Words words;
    std::unique_ptr<WordsForSession> sessionWords;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<Sounder> sounder;
    const PlayerOptions& options;
    std::unique_ptr<BoardPainter> painter;
    Chip* dragTile = nullptr;
    bool firstIdleSeen = false;
    bool boardHidden = false;
    bool loadingDictionary = false;
    // How To Play's Start came while the dictionary was still loading.
    bool startedDuringLoad = false;
    QString captionTemplate;
    // The line ShowMissedWord showed, until the next round.
    QString missedWord;
    SuspendedPlay minimised;
    // What Start, Daily game and Relaxed game began last; Start in the scores plays it again.
    GameKind chosenKind;
    // The date a daily game belongs to: the day it began.
    QDate dailyDate;

    // Rendering state. The board's left edge is at client x = boardOriginX, its bottom edge
    // boardOriginY pixels above the client area's bottom.
    std::int32_t boardOriginX = 0;
    std::int32_t boardOriginY = 0;
    // Whether the last layout found room for the board and gave it its geometry.
    bool boardLaidOut = false;
    QImage boardImage;
    // The parts of boardImage repainted by PaintTiles that the screen has not shown yet.
    QRegion pendingTiles;

    // Components.
    Anchors formAnchors;
    Anchors preplayAnchors;
    Anchors playAnchors;
    QLabel* Label1;
    QLabel* valueLabel;
    QWidget* PreplayPanel;
    QPushButton* StartButton;
    QPushButton* preplayOptionsButton;
    QPushButton* ScoresButton;
    QPushButton* aboutButton;
    QPushButton* ExitButton;
    QWidget* PlayPanel;
    QLabel* Label3;
    LivesArea* livesArea;
    QPushButton* playOptionsButton;
    QPushButton* endGameButton;
    QPushButton* pauseButton;
    QLabel* bestWordsLabel;
    QListWidget* bestWordList;
    QPushButton* helpButton;
    QPushButton* clearButton;
    QPushButton* enterButton;
    QLabel* wordInProgress;
    QLabel* dictionaryNoticeLabel;
    // "Round over: a life lost, 2 left", over the board while it stands still at a round's end.
    QLabel* roundOverLabel;
    QTimer* EvolveTimer;
    QTimer* TumbleTimer;
    QTimer* riseTimer;
    std::unique_ptr<ScoreRise> scoreRise;
    // The definitions of the best words (and of the high score table's, which the program
    // hooks to it).
    std::unique_ptr<WordDefinitions> definitions;
    // Owned as child QObjects of this window.
    BackgroundPause* backgroundPause = nullptr;
    GameKeeper* gameKeeper = nullptr;
    std::unique_ptr<GameHistoryFile> history;
    TodayPanel* todayPanel = nullptr;
    // The board for the keyboard's cursor and for screen readers; it holds the focus in play.
    BoardView* boardView = nullptr;
};

// The one main window, created first at start-up.
extern TGlimmerForm* GlimmerForm;
