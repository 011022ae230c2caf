// SPDX-License-Identifier: GPL-3.0-or-later
// Construction, layout, placement, application events and closing of the main window.
#include "glimform/glimform.h"

#include "board/GameRandom.h"
#include "board/GameSession.h"
#include "dialogs/Howto.h"
#include "dialogs/StatisticsForm.h"
#include "dialogs/newgame.h"
#include "dictionary/WordNet.h"
#include "dictionary/WordsForSession.h"
#include "glimform/BackgroundPause.h"
#include "glimform/BoardPainter.h"
#include "glimform/BoardView.h"
#include "glimform/Colours.h"
#include "glimform/FocusReturn.h"
#include "glimform/GameKeeper.h"
#include "glimform/LivesArea.h"
#include "glimform/ScoreRise.h"
#include "glimform/TodayPanel.h"
#include "glimform/WordDefinitions.h"
#include "settings/FitCaptions.h"
#include "settings/GameHistoryFile.h"
#include "settings/Persist.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

TGlimmerForm* GlimmerForm = nullptr;

namespace {

constexpr QSize designedClient{576, 420};

QFont ArialFont(int pixelHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int fontHeight, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setFont(ArialFont(fontHeight));
    button->setToolTip(hint);
    return button;
}

// A static text with a sunken border on the info-tip background.
QLabel* MakeInfoText(QWidget* parent, const QString& text, int fontHeight, const QString& hint)
{
    auto* label = new QLabel(text, parent);
    label->setFont(ArialFont(fontHeight));
    label->setToolTip(hint);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::ToolTipBase);
    label->setForegroundRole(QPalette::ToolTipText);
    return label;
}

}  // namespace

TGlimmerForm::TGlimmerForm(std::unique_ptr<Sounder> sounder_, const PlayerOptions& playerOptions, QWidget* parent)
    : QWidget(parent),
      sessionWords(std::make_unique<WordsForSession>(words)),
      session(std::make_unique<GameSession>(GameRules{}, ProcessRandom(), *sessionWords)),
      sounder(std::move(sounder_)),
      options(playerOptions),
      // Tiles keep their ink while the window is disabled behind a dialog.
      painter(std::make_unique<BoardPainter>(palette().color(QPalette::Active, QPalette::WindowText))),
      chosenKind(GameKind::Standard),
      formAnchors(designedClient),
      preplayAnchors({448, 36}),
      playAnchors({448, 36})
{
    setObjectName(QStringLiteral("GlimmerForm"));
    history = std::make_unique<GameHistoryFile>();
    InstallBoardAccessibility();
    BuildLayout();
    FormCreate();
    // Translated captions longer than the designed boxes.
    FitCaptions(*this);
}

TGlimmerForm::~TGlimmerForm()
{
    // Timers stop before the session they drive goes away.
    EvolveTimer->stop();
    TumbleTimer->stop();
    riseTimer->stop();
    session.reset();
}

