#include "GamePlay.h"

#include "board/Board.h"
#include "board/PickLetter.h"
#include "dialogs/Howto.h"
#include "glimform/glimform.h"
#include "settings/Persist.h"

#include <QCoreApplication>
#include <QPushButton>

void ChooseDictionary(const QString& dictionary)
{
    Persist settings(true);
    settings.writeString(QStringLiteral("Dictionary"), dictionary);
    settings.writeBool(QStringLiteral("HowToPlay"), false);
}

bool StartPlay(TGlimmerForm* form)
{
    form->StartGame(false);
    if (!form->IsPlaying() && HowToPlay->isVisible())
        HowToPlay->StartButtonClick();
    return form->IsPlaying();
}

void PlayWholeGame(TGlimmerForm* form, const std::vector<std::string>& tiles)
{
    if (StartPlay(form))
        PlayToTheEnd(form, tiles);
}

void PlayToTheEnd(TGlimmerForm* form, const std::vector<std::string>& tiles)
{
    bool first = true;
    int column = 0;
    for (const std::string& letter : tiles) {
        Chip* chip = form->board->Cell(0, column);
        chip->Set(letter, letter == "QU" ? 9u : LetterValue(letter.front()));
        form->dragTile = chip;
        form->SelectDragTile(!first);
        first = false;
        column += 2;
    }
    // Through the button, which is enabled only for a dictionary word.
    form->enterButton->click();
    // Each round ends when an arrival finds the row below the top full.
    for (int round = 0; round < 10 && form->IsPlayPanelShown(); ++round) {
        for (int c = 0; c < 18; c += 2)
            form->board->Cell(10, c)->Set("E", 2);
        form->EvolveTimerTick();
        while (form->clearCountdown != 0)
            form->TumbleTimerTick();
        QCoreApplication::processEvents();
    }
}
