#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# usage: screen-reader-view.sh PROGRAM CHECKER
# Runs PROGRAM under Xvfb inside a private D-Bus session with the AT-SPI bus, and CHECKER (a
# pyatspi script) against it. Exits 77 (skipped) where any of that is missing or cannot start.
set -uo pipefail
program="$1"
checker="$2"

skip() {
  echo "SKIPPED: $*"
  exit 77
}
command -v dbus-run-session > /dev/null || skip "dbus-run-session is missing (package dbus)"
command -v Xvfb > /dev/null || skip "Xvfb is missing (package xvfb)"
command -v xdotool > /dev/null || skip "xdotool is missing"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus is missing (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null || skip "pyatspi is missing (package python3-pyatspi)"

if [ -z "${GLIM_IN_PRIVATE_BUS:-}" ]; then
  dbus-run-session -- true 2> /dev/null || skip "no D-Bus session could start"
  GLIM_IN_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
  wait 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# A display of our own: the first free number from 90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || skip "Xvfb could not start"

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run" LANGUAGE=en LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
"$program" > "$work/game.log" 2>&1 &
pids+=($!)
/usr/bin/python3 "$checker"
status=$?
[ $status -ne 0 ] && cat "$work/game.log"
exit $status
