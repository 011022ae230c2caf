// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/sounds.h"

#include "platform/DesktopSound.h"
#include "platform/SoundOutput.h"
#include "platform/UserRegistry.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

static_assert(SoundEventCount == 6);

namespace {

QString SchemeValue(int event, const char* subkey, bool& found)
{
    const auto key =
        RegistryKey::Open(QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) + QString::fromLatin1(subkey));
    found = key && key->Type(QString()) == RegistryValueType::String;
    return found ? key->String(QString()) : QString();
}

// The events' names as the player reads them, in the order of the scheme's keys.
constexpr std::array<const char*, SoundEventCount> eventTitles = {
    QT_TRANSLATE_NOOP("TSoundsForm", "Select Tile"), QT_TRANSLATE_NOOP("TSoundsForm", "Select Word"),
    QT_TRANSLATE_NOOP("TSoundsForm", "New Life"),    QT_TRANSLATE_NOOP("TSoundsForm", "End Round"),
    QT_TRANSLATE_NOOP("TSoundsForm", "High Word"),   QT_TRANSLATE_NOOP("TSoundsForm", "Low Word"),
};

QString EventTitle(int event)
{
    return TSoundsForm::tr(eventTitles[static_cast<std::size_t>(event)]);
}

}  // namespace

TSoundsForm::TSoundsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SoundsForm"));
    setWindowTitle(tr("Glimmerquake Sounds"));
    resize(520, 330);

    auto* intro = new QLabel(tr("Choose the sound that each game event plays."), this);
    EventList = new QTreeWidget(this);
    EventList->setObjectName(QStringLiteral("EventList"));
    EventList->setHeaderLabels({tr("Event"), tr("Sound")});
    EventList->setRootIsDecorated(false);
    EventList->setUniformRowHeights(true);
    EventList->setSelectionMode(QAbstractItemView::SingleSelection);
    EventList->header()->setSectionsClickable(false);
    EventList->setColumnWidth(0, 150);
    for (int event = 0; event < SoundEventCount; ++event)
        EventList->addTopLevelItem(new QTreeWidgetItem({EventTitle(event), QString()}));
    FileLabel = new QLabel(this);
    FileLabel->setObjectName(QStringLiteral("FileLabel"));
    FileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileLabel->setWordWrap(true);

    PlayButton = new QPushButton(tr("&Play"), this);
    PlayButton->setObjectName(QStringLiteral("PlayButton"));
    PlayButton->setToolTip(tr("Play the sound of the selected event"));
    ChooseButton = new QPushButton(tr("&Choose..."), this);
    ChooseButton->setObjectName(QStringLiteral("ChooseButton"));
    ChooseButton->setToolTip(tr("Choose a WAV file for the selected event"));
    NoSoundButton = new QPushButton(tr("&No Sound"), this);
    NoSoundButton->setObjectName(QStringLiteral("NoSoundButton"));
    NoSoundButton->setToolTip(tr("Make the selected event silent"));
    DefaultButton = new QPushButton(tr("&Default"), this);
    DefaultButton->setObjectName(QStringLiteral("DefaultButton"));
    DefaultButton->setToolTip(tr("Go back to the game's own sound for the selected event"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = buttons->button(QDialogButtonBox::Cancel);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* eventButtons = new QHBoxLayout;
    for (QPushButton* button : {PlayButton, ChooseButton, NoSoundButton, DefaultButton})
        eventButtons->addWidget(button);
    eventButtons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(EventList);
    layout->addWidget(FileLabel);
    layout->addLayout(eventButtons);
    layout->addWidget(buttons);

    connect(EventList, &QTreeWidget::currentItemChanged, this, [this] { ShowPath(SelectedEvent()); });
    connect(PlayButton, &QPushButton::clicked, this, &TSoundsForm::PlayButtonClick);
    connect(ChooseButton, &QPushButton::clicked, this, &TSoundsForm::ChooseButtonClick);
    connect(NoSoundButton, &QPushButton::clicked, this, &TSoundsForm::NoSoundButtonClick);
    connect(DefaultButton, &QPushButton::clicked, this, &TSoundsForm::DefaultButtonClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TSoundsForm::~TSoundsForm() = default;

int TSoundsForm::Execute()
{
    ReadScheme();
    SelectEvent(0);
    const int result = exec();
    if (output)
        output->PlayFile(QString());
    if (result == QDialog::Accepted)
        WriteScheme();
    return result;
}

void TSoundsForm::ReadScheme()
{
    for (int event = 0; event < SoundEventCount; ++event) {
        bool found = false;
        const QString current = SchemeValue(event, "\\.current", found);
        // The game registers a missing event with its default file at its next start.
        paths[static_cast<std::size_t>(event)] = found ? current : DefaultPath(event);
        ShowPath(event);
    }
}

void TSoundsForm::WriteScheme() const
{
    for (int event = 0; event < SoundEventCount; ++event) {
        const auto key = RegistryKey::Create(QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) +
                                             QStringLiteral("\\.current"));
        if (!key)
            continue;
        key->SetString(QString(), paths[static_cast<std::size_t>(event)]);
        key->Flush();
    }
}

QString TSoundsForm::Path(int event) const
{
    return event >= 0 && event < SoundEventCount ? paths[static_cast<std::size_t>(event)] : QString();
}

void TSoundsForm::SetSelectedPath(const QString& path)
{
    const int event = SelectedEvent();
    if (event < 0)
        return;
    paths[static_cast<std::size_t>(event)] = path;
    ShowPath(event);
}

void TSoundsForm::SelectEvent(int event)
{
    EventList->setCurrentItem(EventList->topLevelItem(event));
}

void TSoundsForm::PlayButtonClick()
{
    const QString path = Path(SelectedEvent());
    if (!output)
        output = NewDesktopSoundOutput();
    output->PlayFile(path);
}

void TSoundsForm::ChooseButtonClick()
{
    if (SelectedEvent() < 0)
        return;
    const QString current = Path(SelectedEvent());
    QFileDialog dialog(this, tr("Choose a Sound"),
                       current.isEmpty() ? QFileInfo(AppFilePath(QStringLiteral("x"))).absolutePath()
                                         : QFileInfo(current).absolutePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("Wave sounds (*.wav *.WAV)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    // Said now, not found out later as silence: the old choice stays.
    if (!IsPlayableDesktopSound(chosen)) {
        CenteredMessageDialog(this,
                              tr("\"%1\" is not a sound the game can play, so the sound stays as it was.")
                                  .arg(QFileInfo(chosen).fileName()),
                              QMessageBox::Warning, QMessageBox::Ok, 30);
        return;
    }
    SetSelectedPath(chosen);
}

void TSoundsForm::NoSoundButtonClick()
{
    SetSelectedPath(QString());
}

void TSoundsForm::DefaultButtonClick()
{
    if (SelectedEvent() >= 0)
        SetSelectedPath(DefaultPath(SelectedEvent()));
}

QString TSoundsForm::DefaultPath(int event)
{
    bool found = false;
    const QString value = SchemeValue(event, "\\.default", found);
    return found ? value : AppFilePath(SoundEventDefaultFile(event));
}

int TSoundsForm::SelectedEvent() const
{
    return EventList->indexOfTopLevelItem(EventList->currentItem());
}

void TSoundsForm::ShowPath(int event)
{
    if (event >= 0 && event < SoundEventCount) {
        const QString& path = paths[static_cast<std::size_t>(event)];
        QTreeWidgetItem* item = EventList->topLevelItem(event);
        item->setText(1, path.isEmpty() ? tr("(no sound)") : QFileInfo(path).fileName());
        item->setToolTip(1, path);
    }
    const int selected = SelectedEvent();
    for (QPushButton* button : {PlayButton, ChooseButton, NoSoundButton, DefaultButton})
        button->setEnabled(selected >= 0);
    const QString path = Path(selected);
    FileLabel->setText(selected < 0 ? QString() : path.isEmpty() ? tr("No sound") : tr("File: %1").arg(path));
}
