// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

class QWidget;

// Answers the next modal window from inside its event loop: `answer` receives it and must
// close it. When `title` is given it receives the window's title.
void AnswerNextModal(std::function<void(QWidget*)> answer, QString* title = nullptr);
// Drops the answers still waiting for a window, so that none answers a later test's window;
// returns how many there were.
int DiscardPendingAnswers();
// Presses the message box's button of that standard role.
void PressMessageButton(QWidget* box, int standardButton);
// Closes a dialog with the accepted or rejected result.
void FinishDialog(QWidget* dialog, bool accepted);

// Whether the widget, drawn now, looks as its approved picture tests/approved/<name>.png shows,
// within a rounding step in each colour. With GLIM_APPROVE naming a folder, the picture is also
// written there to be approved; one that differs is kept as <name>.png in the working folder.
::testing::AssertionResult LooksAsApproved(QWidget* widget, const QString& name);

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
