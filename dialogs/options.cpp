#include "dialogs/options.h"

#include "dialogs/help.h"
#include "dialogs/sounds.h"
#include "dictionary/TSDictionaryList.h"
#include "platform/HelpContext.h"
#include "settings/Persist.h"
#include "settings/Utils.h"
#include "settings/FitCaptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TOptionsForm* OptionsForm = nullptr;

namespace {

template <typename Widget>
Widget* Placed(Widget* widget, QRect rect, const QString& hint = QString())
{
    widget->setGeometry(rect);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

} // namespace

TOptionsForm::TOptionsForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(tr("Options"));
    QFont text(QStringLiteral("Arial"));
    text.setPixelSize(18);
    setFont(text);
    // The design's 394 by 359, with one row more for the pause switch.
    setFixedSize(394, 387);
    SetWindowHelpContext(this, 30);

    // Created in tab order. The design's positions are used as they are, in logical pixels.
    // The panel reaches the dialog's right edge so the pause switch's text has room.
    auto* panel = Placed(new QWidget(this), QRect(9, 9, 385, 332));
    auto* nicknameLabel = Placed(new QLabel(tr("&Nickname:"), panel), QRect(9, 13, 84, 21));
    NicknameField = Placed(new QLineEdit(panel), QRect(101, 9, 266, 29), tr("The name used in the High Score table"));
    NicknameField->setMaxLength(100);
    nicknameLabel->setBuddy(NicknameField);
    auto* dictionaryLabel = Placed(new QLabel(tr("&Dictionary:"), panel), QRect(9, 56, 85, 21));
    DictionaryList =
        Placed(new QComboBox(panel), QRect(101, 53, 266, 29), tr("The dictionary used to validate words"));
    dictionaryLabel->setBuddy(DictionaryList);
    HowToPlay = Placed(new QCheckBox(tr("Show How To &Play before each game"), panel), QRect(9, 94, 360, 20),
                       tr("If this is checked, the How To Play information is shown before each game starts"));
    PauseInBackground = Placed(new QCheckBox(tr("Pause when the game is in the back&ground"), panel),
                               QRect(9, 122, 376, 20),
                               tr("If this is checked, the game pauses while you work in another window"));
    SoundGroup = Placed(new QGroupBox(tr("Audio"), panel), QRect(9, 156, 358, 169));
    SelectTileSounds = Placed(new QCheckBox(tr("Play a sound when a &tile is selected"), SoundGroup),
                              QRect(9, 27, 345, 20), tr("Clicking on a tile makes a sound if this box is checked"));
    EnterWordSounds = Placed(new QCheckBox(tr("Play a sound when a &word is entered"), SoundGroup),
                             QRect(9, 62, 345, 19), tr("Entering a word makes a sound if this box is checked"));
    EndRoundSounds =
        Placed(new QCheckBox(tr("Play a sound when the &board fills up"), SoundGroup), QRect(10, 97, 345, 19),
               tr("A sound is made when the board fills up if this box is checked"));
    SoundsButton = Placed(new QPushButton(tr("&Sounds..."), SoundGroup), QRect(9, 127, 110, 32),
                          tr("Change the sounds for Glimmerquake events"));
    OKBtn = Placed(new QPushButton(tr("&OK"), this), QRect(13, 348, 109, 32),
                   tr("Accept the changes and close the dialog"));
    OKBtn->setDefault(true);
    CancelBtn = Placed(new QPushButton(tr("&Cancel"), this), QRect(142, 348, 109, 32),
                       tr("Discard any changes and close the dialog"));
    helpButton = Placed(new QPushButton(tr("&Help"), this), QRect(271, 348, 110, 32),
                        tr("View the help information about this dialog"));

    connect(NicknameField, &QLineEdit::textChanged, this, &TOptionsForm::NicknameFieldChange);
    connect(SoundsButton, &QPushButton::clicked, this, &TOptionsForm::SoundsButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &TOptionsForm::HelpButtonClick);

    Persist(false).windowPlacement(this, nullptr);
    // Translated captions longer than the designed boxes.
    FitCaptions(*this);
}

TOptionsForm::~TOptionsForm()
{
    Persist(true).windowPlacement(this, nullptr);
}

int TOptionsForm::Execute(bool allowDictionaryChange, bool& howToPlay, bool& pauseInBackground, bool& endRoundSounds,
                          bool& enterWordSounds, bool& selectTileSounds, QString& dictionary, QString& nickname)
{
    NicknameField->setText(nickname);
    NicknameFieldChange();
    HowToPlay->setChecked(howToPlay);
    PauseInBackground->setChecked(pauseInBackground);
    EndRoundSounds->setChecked(endRoundSounds);
    EnterWordSounds->setChecked(enterWordSounds);
    SelectTileSounds->setChecked(selectTileSounds);

    // Scanned afresh each time, so files added while the game runs appear.
    const QString folder = QCoreApplication::applicationDirPath();
    DictionaryList->clear();
    DictionaryList->addItems(DictionaryNames(folder));
    // The entry of the file the game loads for the stored name; the match keeps the 4 letters of
    // ".tsd", in whatever case the file has them.
    const QString file = FileNameIgnoringCase(folder, dictionary + QStringLiteral(".tsd")).chopped(4);
    const int current = DictionaryList->findText(file, Qt::MatchExactly | Qt::MatchCaseSensitive);
    DictionaryList->setCurrentIndex(current >= 0 ? current : (DictionaryList->count() > 0 ? 0 : -1));
    DictionaryList->setEnabled(allowDictionaryChange);
    NicknameField->setFocus();
    NicknameField->selectAll();

    const int result = exec();
    if (result == QDialog::Accepted) {
        nickname = NicknameField->text();
        howToPlay = HowToPlay->isChecked();
        pauseInBackground = PauseInBackground->isChecked();
        endRoundSounds = EndRoundSounds->isChecked();
        enterWordSounds = EnterWordSounds->isChecked();
        selectTileSounds = SelectTileSounds->isChecked();
        if (allowDictionaryChange && DictionaryList->currentIndex() >= 0)
            dictionary = DictionaryList->currentText();
    }
    return result;
}

QStringList TOptionsForm::DictionaryNames(const QString& directory)
{
    // The platform's search order is arbitrary; sorted by name the list stays the same each time.
    const QFileInfoList files = QDir(directory).entryInfoList({QStringLiteral("*.tsd")}, QDir::Files | QDir::Hidden,
                                                              QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QFileInfo& file : files) {
        const TSDictionaryList list(file.absoluteFilePath().toStdString());
        if (!list.FailedName())
            names << file.completeBaseName();
    }
    return names;
}

void TOptionsForm::NicknameFieldChange()
{
    OKBtn->setEnabled(!NicknameField->text().isEmpty());
}

void TOptionsForm::SoundsButtonClick()
{
    TSoundsForm sounds(this);
    sounds.Execute();
}

void TOptionsForm::HelpButtonClick()
{
    OpenHelpContext(30);
}
