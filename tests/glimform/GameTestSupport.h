#pragma once

#include "app/GameWindows.h"
#include "platform/SoundOutput.h"
#include "QtTestSupport.h"

#include <QByteArray>
#include <QEvent>
#include <QPoint>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Chip;
class TGlimmerForm;

// Records what the game asked to play instead of playing it.
class RecordingOutput : public SoundOutput {
public:
    void PlayImage(const QByteArray& image) override { played.push_back(QString::fromLatin1(image)); }
    void PlayFile(const QString& path) override { played.push_back(path); }
    std::vector<QString> played;
};

// A fresh settings file, the six windows, and the test dictionary (or the named one) chosen
// with How To Play off.
class GameFixture {
public:
    explicit GameFixture(bool howToPlay = false, const QString& dictionary = QStringLiteral("TestWords"));
    ~GameFixture();

    // Chooses the chain of tiles at these cells, clicking the first and dragging over the rest.
    void SelectChain(const std::vector<std::pair<int, int>>& cells);
    // Places the letters along row 0 from the left and selects them as one chain.
    void PlaceAndSelectWord(const std::vector<std::string>& tiles);
    std::vector<Chip*> OccupiedCells() const;

    // Mouse input sent as the window system would, so the window's own routing is exercised.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);
    void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void DragTo(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void Click(QPoint at)
    {
        Press(at);
        Release(at);
    }
    void DoubleClick(QPoint at);
    // The window point dx to the right of the tile's centre.
    QPoint Centre(const Chip* chip, int dx = 0) const;

    QTemporaryDir settingsDir;
    std::unique_ptr<GameWindows> windows;
    TGlimmerForm* form = nullptr;
};

