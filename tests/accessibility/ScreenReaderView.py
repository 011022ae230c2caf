# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game the way a screen reader does, through AT-SPI, and checks that a player
who cannot see the board can start a game, read the tiles and hear the word they type.

Prints the main window's tree during play, then exits 0 when every check holds, 1 otherwise."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, find, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = find()
            if found:
                return found
        except Exception:  # the tree changes under us while windows open
            pass
        pump(0.1)
    print("FAIL: gave up waiting for", what)
    sys.exit(1)


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Glimmerquake":
            return app
    return None


def descendants(node):
    """Every object under node, cells of tables excepted."""
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        if child.getRoleName() != "table":
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def named(role, name):
    return lambda: next((o for w in game() for o in descendants(w)
                         if o.getRoleName() == role and o.name == name and showing(o)), None)


def check_names(window):
    """Every push button, check box and edit a player can reach has a name."""
    for node in descendants(window):
        if node.getRoleName() in ("push button", "check box", "text", "entry", "password text") and showing(node):
            check(node.name.strip() != "", f"a {node.getRoleName()} in {window.name!r} has no name")


def dump(node, depth=0):
    line = f"{'  ' * depth}[{node.getRoleName()}] {node.name!r}"
    if node.description:
        line += f" ({node.description})"
    print(line)
    if node.getRoleName() == "table":
        table = node.queryTable()
        print(f"{'  ' * depth}  {table.nRows} rows of {table.nColumns} cells, the bottom row:")
        for column in range(table.nColumns):
            print(f"{'  ' * depth}    [table cell] {table.getAccessibleAt(table.nRows - 1, column).name!r}")
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None and showing(child):
            dump(child, depth + 1)


# Between games: the main window's buttons, then How To Play, which Start opens first.
wait_for("the game's main window", lambda: named("push button", "Start")())
main = next(w for w in game() if w.name.startswith("Glimmerquake"))
check_names(main)
named("push button", "Start")().queryAction().doAction(0)
start_game = wait_for("How To Play", named("push button", "Start Game"))
check_names(next(w for w in game() if w.name == "How To Play"))
start_game.queryAction().doAction(0)
wait_for("the play panel", named("push button", "Pause"))
check_names(main)
lives = next((o for o in descendants(main) if o.name.startswith("Lives: ")), None)
check(lives is not None and lives.name == "Lives: 3", "the lives read 'Lives: 3'")

# The board: a table whose cells name their tiles.
board = next(o for o in descendants(main) if o.getRoleName() == "table")
table = board.queryTable()
rows = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)] for r in range(table.nRows)]
bottom = [name.split(",")[0] for name in rows[-1]]
check(all(len(name.replace(" ", "")) >= 1 and name != "empty" for name in bottom),
      f"every bottom cell holds a named tile: {bottom}")
check(any("points" in name or "point" in name for name in rows[-1]), "cells say their value")

# Typing two neighbouring letters of the bottom row spells them in the word in progress, and the
# board announces them.
pair = next(bottom[c] + bottom[c + 1] for c in range(len(bottom) - 1)
            if len(bottom[c]) == 1 and len(bottom[c + 1]) == 1)
heard = []
pyatspi.Registry.registerEventListener(
    lambda event: heard.append(event.source.description),
    "object:property-change:accessible-description")
window = subprocess.check_output(
    ["xdotool", "search", "--all", "--pid", str(game().get_process_id()), "--name", "^Glimmerquake"]).split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
for letter in pair.lower():
    subprocess.run(["xdotool", "type", letter], check=True)
    pump(1)
word = next(o for o in descendants(main) if o.description == "The word in progress")
check(word.name.upper().startswith(pair), f"the word in progress reads {pair}: {word.name!r}")
# Spelled while no word ("O N"), said with its value once it is one ("on, 4 points").
check(any(text.split(",")[0].replace(" ", "").upper() == pair for text in heard),
      f"the board announced {pair}: {heard}")

# A cursor key shows the ring in the middle of the bottom row and puts the focus on that cell,
# which a screen reader then reads; the next key moves both one cell left.
focused = []
pyatspi.Registry.registerEventListener(
    lambda event: focused.append(event.source.getIndexInParent()) if event.source.getRoleName() == "table cell" else None,
    "object:state-changed:focused", "focus:")
middle = (table.nRows - 1) * table.nColumns + table.nColumns // 2
for key in ("Left", "Left"):
    subprocess.run(["xdotool", "key", key], check=True)
    pump(1)
check(middle in focused and focused[-1] == middle - 1, f"the focus follows the cursor to cells {middle}, {middle - 1}: {focused}")

dump(main)
print("OK" if not failures else f"{len(failures)} check(s) failed")
sys.exit(1 if failures else 0)
