// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/LazyWindow.h"

#include "dictionary/LoadProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// The small window shown while a dictionary loads; the word table drives its progress bar and
// lets pending window messages run through it.
class TDictionaryLoading : public QDialog, public LoadProgress {
    Q_OBJECT

public:
    explicit TDictionaryLoading(QWidget* parent = nullptr);

    // A maximum of 0 counts as 1, so a dictionary without words shows an empty bar, not a busy one.
    void SetRange(std::uint32_t maximum) override;
    void SetPosition(std::uint32_t position) override;
    void LetMessagesRun() override;

    QLabel* Label1;
    QProgressBar* Progress;

protected:
    // A load runs nested in the main window's handlers; only the main window closes this.
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}
};

// Created on first use by the program's windows (app/GameWindows).
extern LazyWindow<TDictionaryLoading> DictionaryLoading;
