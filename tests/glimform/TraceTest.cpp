// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded game driven through the window as a player would (ticks, clicks, typed letters,
// entered words, a pause, a quit), written down step by step: score, lives, phase, the tiles,
// both intervals, the word shown, the best words and the sounds. It must come out exactly as
// recorded in seeded-game.trace.
#include "GameTestSupport.h"

#include "board/GameRandom.h"
#include "board/PickLetter.h"

#include <QCryptographicHash>
#include <QFile>
#include <QListWidget>

#include <random>

namespace {

const std::vector<std::vector<std::string>> plantedWords = {
    {"C", "A", "T"},           {"C", "A", "R", "T", "S"},      {"QU", "I", "T"},    {"E", "V", "E"},
    {"T", "R", "E", "E", "S"}, {"P", "O", "L", "I", "S", "H"}, {"D", "O", "N", "T"}};

class TraceRun {
public:
    TraceRun() : script(2026) { SeedGameRandom(77); }

    // Two games: the first played to Game Over, the second quit after a while.
    QString Run()
    {
        Do("start", [this] { probe->StartButton->click(); });
        bool answering = false;
        while (probe->IsPlayPanelShown() && !::testing::Test::HasFailure()) {
            if (probe->clearCountdown() == 1 && probe->lives() == 1 && !std::exchange(answering, true))
                AnswerNextModal([](QWidget* scores) { FinishDialog(scores, false); });
            Step();
        }
        Do("start", [this] { probe->StartButton->click(); });
        for (int n = 0; n < 600 && probe->IsPlayPanelShown(); ++n)
            Step();
        Do("quit", [this] {
            AnswerNextModal([this](QWidget* box) {
                AnswerNextModal([](QWidget* scores) { FinishDialog(scores, false); });
                PressMessageButton(box, QMessageBox::Yes);
            });
            probe->endGameButton->click();
        });
        return trace;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(script); }
    Chip* AnyCell()
    {
        const int r = Below(static_cast<int>(probe->board->Rows()));
        return probe->board->Cell(r, 2 * Below(static_cast<int>(probe->board->Columns()) / 2) + r % 2);
    }

    void Step()
    {
        if (probe->clearCountdown() != 0)
            return Do("tumble", [this] { probe->TumbleTimerTick(); });
        const int roll = Below(1000);
        if (roll < 120)
            return Do("evolve", [this] { probe->EvolveTimerTick(); });
        if (roll < 900)
            return Do("tumble", [this] { probe->TumbleTimerTick(); });
        if (roll < 915)
            return Do("word", [this] { PlantAndEnter(); });
        if (roll < 960) {
            const char letter = static_cast<char>('A' + Below(26));
            return Do(std::string("type ") + letter,
                      [this, letter] { QTest::keyClick(form, Qt::Key(Qt::Key_A + (letter - 'A'))); });
        }
        if (roll < 980)
            return Do("click", [this] { game.Click(game.Centre(AnyCell(), Below(20) - 10)); });
        if (roll < 995)
            return Do("escape", [this] { QTest::keyClick(form, Qt::Key_Escape); });
        Do("pause", [this] {
            AnswerNextModal([](QWidget* box) { PressMessageButton(box, QMessageBox::Yes); });
            probe->pauseButton->click();
        });
    }

    // Lays a word's tiles along the bottom row, clicks the first, drags over the rest and
    // presses Return.
    void PlantAndEnter()
    {
        const std::vector<std::string>& word =
            plantedWords[static_cast<std::size_t>(Below(static_cast<int>(plantedWords.size())))];
        QTest::keyClick(form, Qt::Key_Escape);
        std::vector<Chip*> tiles;
        for (std::size_t i = 0; i < word.size(); ++i) {
            Chip* chip = probe->board->Cell(0, static_cast<std::int32_t>(2 * i));
            chip->Set(word[i], word[i] == "QU" ? 9u : LetterValue(word[i].front()));
            tiles.push_back(chip);
        }
        game.Press(game.Centre(tiles.front()));
        for (Chip* chip : tiles)
            game.DragTo(game.Centre(chip));
        game.Release(game.Centre(tiles.back()));
        QTest::keyClick(form, Qt::Key_Return);
    }

