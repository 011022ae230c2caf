// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

class Board;
class BoardCursor;
class Chip;

// The board as the keyboard and assistive technology meet it. It lies over the board the main
// window paints and draws nothing of it: mouse input passes through to the window, and keys it
// does not use reach the window too. It keeps the keyboard's cursor cell and draws its focus
// ring, and speaks for the painted board: screen readers read it as a table of cells and hear
// its announcements.
class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent);
    ~BoardView() override;

    // Shows `board` (null between layouts) with board point (0,0) at `origin` in this widget.
    void SetBoard(Board* board, QPoint origin);
    Board* GetBoard() const { return board; }
    // Hides the focus ring until the next cursor key; a click on the board does this.
    void HideCursor();
    // The cell the cursor is on, while its ring shows; otherwise null.
    Chip* CursorCell() const;
    // Called with the cursor's tile when Space or Insert picks it, as a click on it would.
    std::function<void(Chip*)> onPick;
    // Whether the cursor keys work and the ring shows: while a game is played on a visible board.
    std::function<bool()> playable;

    // Says `text` to assistive technology. Texts said in one turn of the event loop are joined
    // and said once, so a step that changes several things is one announcement.
    void Announce(const QString& text);
    // Says what the chain spells now, first in the announcement; a later chain in the same turn
    // replaces it, so a drag over several tiles is said once.
    void AnnounceChain(const QString& text);
    // What was said last.
    const QString& LastAnnouncement() const { return announcement; }

    // The table position of a board cell: rows from the top, one column per tile position.
    int TableRow(const Chip& cell) const;
    int TableColumn(const Chip& cell) const;
    // The board cell at a table position, or null.
    Chip* TableCell(int row, int column) const;
    int TableRows() const;
    int TableColumns() const;
    // Letters apart ("Q U T"), so that a screen reader spells them rather than saying a word.
    static QString Spelled(std::string_view letters);
    // "Q U, 9 points, in the chain": what a screen reader says of a cell.
    QString CellName(const Chip& cell) const;
    // A cell's square in this widget's coordinates.
    QRect CellRect(const Chip& cell) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void MoveCursor(int key, Qt::KeyboardModifiers modifiers);
    // Tells assistive technology that the cursor's cell has the focus now.
    void ReportCursorFocus();
    void SayPending();
    bool Playable() const { return playable && playable(); }

    Board* board = nullptr;
    QPoint origin;
    bool cursorShown = false;
    std::unique_ptr<BoardCursor> cursor;
    QString pending;
    QString pendingChain;
    QString announcement;
    QTimer sayTimer;
};

// Lets screen readers read every BoardView as a table of cells. Call once, before any window.
void InstallBoardAccessibility();
