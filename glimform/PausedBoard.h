// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// What a game paused in the background shows over its hidden board: "Paused: press Resume, Space
// or click to play on", and a Resume button that holds the keyboard focus. A click on it, the
// button or Space resumes; other keys do nothing, and nothing on it ends the game.
class PausedBoard : public QWidget {
    Q_OBJECT
public:
    explicit PausedBoard(QWidget* parent);

    // Shows it centred on `area` of the parent, with the focus on Resume.
    void ShowOver(const QRect& area);

signals:
    void resumed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* message;
    QPushButton* resume;
};