    template <typename Action>
    void Do(const std::string& name, Action action)
    {
        sounds->clear();
        action();
        Write(name);
    }

    void Write(const std::string& name)
    {
        const char* phase = !probe->IsPlayPanelShown()     ? "between"
                            : probe->clearCountdown() == 0 ? "playing"
                                                           : "clearing";
        QString line = QStringLiteral("%1 %2 score=%3 lives=%4 %5 evolve=%6 tumble=%7 countdown=%8 ")
                           .arg(++steps)
                           .arg(QString::fromStdString(name))
                           .arg(probe->score())
                           .arg(probe->lives())
                           .arg(QLatin1String(phase))
                           .arg(probe->EvolveTimer->interval())
                           .arg(probe->TumbleTimer->interval())
                           .arg(probe->clearCountdown());
        // The tiles, bottom row first: a letter per tile (QU as Q), small when selected, "." when
        // empty. A falling step writes just their hash; the word and best words only change.
        QString tiles;
        for (std::int32_t r = 0; r < static_cast<std::int32_t>(probe->board->Rows()); ++r) {
            for (std::int32_t c = r % 2; c < static_cast<std::int32_t>(probe->board->Columns()); c += 2) {
                const Chip* chip = probe->board->Cell(r, c);
                const char letter = chip->IsOccupied() ? chip->Letter().front() : '.';
                tiles += QLatin1Char(chip->IsSelected() ? static_cast<char>(letter - 'A' + 'a') : letter);
            }
            tiles += QLatin1Char(r + 1 < static_cast<std::int32_t>(probe->board->Rows()) ? '/' : ' ');
        }
        line += name == "tumble"
                    ? QStringLiteral("#%1 ").arg(QLatin1String(
                          QCryptographicHash::hash(tiles.toLatin1(), QCryptographicHash::Md5).toHex().left(12)))
                    : tiles;
        QString shown = QStringLiteral("word=\"%1\" enter=%2 clear=%3 best=[")
                            .arg(probe->wordInProgress->text())
                            .arg(probe->enterButton->isEnabled())
                            .arg(probe->clearButton->isEnabled());
        for (int row = 0; row < probe->bestWordList->count(); ++row)
            shown += (row > 0 ? QStringLiteral(", ") : QString()) + probe->bestWordList->item(row)->text();
        line += std::exchange(lastShown, shown) == shown ? QStringLiteral("same") : shown + QLatin1Char(']');
        line += QStringLiteral(" sounds=[");
        for (std::size_t i = 0; i < sounds->size(); ++i)
            line += (i > 0 ? QStringLiteral(",") : QString()) + QFileInfo((*sounds)[i]).baseName();
        trace += line + QStringLiteral("]\n");
    }

    GameFixture game;
    TGlimmerForm* form = game.form;
    GlimmerFormProbe& probe = *game.probe;
    std::vector<QString>* sounds = game.sounds;
    std::mt19937 script;
    int steps = 0;
    QString trace;
    QString lastShown;
};

}  // namespace

TEST(SeededGame, PlaysExactlyAsRecorded)
{
    const QString trace = TraceRun().Run();
    // GLIM_RECORD_TRACE=<file> writes a new recording, for a change that means to alter play.
    if (const QString record = qEnvironmentVariable("GLIM_RECORD_TRACE"); !record.isEmpty()) {
        QFile out(record);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Text) &&
                    out.write(trace.toUtf8()) == trace.toUtf8().size());
    }
    QFile recorded(QStringLiteral(GLIM_TRACE_FILE));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly | QIODevice::Text)) << GLIM_TRACE_FILE;
    const QStringList expected = QString::fromUtf8(recorded.readAll()).split(QLatin1Char('\n'));
    const QStringList actual = trace.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "first difference at line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
    // Covers the whole game: words scored, rounds lost, Game Over and a quit game.
    EXPECT_TRUE(trace.contains(QStringLiteral("HighWord")) && trace.contains(QStringLiteral("EndRound")) &&
                trace.contains(QStringLiteral("lives=0 between")));
}
