#include "dialogs/options.h"

#include "dictionary/TSDictionaryList.h"
#include "settings/Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TOptionsForm* OptionsForm = nullptr;

TOptionsForm::TOptionsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(tr("Options"));
    auto* layout = new QFormLayout(this);
    NicknameField = new QLineEdit(this);
    NicknameField->setMaxLength(100);
    DictionaryList = new QComboBox(this);
    HowToPlay = new QCheckBox(tr("Show How To &Play before each game"), this);
    SelectTileSounds = new QCheckBox(tr("Select tile sounds"), this);
    EnterWordSounds = new QCheckBox(tr("Enter word sounds"), this);
    EndRoundSounds = new QCheckBox(tr("End round sounds"), this);
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    layout->addRow(tr("&Nickname:"), NicknameField);
    layout->addRow(tr("&Dictionary:"), DictionaryList);
    layout->addRow(HowToPlay);
    layout->addRow(SelectTileSounds);
    layout->addRow(EnterWordSounds);
    layout->addRow(EndRoundSounds);
    layout->addRow(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(NicknameField, &QLineEdit::textChanged, this,
            [this](const QString& text) { OKBtn->setEnabled(!text.isEmpty()); });
}

int TOptionsForm::Execute(bool allowDictionaryChange, bool& howToPlay, bool& endRoundSounds, bool& enterWordSounds,
                          bool& selectTileSounds, QString& dictionary, QString& nickname)
{
    NicknameField->setText(nickname);
    OKBtn->setEnabled(!nickname.isEmpty());
    HowToPlay->setChecked(howToPlay);
    EndRoundSounds->setChecked(endRoundSounds);
    EnterWordSounds->setChecked(enterWordSounds);
    SelectTileSounds->setChecked(selectTileSounds);

    DictionaryList->clear();
    const QFileInfoList files = QDir(QFileInfo(AppFilePath(QStringLiteral("x"))).absolutePath())
                                    .entryInfoList({QStringLiteral("*.tsd")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        const TSDictionaryList list(file.absoluteFilePath().toStdString());
        if (!list.FailedName()) {
            DictionaryList->addItem(file.completeBaseName());
        }
    }
    const int current = DictionaryList->findText(dictionary, Qt::MatchFixedString);
    DictionaryList->setCurrentIndex(current >= 0 ? current : (DictionaryList->count() > 0 ? 0 : -1));
    DictionaryList->setEnabled(allowDictionaryChange);

    const int result = exec();
    if (result == QDialog::Accepted) {
        nickname = NicknameField->text();
        howToPlay = HowToPlay->isChecked();
        endRoundSounds = EndRoundSounds->isChecked();
        enterWordSounds = EnterWordSounds->isChecked();
        selectTileSounds = SelectTileSounds->isChecked();
        if (allowDictionaryChange && DictionaryList->currentIndex() >= 0) {
            dictionary = DictionaryList->currentText();
        }
    }
    return result;
}
