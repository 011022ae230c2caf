// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The property that names a window's help topic; F1 in the window opens that topic.
inline constexpr char HelpContextProperty[] = "helpContext";

// Gives `window` its help topic for F1.
void SetWindowHelpContext(QWidget* window, int context);

// The game's help: HTML topics compiled into the program, shown in a window of their own.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // The topic's address for a context number, in the player's language where it is translated;
    // an unknown number gives the contents.
    static QString TopicFor(int context);
    // The address of the topic in `file` ("scoring.html") in the first of `languages` that has it,
    // else in English.
    static QString LocalTopic(const QString& file, const QStringList& languages);
    // Shows the window at that topic and brings it to the front.
    void ShowContext(int context);

    QTextBrowser* Browser;
    QPushButton* ContentsButton;
    QPushButton* BackButton;
    QPushButton* CloseButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Installs the help window as the handler of help requests for as long as it lives, and makes F1
// open the active window's topic (a message box's Help button, if it has one). The window itself
// is created at the first request.
//
// A modal dialog blocks input to every window but its own children, so while one waits the help
// window is made its child: it can still be scrolled, followed and closed, and the dialog keeps
// waiting. When that dialog closes, the help window becomes a window of its own again, where it was.
class HelpService : public QObject {
    Q_OBJECT

public:
    HelpService();
    ~HelpService() override;

    // The help window, or nullptr before the first request.
    THelpWindow* Window() const { return window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(int context);
    // Makes the help window a child window of `owner`, or a window of its own with nullptr,
    // keeping its place and whether it shows.
    void Adopt(QWidget* owner);
    // Adopts it into the modal dialog that now waits, if any.
    void FollowModal();

    // Owned by this service; a QPointer because while it is a modal dialog's child, that dialog
    // would take it along if it were destroyed without being hidden first.
    QPointer<THelpWindow> window;
};
