// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/GameKeeper.h"

#include "board/GameRandom.h"
#include "board/GameSession.h"
#include "board/SavedGameFormat.h"
#include "dialogs/newgame.h"
#include "dictionary/WordsForSession.h"
#include "glimform/BackgroundPause.h"
#include "glimform/TodayPanel.h"
#include "glimform/glimform.h"
#include "platform/TerminationSignals.h"
#include "platform/Translations.h"
#include "settings/DictionaryName.h"
#include "settings/Utils.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>

namespace {

constexpr int autosaveInterval = 30'000;
constexpr int resumeHelpContext = 140;

QString DictionaryFile(const QString& dictionary)
{
    return AppFilePath(
        FileNameIgnoringCase(QCoreApplication::applicationDirPath(), dictionary + QStringLiteral(".tsd")));
}

}  // namespace

GameKeeper::GameKeeper(TGlimmerForm& form)
    : QObject(&form), form(form), termination(std::make_unique<TerminationSignals>())
{
    autosave.setInterval(autosaveInterval);
    autosave.setObjectName(QStringLiteral("autosave"));
    connect(&autosave, &QTimer::timeout, this, &GameKeeper::Save);
    connect(termination.get(), &TerminationSignals::received, this, &GameKeeper::SaveAndExit);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &GameKeeper::SaveForLogout);
}

GameKeeper::~GameKeeper() = default;

void GameKeeper::Save()
{
    if (form.session->Phase() == SessionPhase::BetweenGames || leaving == Leave::Signal) {
        return;
    }
    const bool daily = form.session->Kind() == GameKind::Daily;
    const SavedGame game{form.options.GetDictionary().toStdString(), QDateTime::currentMSecsSinceEpoch(),
                         form.session->Save(),
                         daily ? form.dailyDate.toString(Qt::ISODate).toStdString() : std::string()};
    const std::string bytes = EncodeSavedGame(game);
    const QString error = file.Write(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!error.isEmpty() && !std::exchange(writeFailureReported, true)) {
        qWarning("The game cannot be saved in %s: %s", qPrintable(file.Path()), qPrintable(error));
    }
}

void GameKeeper::PlaySuspended()
{
    autosave.stop();
    Save();
}

void GameKeeper::PlayResumed()
{
    autosave.start();
    if (leaving == Leave::Logout) {
        leaving = Leave::No;
    }
}

void GameKeeper::Forget()
{
    autosave.stop();
    if (leaving != Leave::Signal) {
        file.Remove();
    }
}

void GameKeeper::SaveForLogout()
{
    // The desktop may end the program without another word: the game waits paused for the next
    // start, and closing needs no question. A logout that is called off leaves the game paused.
    if (form.IsPlaying() && form.EvolveTimer->isActive()) {
        form.backgroundPause->PauseNow();
    }
    Save();
    leaving = form.session->Phase() == SessionPhase::BetweenGames ? leaving : Leave::Logout;
}

void GameKeeper::SaveAndExit()
{
    if (leaving == Leave::Signal) {
        return;
    }
    form.EvolveTimer->stop();
    form.TumbleTimer->stop();
    autosave.stop();
    Save();
    leaving = Leave::Signal;
    // Every event loop ends, also those of open questions; the windows then close as after Exit.
    QCoreApplication::exit(0);
}

bool GameKeeper::Readable(const QByteArray& bytes, SavedGame& game)
{
    SavedGameFault fault =
        DecodeSavedGame(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), game);
    if (fault == SavedGameFault::None) {
        // Only a game that a session can take up is offered.
        GameRandom scratch;
        GameSession trial(GameRules{}, scratch, *form.sessionWords);
        fault = trial.Load(game.session) ? SavedGameFault::None : SavedGameFault::Damaged;
    }
    if (fault == SavedGameFault::None) {
        return true;
    }
    const QString why = fault == SavedGameFault::Foreign ? tr("The file is not a game saved by Glimmerquake.")
                        : fault == SavedGameFault::Newer ? tr("It was saved by a newer version of Glimmerquake.")
                                                         : tr("The file is damaged.");
    const QString aside = file.SetAside();
    const QString kept = aside.isEmpty()
                             ? QString()
                             : tr("The file was kept as \"%1\" for a bug report.").arg(QDir::toNativeSeparators(aside));
    CenteredMessageDialog(&form,
                          tr("The game you left could not be read, so it cannot be resumed. %1\n\nA new game can be "
                             "started as usual. %2")
                              .arg(why, kept)
                              .trimmed(),
                          QMessageBox::Warning, QMessageBox::Ok, resumeHelpContext);
    return false;
}