void TGlimmerForm::BuildLayout()
{
    setWindowTitle(QStringLiteral("Glimmerquake"));
    setFont(ArialFont(11));
    setFocusPolicy(Qt::StrongFocus);
    resize(designedClient);

    // First, so that everything else lies over it.
    boardView = new BoardView(this);
    setFocusProxy(boardView);
    boardView->onPick = [this](Chip* tile) {
        dragTile = tile;
        SelectDragTile(false);
        dragTile = nullptr;
    };
    boardView->playable = [this] { return IsPlaying() && !boardHidden; };

    Label1 = new QLabel(tr("Score:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ArialFont(16));
    // The captions' boxes reach to their neighbours, so that longer translations fit.
    formAnchors.Place(Label1, {4, 11, 52, 18}, Anchors::Left | Anchors::Top);
    valueLabel =
        MakeInfoText(this, QStringLiteral("0"), 16, tr("The total score for all the words entered in the game"));
    valueLabel->setObjectName(QStringLiteral("valueLabel"));
    formAnchors.Place(valueLabel, {57, 9, 67, 22}, Anchors::Left | Anchors::Top);

    PreplayPanel = new QWidget(this);
    PreplayPanel->setObjectName(QStringLiteral("PreplayPanel"));
    formAnchors.Place(PreplayPanel, {126, 0, 448, 36}, Anchors::Left | Anchors::Top | Anchors::Right);
    const int topRight = Anchors::Top | Anchors::Right;
    StartButton = MakeButton(PreplayPanel, tr("&Start"), 16, tr("Start a new game"));
    StartButton->setObjectName(QStringLiteral("StartButton"));
    preplayAnchors.Place(StartButton, {4, 4, 84, 28}, topRight);
    preplayOptionsButton =
        MakeButton(PreplayPanel, tr("&Options..."), 16, tr("Change options such as the sounds played"));
    preplayOptionsButton->setObjectName(QStringLiteral("preplayOptionsButton"));
    preplayAnchors.Place(preplayOptionsButton, {94, 4, 84, 28}, topRight);
    // The caption marks both S and R; S belongs to Start, so R is the accelerator.
    ScoresButton = MakeButton(PreplayPanel, tr("&Sco&res..."), 16, tr("View the High Scores"));
    // The caption has two mnemonics, and a screen reader would read the second one out.
    ScoresButton->setAccessibleName(tr("Scores..."));
    ScoresButton->setObjectName(QStringLiteral("ScoresButton"));
    ScoresButton->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    preplayAnchors.Place(ScoresButton, {183, 4, 84, 28}, topRight);
    aboutButton = MakeButton(PreplayPanel, tr("&About..."), 16, tr("View the About Box"));
    aboutButton->setObjectName(QStringLiteral("aboutButton"));
    preplayAnchors.Place(aboutButton, {272, 4, 84, 28}, topRight);
    ExitButton = MakeButton(PreplayPanel, tr("E&xit"), 16, tr("Exit the application"));
    ExitButton->setObjectName(QStringLiteral("ExitButton"));
    preplayAnchors.Place(ExitButton, {361, 4, 84, 28}, topRight);

    PlayPanel = new QWidget(this);
    PlayPanel->setObjectName(QStringLiteral("PlayPanel"));
    formAnchors.Place(PlayPanel, {126, 0, 448, 36}, Anchors::Left | Anchors::Top | Anchors::Right);
    Label3 = new QLabel(tr("Lives:"), PlayPanel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(ArialFont(16));
    // A caption as long as its box ("Leben:") keeps a gap before the first face.
    Label3->setContentsMargins(0, 0, 3, 0);
    playAnchors.Place(Label3, {5, 10, 46, 18}, Anchors::Left | Anchors::Top);
    livesArea = new LivesArea(this, PlayPanel);
    livesArea->setObjectName(QStringLiteral("livesArea"));
    livesArea->setToolTip(tr("The number of lives remaining"));
    playAnchors.Place(livesArea, {52, 7, 130, 24}, Anchors::Left | Anchors::Top | Anchors::Right);
    playOptionsButton = MakeButton(PlayPanel, tr("&Options..."), 16, tr("Change options such as the sounds played"));
    playOptionsButton->setObjectName(QStringLiteral("playOptionsButton"));
    playAnchors.Place(playOptionsButton, {183, 4, 84, 28}, topRight);
    endGameButton = MakeButton(PlayPanel, tr("&Quit"), 16, tr("End the current game and view the High Scores"));
    endGameButton->setObjectName(QStringLiteral("endGameButton"));
    playAnchors.Place(endGameButton, {272, 4, 84, 28}, topRight);
    pauseButton = MakeButton(PlayPanel, tr("&Pause"), 16, tr("Suspend the current game so it can be resumed later"));
    pauseButton->setObjectName(QStringLiteral("pauseButton"));
    playAnchors.Place(pauseButton, {361, 4, 84, 28}, topRight);
    PlayPanel->hide();

    bestWordsLabel = new QLabel(tr("Best words:"), this);
    bestWordsLabel->setObjectName(QStringLiteral("bestWordsLabel"));
    bestWordsLabel->setFont(ArialFont(16));
    formAnchors.Place(bestWordsLabel, {390, 37, 181, 18}, Anchors::Top | Anchors::Right);
    bestWordList = new QListWidget(this);
    bestWordList->setObjectName(QStringLiteral("bestWordList"));
    bestWordList->setFont(ArialFont(20));
    bestWordList->setToolTip(tr("The words with the highest scores in the current game"));
    bestWordList->setAccessibleName(tr("Best words"));
    bestWordList->setUniformItemSizes(true);
    bestWordList->setFocusPolicy(Qt::NoFocus);
    bestWordList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bestWordList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette listPalette = bestWordList->palette();
    listPalette.setColor(QPalette::Base, listPalette.color(QPalette::ToolTipBase));
    listPalette.setColor(QPalette::Text, listPalette.color(QPalette::ToolTipText));
    bestWordList->setPalette(listPalette);
    formAnchors.Place(bestWordList, {390, 56, 181, 199}, Anchors::Top | Anchors::Right | Anchors::Bottom);

    const int bottomRight = Anchors::Right | Anchors::Bottom;
    helpButton = MakeButton(this, tr("&Help"), 24, tr("View the help information about this dialog"));
    helpButton->setObjectName(QStringLiteral("helpButton"));
    formAnchors.Place(helpButton, {390, 260, 181, 36}, bottomRight);
    clearButton = MakeButton(this, tr("&Clear"), 24, tr("Deselect all the selected tiles"));
    clearButton->setObjectName(QStringLiteral("clearButton"));
    formAnchors.Place(clearButton, {390, 301, 181, 36}, bottomRight);
    clearButton->setEnabled(false);
    enterButton = MakeButton(this, tr("&Enter"), 24, tr("Enter the word shown below"));
    enterButton->setObjectName(QStringLiteral("enterButton"));
    formAnchors.Place(enterButton, {390, 345, 181, 36}, bottomRight);
    enterButton->setEnabled(false);
    wordInProgress = MakeInfoText(this, QString(), 20, tr("The word formed by the selected tiles (with its score)"));
    wordInProgress->setObjectName(QStringLiteral("wordInProgress"));
    wordInProgress->setAccessibleDescription(tr("The word in progress"));
    formAnchors.Place(wordInProgress, {390, 388, 181, 26}, bottomRight);

    // Not part of the designed layout: a quiet note along the bottom that explains why no word
    // is accepted when the chosen dictionary cannot be read. Presses go through it to the window.
    dictionaryNoticeLabel = new QLabel(this);
    dictionaryNoticeLabel->setObjectName(QStringLiteral("dictionaryNoticeLabel"));
    dictionaryNoticeLabel->setWordWrap(true);
    dictionaryNoticeLabel->setFont(ArialFont(12));
    dictionaryNoticeLabel->setStyleSheet(QStringLiteral("color: #8b0000;"));
    dictionaryNoticeLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    dictionaryNoticeLabel->hide();

    // Not part of the designed layout either: the moment between a round's end and its clearing.
    roundOverLabel = new QLabel(this);
    roundOverLabel->setObjectName(QStringLiteral("roundOverLabel"));
    roundOverLabel->setFont(ArialFont(20));
    roundOverLabel->setAlignment(Qt::AlignCenter);
    roundOverLabel->setWordWrap(true);
    roundOverLabel->setAutoFillBackground(true);
    roundOverLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    roundOverLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    roundOverLabel->hide();

    // Tab order inside each panel, as designed.
    setTabOrder(StartButton, preplayOptionsButton);
    setTabOrder(preplayOptionsButton, ScoresButton);
    setTabOrder(ScoresButton, aboutButton);
    setTabOrder(aboutButton, ExitButton);
    setTabOrder(playOptionsButton, endGameButton);
    setTabOrder(endGameButton, pauseButton);

    EvolveTimer = new QTimer(this);
    EvolveTimer->setObjectName(QStringLiteral("EvolveTimer"));
    TumbleTimer = new QTimer(this);
    TumbleTimer->setObjectName(QStringLiteral("TumbleTimer"));
    riseTimer = new QTimer(this);
    riseTimer->setObjectName(QStringLiteral("riseTimer"));
    riseTimer->setInterval(ScoreRise::frameMilliseconds);
    scoreRise = std::make_unique<ScoreRise>();

    connect(StartButton, &QPushButton::clicked, this, &TGlimmerForm::StartButtonClick);
    connect(preplayOptionsButton, &QPushButton::clicked, this, &TGlimmerForm::preplayOptionsButtonClick);
    connect(ScoresButton, &QPushButton::clicked, this, &TGlimmerForm::ScoresButtonClick);
    connect(aboutButton, &QPushButton::clicked, this, &TGlimmerForm::aboutButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &TGlimmerForm::ExitButtonClick);
    connect(playOptionsButton, &QPushButton::clicked, this, &TGlimmerForm::OptionsClick);
    connect(endGameButton, &QPushButton::clicked, this, &TGlimmerForm::EndGameClick);
    connect(pauseButton, &QPushButton::clicked, this, &TGlimmerForm::pauseButtonClick);
    connect(helpButton, &QPushButton::clicked, this, &TGlimmerForm::helpButtonClick);
    connect(clearButton, &QPushButton::clicked, this, &TGlimmerForm::clearButtonClick);
    connect(enterButton, &QPushButton::clicked, this, &TGlimmerForm::EnterButtonClick);
    connect(EvolveTimer, &QTimer::timeout, this, &TGlimmerForm::EvolveTimerTick);
    connect(TumbleTimer, &QTimer::timeout, this, &TGlimmerForm::TumbleTimerTick);
    connect(riseTimer, &QTimer::timeout, this, &TGlimmerForm::RiseTimerTick);
    backgroundPause = new BackgroundPause(*this);
    backgroundPause->setObjectName(QStringLiteral("backgroundPause"));
    gameKeeper = new GameKeeper(*this);
    gameKeeper->setObjectName(QStringLiteral("gameKeeper"));
    new FocusReturn(this);
    // Over the best words, which are empty between games.
    todayPanel = new TodayPanel(this);
    connect(todayPanel, &TodayPanel::dailyChosen, this, [this] { StartGameOfKind(GameKind::Daily); });
    connect(todayPanel, &TodayPanel::relaxedChosen, this, [this] { StartGameOfKind(GameKind::Relaxed); });
    connect(todayPanel, &TodayPanel::statisticsChosen, this,
            [this] { NewGameForm->statistics->Execute(DictionaryFileName(), chosenKind); });
    definitions = std::make_unique<WordDefinitions>(
        *this, [this] { return options.GetDictionary(); }, WordNetFolder(),
        [this] {
            // The right-hand column, from the word in progress down.
            const QPoint topLeft = mapToGlobal(QPoint(wordInProgress->x(), wordInProgress->y()));
            return QRect(topLeft, mapToGlobal(QPoint(width() - 1, height() - 1)));
        });
    definitions->Watch(*bestWordList, 0, true);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) {
            FormApplicationEventsActivate();
        }
    });
}

