#include "GameTestSupport.h"

#include "board/PickLetter.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QFile>
#include <QMouseEvent>

bool StartPlay(TGlimmerForm* form)
{
    form->StartGame(false);
    if (!form->IsPlaying() && HowToPlay->isVisible())
        HowToPlay->StartButtonClick();
    return form->IsPlaying();
}

void PlaceAndSelectWord(TGlimmerForm* form, const std::vector<std::string>& tiles)
{
    int column = 0;
    for (const std::string& letter : tiles) {
        Chip* chip = form->board->Cell(0, column);
        chip->Set(letter, letter == "QU" ? 9u : LetterValue(letter.front()));
        form->dragTile = chip;
        form->SelectDragTile(column != 0);
        column += 2;
    }
}

void PlayToTheEnd(TGlimmerForm* form, const std::vector<std::string>& tiles)
{
    PlaceAndSelectWord(form, tiles);
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

void SetEventSound(SoundEvent event, const QString& path)
{
    auto key = RegistryKey::Create(QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) +
                                   QStringLiteral("\\.current"));
    key->SetString(QString(), path);
    key->Flush();
}

GameFixture::GameFixture(bool howToPlay, const QString& dictionary)
{
    UserRegistry::SetFilePath(settingsDir.filePath(QStringLiteral("registry.reg")));
    Persist(true).writeString(QStringLiteral("Dictionary"), dictionary);
    Persist(true).writeBool(QStringLiteral("HowToPlay"), howToPlay);
    const char* names[] = {"SelectTile", "SelectWord", "NewLife", "EndRound", "HighWord", "LowWord"};
    for (int event = 0; event < SoundEventCount; ++event) {
        QFile file(settingsDir.filePath(QString::fromLatin1(names[event]) + QStringLiteral(".wav")));
        if (file.open(QIODevice::WriteOnly) && file.write(names[event]) > 0)
            SetEventSound(static_cast<SoundEvent>(event), file.fileName());
    }
    windows = std::make_unique<GameWindows>();
    form = windows->glimmerForm.get();
    form->show();
}

GameFixture::~GameFixture()
{
    windows.reset();
    UserRegistry::SetFilePath(QString());
}

void GameFixture::SelectChain(const std::vector<std::pair<int, int>>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        form->dragTile = form->board->Cell(cells[i].first, cells[i].second);
        form->SelectDragTile(i > 0);
    }
}

std::vector<Chip*> GameFixture::OccupiedCells() const
{
    std::vector<Chip*> cells;
    for (int r = 0; r < static_cast<int>(form->board->Rows()); ++r)
        for (int c = 0; c < static_cast<int>(form->board->Columns()); ++c)
            if (form->board->Cell(r, c)->IsOccupied())
                cells.push_back(form->board->Cell(r, c));
    return cells;
}

void GameFixture::Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), form->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(form, &event);
}

QPoint GameFixture::Centre(const Chip* chip, int dx) const
{
    const BoardPoint centre = chip->Centre();
    return form->BoardToClient({centre.x + dx, centre.y});
}
