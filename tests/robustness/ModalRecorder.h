#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTimer;

// While it lives, answers every modal window the game opens: a message box with its OK (or
// escape) button, any other dialog with Close, and remembers what each one said. The game's
// reports of bad settings come as message boxes at unpredictable moments (even while the windows
// are being created), so they are answered as they come rather than one by one.
class ModalRecorder {
public:
    ModalRecorder();
    ~ModalRecorder();
    ModalRecorder(const ModalRecorder&) = delete;
    ModalRecorder& operator=(const ModalRecorder&) = delete;

    // How many message boxes named the setting (in double quotes).
    int ReportsNaming(const QString& name) const;

    QStringList messages;    // texts of the message boxes, in order
    QStringList dialogTitles; // titles of the other dialogs, in order

private:
    std::unique_ptr<QTimer> poll;
};
