// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM (a shutdown) and SIGHUP (a closed terminal) into a Qt signal delivered by the
// event loop. The handler only writes the signal's number into a socket pair, which is all a
// signal handler may safely do; the rest happens in `received`, outside the handler. While one
// of these exists the two signals no longer end the program by themselves; destroying it puts
// back what handled them before. One at a time per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void Drain();

    int sockets[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
};