void TGlimmerForm::FormCreate()
{
    WindowState state = WindowState::Normal;
    Persist(false).windowPlacement(this, &state);
    // First start: the middle of the screen, as designed, rather than wherever the desktop puts it.
    if (!testAttribute(Qt::WA_Moved)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
    }

    session->ShowTitle();

    QPalette colours = palette();
    colours.setColor(QPalette::Window, BgrColour(BoardPainter::backgroundColour));
    setPalette(colours);
    setAutoFillBackground(true);

    // Half the outer size after the placement was restored.
    const QSize outer = frameGeometry().size();
    setMinimumSize(std::max(outer.width() / 2, 1), std::max(outer.height() / 2, 1));
    // Last, as moving and sizing the window would take it out of the maximized state.
    if (state == WindowState::Maximized) {
        setWindowState(ApplyWindowState(windowState(), state));
    }

    captionTemplate = windowTitle() + QStringLiteral(" ()");
}

void TGlimmerForm::FormOnIdle()
{
    if (firstIdleSeen) {
        return;
    }
    firstIdleSeen = true;
    show();
    ShowToday();
    // A game left unfinished at the last run is offered over the window.
    gameKeeper->OfferSavedGame();
}

void TGlimmerForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    formAnchors.Apply(size());
    preplayAnchors.Apply(PreplayPanel->size());
    playAnchors.Apply(PlayPanel->size());
    PlaceDictionaryNotice();
    if (todayPanel != nullptr) {
        todayPanel->setGeometry(bestWordsLabel->geometry().united(bestWordList->geometry()));
    }
    if (backgroundPause != nullptr) {
        backgroundPause->Place();
    }
    if (isVisible()) {
        SaveWindowPlacement(windowState());
    }
    FormResize();
}