void GameKeeper::OfferSavedGame()
{
    const std::optional<QByteArray> bytes = file.Read();
    SavedGame game;
    if (!bytes || !Readable(*bytes, game)) {
        return;
    }
    const QString dictionary = QString::fromStdString(game.dictionary);
    const QLocale locale = PlayerLocale();
    const QString when = locale.toString(QDateTime::fromMSecsSinceEpoch(game.savedAt), QLocale::ShortFormat);
    const QString score = locale.toString(game.session.state.score);
    if (!QFileInfo(DictionaryFile(dictionary)).isFile()) {
        CenteredMessageDialog(&form,
                              tr("The game you left on %1 was played with the dictionary \"%2\", which is no longer "
                                 "there, so it cannot go on. It ends now, and its score of %3 goes to the high "
                                 "scores.")
                                  .arg(when, DictionaryDisplayName(dictionary), score),
                              QMessageBox::Information, QMessageBox::Ok, resumeHelpContext);
        if (!Leaving()) {
            EndAsQuit(game);
        }
        return;
    }
    // Esc does nothing: ending a game is never an accident.
    const int answer =
        CenteredMessageDialog(&form, tr("Resume the game you left on %1, score %2?").arg(when, score),
                              QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, resumeHelpContext, false);
    if (Leaving()) {
        return;
    }
    answer == QMessageBox::Yes ? Resume(game) : EndAsQuit(game);
}

void GameKeeper::Resume(const SavedGame& game)
{
    const QString dictionary = QString::fromStdString(game.dictionary);
    if (dictionary != form.options.GetDictionary()) {
        NewGameForm->ChooseDictionary(dictionary);
    }
    form.PrepareDictionary(true);
    form.session->Load(game.session);
    form.chosenKind = game.session.kind;
    form.dailyDate = QDate::fromString(QString::fromStdString(game.dailyDate), Qt::ISODate);
    form.PreplayPanel->hide();
    form.PlayPanel->show();
    form.todayPanel->hide();
    form.ShowDictionaryInTitle();
    form.ShowLives();
    form.ShowScore();
    form.ShowBestWords();
    form.ShowWordInProgress(true);
    form.EvolveTimer->setInterval(static_cast<int>(form.session->EvolveInterval()));
    form.TumbleTimer->setInterval(static_cast<int>(form.session->TumbleInterval()));
    if (form.session->Phase() == SessionPhase::Clearing) {
        form.ShowMissedWord();
        form.wordInProgress->setText(form.missedWord);
        form.EnablePlayButtons(false);
    }
    form.update();
    // Exactly where it stood, and paused: the player resumes as from a pause.
    form.backgroundPause->PauseNow();
}

void GameKeeper::EndAsQuit(const SavedGame& game)
{
    const QString dictionary = QString::fromStdString(game.dictionary);
    const QString chosen = form.options.GetDictionary();
    if (dictionary != chosen) {
        NewGameForm->ChooseDictionary(dictionary);
    }
    form.session->Load(game.session);
    form.chosenKind = game.session.kind;
    form.dailyDate = QDate::fromString(QString::fromStdString(game.dailyDate), Qt::ISODate);
    form.session->End(true);
    form.EndGame(true);
    // The table of a dictionary that is gone was shown for this score only.
    if (form.options.GetDictionary() == dictionary && !QFileInfo(DictionaryFile(dictionary)).isFile()) {
        NewGameForm->ChooseDictionary(chosen);
    }
    form.ShowDictionaryInTitle();
}
