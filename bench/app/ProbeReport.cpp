// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProbeReport.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>

namespace {

// "VmRSS" -> the kB figure of that line of /proc/self/status, or -1 when it is not there.
long long StatusKilobytes(const QByteArray& status, const QByteArray& field)
{
    for (const QByteArray& line : status.split('\n')) {
        if (!line.startsWith(field + ':'))
            continue;
        bool ok = false;
        const long long value = line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong(&ok);
        return ok ? value : -1;
    }
    return -1;
}

}  // namespace

QByteArray MemoryLine(const QByteArray& prefix)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray status = file.readAll();
    const long long rss = StatusKilobytes(status, "VmRSS");
    const long long hwm = StatusKilobytes(status, "VmHWM");
    if (rss < 0 || hwm < 0)
        return {};
    return prefix + " VmRSS=" + QByteArray::number(rss) + " VmHWM=" + QByteArray::number(hwm);
}

void Report(const QByteArray& line, int exitCode)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    QCoreApplication::exit(exitCode);
}

void ReportWhenShown(std::function<bool()> shown, std::function<void()> then)
{
    auto* dispatcher = QAbstractEventDispatcher::instance();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                                   [connection, shown = std::move(shown), then = std::move(then)] {
                                       if (!shown())
                                           return;
                                       QObject::disconnect(*connection);
                                       if (then) {
                                           then();
                                           return;
                                       }
                                       const QByteArray line = MemoryLine("shown");
                                       if (line.isEmpty())
                                           Report("error VmRSS or VmHWM missing from /proc/self/status", 1);
                                       else
                                           Report(line, 0);
                                   });
}
