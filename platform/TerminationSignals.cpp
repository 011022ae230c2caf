// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace {

// The handler's only way to reach the event loop: a signal handler has no object to call.
volatile sig_atomic_t writeEnd = -1;
constexpr int watched[] = {SIGTERM, SIGHUP};
struct sigaction previous[2];

void OnSignal(int number)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    if (writeEnd >= 0) {
        // A full socket already holds a wake-up; losing this byte loses nothing.
        [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    }
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) != 0) {
        qWarning("No socket pair for SIGTERM and SIGHUP: they end the game without saving it");
        return;
    }
    writeEnd = sockets[0];
    notifier = std::make_unique<QSocketNotifier>(sockets[1], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::Drain);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(watched); ++i) {
        ::sigaction(watched[i], &action, &previous[i]);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (notifier == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < std::size(watched); ++i) {
        ::sigaction(watched[i], &previous[i], nullptr);
    }
    writeEnd = -1;
    notifier.reset();
    ::close(sockets[0]);
    ::close(sockets[1]);
}

void TerminationSignals::Drain()
{
    unsigned char numbers[16];
    ssize_t got = 0;
    while ((got = ::read(sockets[1], numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < got; ++i) {
            emit received(numbers[i]);
        }
    }
}
