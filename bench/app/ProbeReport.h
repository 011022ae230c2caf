// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

// What both start-up probes share: once the event loop goes idle (about to block for new events)
// and `shown` says the window is up, one line on stdout, "shown VmRSS=<kB> VmHWM=<kB>" from
// /proc/self/status, and the probe quits; "error <reason>" and exit code 1 when it cannot read
// its memory. `then`, when given, takes over instead of quitting.
void ReportWhenShown(std::function<bool()> shown, std::function<void()> then = {});

// "game VmRSS=<kB> VmHWM=<kB>" for the prefix "game", or an empty array when /proc/self/status
// cannot be read.
QByteArray MemoryLine(const QByteArray& prefix);

// Prints the line and ends the event loop with `exitCode`.
void Report(const QByteArray& line, int exitCode);