void TGlimmerForm::FormResize()
{
    // The list shows what fits; the session keeps every best word for a larger window.
    ShowBestWords();
    update();
}

void TGlimmerForm::PlaceDictionaryNotice()
{
    // Along the bottom, left of the right-hand column, as high as its wrapped text needs but
    // never above the score.
    const int noticeWidth = std::max(1, wordInProgress->x() - 10);
    const int scoreBottom = valueLabel->y() + valueLabel->height();
    const int top = std::max(scoreBottom + 4, height() - 4 - dictionaryNoticeLabel->heightForWidth(noticeWidth));
    dictionaryNoticeLabel->setGeometry(4, top, noticeWidth, std::max(0, height() - 4 - top));
}

void TGlimmerForm::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (isVisible()) {
        SaveWindowPlacement(windowState());
    }
}

void TGlimmerForm::SaveWindowPlacement(Qt::WindowStates state)
{
    Persist settings(true);
    WindowState own = WindowStateFrom(state);
    settings.windowPlacement(this, &own);
    if (NewGameForm != nullptr) {
        WindowState dialogState = WindowStateFrom(NewGameForm->windowState());
        settings.windowPlacement(NewGameForm, &dialogState);
    }
}

void TGlimmerForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimised = change->oldState() & Qt::WindowMinimized;
    const bool isMinimised = windowState() & Qt::WindowMinimized;
    if (isMinimised && !wasMinimised) {
        FormApplicationEventsMinimize();
    } else if (wasMinimised && !isMinimised) {
        FormApplicationEventsRestore();
    }
}

