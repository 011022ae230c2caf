#include "dialogs/Howto.h"

#include "dialogs/newgame.h"
#include "glimform/glimform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

THowToPlay* HowToPlay = nullptr;

THowToPlay::THowToPlay(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HowToPlay"));
    setWindowTitle(tr("How To Play"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* rules = new QLabel(tr("1. Click or drag over touching tiles to spell a word.\n"
                                "2. Press Enter, Space or double click to score it.\n"
                                "3. A word scores the product of its tile values.\n"
                                "4. Keep the tiles from reaching the top."),
                             this);
    layout->addWidget(rules);
    HowToPlay = new QCheckBox(tr("Show How To &Play before each game"), this);
    layout->addWidget(HowToPlay);
    StartButton = new QPushButton(tr("&Start Game"), this);
    StartButton->setDefault(true);
    layout->addWidget(StartButton);
    connect(StartButton, &QPushButton::clicked, this, &THowToPlay::StartButtonClick);
}

void THowToPlay::showEvent(QShowEvent* event)
{
    HowToPlay->setChecked(true);
    QDialog::showEvent(event);
}

void THowToPlay::StartButtonClick()
{
    if (!isEnabled()) {
        return;
    }
    NewGameForm->SetHowToPlay(HowToPlay->isChecked());
    GlimmerForm->HowToPlayStarted();
}

void THowToPlay::closeEvent(QCloseEvent* event)
{
    event->ignore();
    StartButtonClick();
}
