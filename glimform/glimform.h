#pragma once

#include "board/Board.h"
#include "board/TypedWord.h"
#include "dictionary/Words.h"
#include "glimform/Anchors.h"
#include "glimform/TileFaces.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPainter;
class QPushButton;
class QTimer;
class Sounder;
enum SoundEvent : int;
class LivesArea;
class BackgroundPause;
class WordDefinitions;

// The game's main window: the board, the score, the lives, the best words and the buttons,
// and the controller that runs one game after another. Its handlers are split by concern over
// several files: lifecycle, controller, word entry, rendering and input.
class TGlimmerForm : public QWidget {
    Q_OBJECT

public:
    explicit TGlimmerForm(QWidget* parent = nullptr);
    ~TGlimmerForm() override;

    // Lifecycle.
    void FormOnIdle();
    void FormApplicationEventsActivate();
    void FormApplicationEventsMinimize();
    void FormApplicationEventsRestore();
    void SaveWindowPlacement(Qt::WindowStates state);

    // Controller.
    void StartGame(bool fromHowToPlay);
    // 1: wait for the How To Play window's Start; 2: go on and start the game.
    unsigned PrepareDictionary(bool fromHowToPlay);
    void HowToPlayStarted();
    void SuspendPlay(bool hideBoard);
    void ResumePlay();
    void ConfirmPauseOrQuit(bool pause);
    void EndGame(bool userEnded);
    void EnablePlayButtons(bool enabled);
    bool IsPlaying() const;
    bool IsPlayPanelShown() const;
    void EvolveTimerTick();
    void TumbleTimerTick();

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
    // Shows the word the letters form (or the bare letters), switches Enter and Clear, and
    // repaints the given cells. Returns whether the letters are a dictionary word.
    bool ShowWordInProgress(const std::string& letters, bool setText, const std::vector<Chip*>& tiles);
    void SetScore(std::uint32_t value);
    void SetLives(std::uint32_t value);
    // The best word of the game as shown in the best words list, or empty.
    QString BestWordText() const;

    // Rendering. The window keeps its picture in `boardImage`: a full paint lays the board out
    // into it again, a changed list repaints just those cells into it, and paintEvent copies it.
    void FormPaint();
    // Fits the board into the space left of the right-hand column and below the score, draws its
    // background and frame on `canvas` (client coordinates) and, unless hidden, the given cells.
    // Returns false, drawing nothing, when the space is too small for a board.
    bool LayoutBoard(QPainter& canvas, const std::vector<Chip*>& cells);
    void PaintTiles(const std::vector<Chip*>& tiles);
    void livesAreaPaint(QPainter& painter);
    // Fills `strips` vertical strips, each stripWidth wide and `height` high, from topLeft, with
    // the board colour and the bevelled frame rings.
    void PaintBoardBackground(QPainter& canvas, int strips, int stripWidth, QPoint topLeft, int height);
    // Draws the given cells of `board` (occupied ones as faces with letter and value; the chain's
    // red line through the centres in chain order), with board coordinate (0,0) at `origin`.
    void PaintTileSet(QPainter& canvas, Board& board, const std::vector<Chip*>& cells,
                      const std::vector<Chip*>& chain, QPoint origin);
    // The cached face of the tile's value at its rectangle's size, in device pixels for `ratio`.
    const QImage& TileFace(const Chip& tile, const BoardRect& rect, qreal ratio);
    QPoint BoardToClient(BoardPoint point) const;
    BoardPoint ClientToBoard(QPoint point) const;

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

    // The dictionary file the Dictionary option names, beside the program; a file whose name
    // differs from the option only in letter case counts as that file.
    QString DictionaryPath() const;
    // A notice naming the chosen dictionary when it is missing or invalid, else empty.
    QString DictionaryNotice() const;

    // Game constants.
    const std::uint32_t boardRows = 12;
    const std::uint32_t tilesPerRow = 9;
    const std::uint32_t startRows = 4;
    const std::uint32_t startLives = 3;
    const std::uint32_t startEvolveInterval = 2000;
    const std::uint32_t tumbleInterval = 251;
    const std::uint32_t evolveSpeedUp = 5;
    const std::uint32_t highWordValue = 48;
    const std::uint32_t pointsPerLife = 2000;

    // Colours in 0x00BBGGRR form.
    const std::uint32_t backgroundColour = 0xF0CAA6;
    const std::uint32_t boardColour = 0x569C56;
    const std::uint32_t selectionColour = 0x4040FF;
    const std::uint32_t frameShadowColour = 0xBD9773;
    const std::uint32_t frameLightColour = 0xFFFDD9;
    QString tileFontName;

    // Game state.
    std::unique_ptr<Board> board;
    Words words;
    std::unique_ptr<Sounder> sounder;
    Chip* dragTile = nullptr;
    bool firstIdleSeen = false;
    std::uint32_t clearCountdown = 0;
    bool boardHidden = false;
    std::uint32_t gamesStarted = 0;
    std::uint32_t lives = 0;
    std::uint32_t score = 0;
    std::vector<std::uint32_t> bestValues;
    QString captionTemplate;

    // Rendering state. The board's left edge is at client x = boardOriginX, its bottom edge
    // boardOriginY pixels above the client area's bottom.
    std::int32_t boardOriginX = 0;
    std::int32_t boardOriginY = 0;
    TileFaces faceCache;
    // Whether the last layout found room for the board and gave it its geometry.
    bool boardLaidOut = false;
    QImage boardImage;
    // The parts of boardImage repainted by PaintTiles that the screen has not shown yet.
    QRegion pendingTiles;

    // Components.
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
    QTimer* EvolveTimer;
    QTimer* TumbleTimer;
    // The definitions of the best words (and of the high score table's, which the program
    // hooks to it).
    std::unique_ptr<WordDefinitions> definitions;

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
    // Which parts of play were running when the window was minimised, so that restoring
    // returns exactly there and never starts play behind an open question.
    struct SuspendedPlay {
        bool saved = false;
        bool evolveRunning = false;
        bool tumbleRunning = false;
        bool hidden = false;
    };

    // Draws the whole window picture into boardImage, laying the board out again.
    void RenderBoard();
    void BuildLayout();
    void FormCreate();
    void FormResize();
    // Fits the dictionary notice into its strip along the bottom, under the board.
    void PlaceDictionaryNotice();
    bool FormCloseQuery();
    void UpdateBestWords(std::uint32_t value, const QString& text);
    void DropBestWordsBeyondVisibleRows();
    int VisibleBestWordRows() const;
    void LoadDictionary(const QString& path);
    void ShowDictionaryLoading();
    void CloseDictionaryLoading();
    void StartRound();
    void SettleRound();
    void PlaySound(SoundEvent event, bool allowed);
    // Extends the chain by a typed capital letter, or refuses it with a soft tap.
    void TypeLetter(char letter);
    // Shows the best word the board held as the round ended, and keeps it through the clearing
    // and the end of the game; nothing when the board held no word.
    void ShowMissedWord();

    Anchors formAnchors;
    Anchors preplayAnchors;
    Anchors playAnchors;
    SuspendedPlay minimised;
    bool loadingDictionary = false;
    TypedWord typedWord;
    // The line ShowMissedWord showed, until the next round.
    QString missedWord;
    // Owned as a child QObject of this window.
    BackgroundPause* backgroundPause = nullptr;
};

// The one main window, created first at start-up.
extern TGlimmerForm* GlimmerForm;