void TGlimmerForm::FormApplicationEventsActivate()
{
    if (isActiveWindow() && IsPlayPanelShown()) {
        setFocus();
    }
}

void TGlimmerForm::FormApplicationEventsMinimize()
{
    if (!IsPlayPanelShown() || minimised.saved) {
        return;
    }
    // Play stopped because the game went to the background counts as running: restoring resumes it.
    minimised = backgroundPause->Cancel()
                    ? SuspendedPlay{true, true, true, false}
                    : SuspendedPlay{true, EvolveTimer->isActive(), TumbleTimer->isActive(), boardHidden};
    SuspendPlay(true);
}

void TGlimmerForm::FormApplicationEventsRestore()
{
    if (!minimised.saved) {
        return;
    }
    const SuspendedPlay before = minimised;
    minimised = {};
    if (!IsPlayPanelShown()) {
        return;
    }
    if (before.evolveRunning && before.tumbleRunning && !before.hidden) {
        ResumePlay();
        return;
    }
    // Paused behind a question, in the options, or clearing at the end of a round: go back to
    // exactly that, and let whoever suspended play resume it.
    boardHidden = before.hidden;
    update();
    if (before.tumbleRunning) {
        TumbleTimer->start();
    }
    if (before.evolveRunning) {
        EvolveTimer->start();
        gameKeeper->PlayResumed();
    }
}

void TGlimmerForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the main window ends the program, whatever else is open (How To Play, the help,
    // a definition).
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
}

bool TGlimmerForm::FormCloseQuery()
{
    // A load runs nested message loops under this window; closing now would pull the words
    // table from under it.
    if (loadingDictionary) {
        return false;
    }
    // The game is saved for the logout or shutdown under way, and waits for the next start.
    if (gameKeeper->MayCloseWithoutAsking()) {
        return true;
    }
    if (IsPlayPanelShown()) {
        if (EvolveTimer->isActive()) {
            ConfirmPauseOrQuit(false);
        }
        return false;
    }
    return true;
}
