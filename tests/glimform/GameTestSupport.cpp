// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTestSupport.h"

#include "board/PickLetter.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QFile>
#include <QMouseEvent>

bool StartPlay(GlimmerFormProbe& probe)
{
    probe->StartGame(false);
    if (!probe->IsPlaying() && HowToPlay->isVisible())
        HowToPlay->StartButtonClick();
    return probe->IsPlaying();
}

void PlaceAndSelectWord(GlimmerFormProbe& probe, const std::vector<std::string>& tiles)
{
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        probe->dragTile = probe->board->Cell(0, 2 * static_cast<int>(i));
        probe->dragTile->Set(tiles[i], tiles[i] == "QU" ? 9u : LetterValue(tiles[i].front()));
        probe->SelectDragTile(i > 0);
    }
}

void PlayToTheEnd(GlimmerFormProbe& probe, const std::vector<std::string>& tiles)
{
    PlaceAndSelectWord(probe, tiles);
    probe->enterButton->click();
    // Each round ends when an arrival finds the row below the top full.
    for (int round = 0; round < 10 && probe->IsPlayPanelShown(); ++round) {
        for (int c = 0; c < 18; c += 2)
            probe->board->Cell(10, c)->Set("E", 2);
        probe->EvolveTimerTick();
        while (probe->clearCountdown() != 0)
            probe->TumbleTimerTick();
        QCoreApplication::processEvents();
    }
}

std::string TilesPicture(const Board& board)
{
    std::string picture;
    for (std::int32_t r = 0; r < static_cast<std::int32_t>(board.Rows()); ++r) {
        for (std::int32_t c = r % 2; c < static_cast<std::int32_t>(board.Columns()); c += 2) {
            const Chip* chip = board.Cell(r, c);
            picture += chip->IsOccupied() ? chip->Letter() : ".";
        }
        picture += '/';
    }
    return picture;
}

void SetEventSound(SoundEvent event, const QString& path)
{
    auto key = RegistryKey::Create(QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) +
                                   QStringLiteral("\\.current"));
    key->SetString(QString(), path);
    key->Flush();
}

GameFixture::GameFixture(bool howToPlay, const QString& dictionary, std::unique_ptr<SoundOutput> output)
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
    qputenv("HOME", settingsDir.path().toLocal8Bit());
    Restart(std::move(output));
}

void GameFixture::Restart(std::unique_ptr<SoundOutput> output)
{
    probe.reset();
    windows.reset();
    if (output == nullptr) {
        auto recorder = std::make_unique<RecordingOutput>();
        sounds = &recorder->played;
        output = std::move(recorder);
    }
    windows = std::make_unique<GameWindows>(std::make_unique<Sounder>(std::move(output), [] { return 0u; }));
    form = windows->glimmerForm.get();
    probe = std::make_unique<GlimmerFormProbe>(*form);
    form->show();
}

GameFixture::~GameFixture()
{
    windows.reset();
    EXPECT_EQ(DiscardPendingAnswers(), 0) << "an answer waited for a window that never came";
    UserRegistry::SetFilePath(QString());
    qputenv("HOME", home);
}

void GameFixture::SelectChain(const std::vector<std::pair<int, int>>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        probe->dragTile = probe->board->Cell(cells[i].first, cells[i].second);
        probe->SelectDragTile(i > 0);
    }
}

std::vector<Chip*> GameFixture::OccupiedCells() const
{
    std::vector<Chip*> cells;
    for (int r = 0; r < static_cast<int>(probe->board->Rows()); ++r)
        for (int c = 0; c < static_cast<int>(probe->board->Columns()); ++c)
            if (probe->board->Cell(r, c)->IsOccupied())
                cells.push_back(probe->board->Cell(r, c));
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
    return probe->BoardToClient({centre.x + dx, centre.y});
}
