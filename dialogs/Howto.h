// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/LazyWindow.h"

#include "board/Board.h"

#include <QDialog>
#include <QWidget>

#include <memory>
#include <vector>

class BoardPainter;
class GameRandom;
class PlayerOptions;
class QCheckBox;
class QPushButton;

// The paint box of the How To Play example; it asks its owner to draw.
class ExampleBox : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void painting(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shown before a game while the How To Play option is on; its Start button hands control back
// to the main window (`started`), also while the dictionary is still loading behind it. It
// teaches the rules with an example board on which the word GLIMPSE is selected.
class THowToPlay : public QDialog {
    Q_OBJECT

public:
    // `options` receives the check box's state at Start and must outlive the dialog.
    explicit THowToPlay(PlayerOptions& options, QWidget* parent = nullptr);
    // Stores the window's position.
    ~THowToPlay() override;

    // Hands the check box to the How To Play setting and emits `started`.
    void StartButtonClick();
    void HelpButtonClick();
    // Draws the example board at the largest tile size that fits the paint box.
    void ExampleAreaPaint(QPainter& canvas);

    // The example board's cells to draw, bottom row first, and its chain in the word's order.
    std::vector<Chip*> ExampleCells();
    std::vector<Chip*> ExampleChain();
    // The tile width for a paint box of this size, or 0 when the example does not fit.
    static int ExampleTileWidth(int clientWidth, int clientHeight);

    QCheckBox* HowToPlay;
    QPushButton* StartButton;
    QPushButton* HelpButton;
    ExampleBox* ExampleArea;

signals:
    // Start was pressed: the game may begin.
    void started();

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the window counts as its Start, so the game never waits for a window that is gone.
    void closeEvent(QCloseEvent* event) override;
    // Esc presses Start.
    void reject() override { StartButtonClick(); }

private:
    PlayerOptions& options;
    std::unique_ptr<GameRandom> exampleRandom;
    std::unique_ptr<Board> example;
    std::unique_ptr<BoardPainter> painter;
};

// Created on first use by the program's windows (app/GameWindows).
extern LazyWindow<THowToPlay> HowToPlay;
