#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <memory>

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

    // The topic's address for a context number; an unknown number gives the contents.
    static QString TopicFor(int context);
    // Shows the window at that topic and brings it to the front.
    void ShowContext(int context);

    QTextBrowser* Browser;
    QPushButton* ContentsButton;
    QPushButton* BackButton;
    QPushButton* CloseButton;
};

// Installs the help window as the handler of help requests for as long as it lives, and makes F1
// open the active window's topic (a message box's Help button, if it has one). The window itself
// is created at the first request.
class HelpService : public QObject {
    Q_OBJECT

public:
    HelpService();
    ~HelpService() override;

    // The help window, or nullptr before the first request.
    THelpWindow* Window() const { return window.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(int context);

    std::unique_ptr<THelpWindow> window;
};
