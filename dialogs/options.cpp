// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/options.h"

#include "dialogs/help.h"
#include "dialogs/sounds.h"
#include "dictionary/TSDictionaryList.h"
#include "platform/HelpContext.h"
#include "settings/DictionaryName.h"
#include "settings/FitCaptions.h"
#include "settings/Persist.h"
#include "settings/Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LazyWindow<TOptionsForm> OptionsForm;

namespace {

template <typename Widget>
Widget* Placed(Widget* widget, QRect rect, const QString& hint = QString())
{
    widget->setGeometry(rect);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

}  // namespace

TOptionsForm::TOptionsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(tr("Options"));
    QFont text(QStringLiteral("Arial"));
    text.setPixelSize(18);
    setFont(text);
    // The design's 394 by 359, with two rows more: the pause and colour switches.
    setFixedSize(394, 415);
    SetWindowHelpContext(this, 30);

    // Created in tab order. The design's positions are used as they are, in logical pixels.
    // The panel reaches the dialog's right edge so the pause switch's text has room.
    auto* panel = Placed(new QWidget(this), QRect(9, 9, 385, 360));
    auto* nicknameLabel = Placed(new QLabel(tr("&Nickname:"), panel), QRect(9, 13, 84, 21));
    NicknameField = Placed(new QLineEdit(panel), QRect(101, 9, 266, 29), tr("The name used in the High Score table"));
    NicknameField->setObjectName(QStringLiteral("NicknameField"));
    NicknameField->setMaxLength(100);
    nicknameLabel->setBuddy(NicknameField);
    auto* dictionaryLabel = Placed(new QLabel(tr("&Dictionary:"), panel), QRect(9, 56, 85, 21));
    DictionaryList = Placed(new QComboBox(panel), QRect(101, 53, 266, 29), tr("The dictionary used to validate words"));
    DictionaryList->setObjectName(QStringLiteral("DictionaryList"));
    dictionaryLabel->setBuddy(DictionaryList);
    HowToPlay = Placed(new QCheckBox(tr("Show How To &Play before each game"), panel), QRect(9, 94, 360, 20),
                       tr("If this is checked, the How To Play information is shown before each game starts"));
    HowToPlay->setObjectName(QStringLiteral("HowToPlay"));
    PauseInBackground =
        Placed(new QCheckBox(tr("Pause when the game is in the back&ground"), panel), QRect(9, 122, 376, 20),
               tr("If this is checked, the game pauses while you work in another window"));
    PauseInBackground->setObjectName(QStringLiteral("PauseInBackground"));
    ColourBlindColours =
        Placed(new QCheckBox(tr("Co&lours for colour-blind players"), panel), QRect(9, 150, 376, 20),
               tr("If this is checked, the chain is dark blue with a light edge and its tiles are ringed"));
    ColourBlindColours->setObjectName(QStringLiteral("ColourBlindColours"));
    SoundGroup = Placed(new QGroupBox(tr("Audio"), panel), QRect(9, 184, 358, 169));
    SoundGroup->setObjectName(QStringLiteral("SoundGroup"));
    SelectTileSounds = Placed(new QCheckBox(tr("Play a sound when a &tile is selected"), SoundGroup),
                              QRect(9, 27, 345, 20), tr("Clicking on a tile makes a sound if this box is checked"));
    SelectTileSounds->setObjectName(QStringLiteral("SelectTileSounds"));
    EnterWordSounds = Placed(new QCheckBox(tr("Play a sound when a &word is entered"), SoundGroup),
                             QRect(9, 62, 345, 19), tr("Entering a word makes a sound if this box is checked"));
    EnterWordSounds->setObjectName(QStringLiteral("EnterWordSounds"));
    EndRoundSounds =
        Placed(new QCheckBox(tr("Play a sound when the &board fills up"), SoundGroup), QRect(10, 97, 345, 19),
               tr("A sound is made when the board fills up if this box is checked"));
    EndRoundSounds->setObjectName(QStringLiteral("EndRoundSounds"));
    SoundsButton = Placed(new QPushButton(tr("&Sounds..."), SoundGroup), QRect(9, 127, 110, 32),
                          tr("Change the sounds for Glimmerquake events"));
    SoundsButton->setObjectName(QStringLiteral("SoundsButton"));
    OKBtn = Placed(new QPushButton(tr("&OK"), this), QRect(13, 376, 109, 32),
                   tr("Accept the changes and close the dialog"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = Placed(new QPushButton(tr("&Cancel"), this), QRect(142, 376, 109, 32),
                       tr("Discard any changes and close the dialog"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    helpButton = Placed(new QPushButton(tr("&Help"), this), QRect(271, 376, 110, 32),
                        tr("View the help information about this dialog"));
    helpButton->setObjectName(QStringLiteral("helpButton"));

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

std::optional<PlayerOptions> TOptionsForm::Execute(const PlayerOptions& current, bool allowDictionaryChange)
{
    NicknameField->setText(current.GetNickname());
    NicknameFieldChange();
    HowToPlay->setChecked(current.GetHowToPlay());
    PauseInBackground->setChecked(current.GetPauseInBackground());
    ColourBlindColours->setChecked(current.GetColourBlindColours());
    EndRoundSounds->setChecked(current.GetEndRoundSounds());
    EnterWordSounds->setChecked(current.GetEnterWordSounds());
    SelectTileSounds->setChecked(current.GetSelectTileSounds());

    // Scanned afresh each time, so files added while the game runs appear.
    const QString folder = QCoreApplication::applicationDirPath();
    DictionaryList->clear();
    for (const QString& name : DictionaryNames(folder))
        DictionaryList->addItem(DictionaryDisplayName(name), name);
    // The entry of the file the game loads for the stored name; the match keeps the 4 letters of
    // ".tsd", in whatever case the file has them. A stored name with no usable file still shows,
    // as itself, so a neighbour is never taken for it.
    const QString file = FileNameIgnoringCase(folder, current.GetDictionary() + QStringLiteral(".tsd")).chopped(4);
    int index = DictionaryList->findData(file, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !current.GetDictionary().isEmpty()) {
        index = 0;
        DictionaryList->insertItem(index,
                                   tr("%1 (missing or damaged)").arg(DictionaryDisplayName(current.GetDictionary())),
                                   current.GetDictionary());
    }
    DictionaryList->setCurrentIndex(index);
    DictionaryList->setEnabled(allowDictionaryChange);
    NicknameField->setFocus();
    NicknameField->selectAll();

    if (exec() != QDialog::Accepted)
        return std::nullopt;
    PlayerOptions chosen = current;
    chosen.SetNickname(NicknameField->text());
    chosen.SetHowToPlay(HowToPlay->isChecked());
    chosen.SetPauseInBackground(PauseInBackground->isChecked());
    chosen.SetColourBlindColours(ColourBlindColours->isChecked());
    chosen.SetEndRoundSounds(EndRoundSounds->isChecked());
    chosen.SetEnterWordSounds(EnterWordSounds->isChecked());
    chosen.SetSelectTileSounds(SelectTileSounds->isChecked());
    if (allowDictionaryChange && DictionaryList->currentIndex() >= 0)
        chosen.SetDictionary(DictionaryList->currentData().toString());
    return chosen;
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
