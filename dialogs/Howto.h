#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

// Shown before a game while the How To Play option is on; its Start button hands control back
// to the main window, also while the dictionary is still loading behind it.
class THowToPlay : public QDialog {
    Q_OBJECT

public:
    explicit THowToPlay(QWidget* parent = nullptr);

    void StartButtonClick();

    QCheckBox* HowToPlay;
    QPushButton* StartButton;

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the window counts as its Start, so the game never waits for a window that is gone.
    void closeEvent(QCloseEvent* event) override;
    void reject() override { StartButtonClick(); }
};

extern THowToPlay* HowToPlay;
