#include "dialogs/newgame.h"

#include "dialogs/options.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

TNewGameForm* NewGameForm = nullptr;

TNewGameForm::TNewGameForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewGameForm"));
    setWindowTitle(QStringLiteral("Scores"));
    resize(499, 340);

    HighScoresGroup = new QGroupBox(this);
    HighScoresGroup->setGeometry(8, 6, 381, 327);
    HighScoreTable = new QTreeWidget(HighScoresGroup);
    HighScoreTable->setGeometry(8, 22, 364, 262);
    HighScoreTable->setHeaderLabels({tr("Score"), tr("Player"), tr("Best Word")});
    HighScoreTable->setRootIsDecorated(false);
    HighScoreTable->header()->setSectionsClickable(false);

    StartButton = new QPushButton(tr("&Start"), this);
    StartButton->setGeometry(396, 14, 96, 28);
    StartButton->setDefault(true);
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setGeometry(396, 50, 96, 28);
    OptionsButton = new QPushButton(tr("&Options..."), this);
    OptionsButton->setGeometry(396, 305, 96, 28);

    connect(StartButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(OptionsButton, &QPushButton::clicked, this, [this] { ShowOptions(true); });

    HighScoresGroup->setTitle(options.GetDictionary() + QStringLiteral(" High Scores"));
}

TNewGameForm::~TNewGameForm()
{
    SaveSettings();
}

int TNewGameForm::ShowScores(ScoresKind kind, std::uint32_t score, const QString& bestWord)
{
    switch (kind) {
    case ScoresKind::ViewScores: setWindowTitle(QStringLiteral("Scores")); break;
    case ScoresKind::GameEnded: setWindowTitle(QStringLiteral("Game Ended")); break;
    case ScoresKind::GameOver: setWindowTitle(QStringLiteral("Game Over")); break;
    }
    if (score > 0) {
        auto* row = new QTreeWidgetItem({QString::number(score), options.GetNickname(), bestWord});
        HighScoreTable->insertTopLevelItem(0, row);
        HighScoreTable->setCurrentItem(row);
    }
    const int result = isVisible() ? QDialog::Rejected : exec();
    SaveSettings();
    return result == QDialog::Accepted ? 1 : 0;
}

void TNewGameForm::ShowOptions(bool allowDictionaryChange)
{
    if (OptionsForm->isVisible()) {
        return;
    }
    QString nickname = options.GetNickname();
    QString dictionary = options.GetDictionary();
    bool howToPlay = options.GetHowToPlay();
    bool endRound = options.GetEndRoundSounds();
    bool enterWord = options.GetEnterWordSounds();
    bool selectTile = options.GetSelectTileSounds();
    if (OptionsForm->Execute(allowDictionaryChange, howToPlay, endRound, enterWord, selectTile, dictionary,
                             nickname) != QDialog::Accepted) {
        return;
    }
    options.SetNickname(nickname);
    options.SetDictionary(dictionary);
    options.SetHowToPlay(howToPlay);
    options.SetEndRoundSounds(endRound);
    options.SetEnterWordSounds(enterWord);
    options.SetSelectTileSounds(selectTile);
    HighScoresGroup->setTitle(options.GetDictionary() + QStringLiteral(" High Scores"));
    SaveSettings();
}

void TNewGameForm::SaveSettings()
{
    options.SaveSettings();
}
