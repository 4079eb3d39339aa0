# SPDX-License-Identifier: GPL-3.0-or-later
"""Starting and ending Tessary, with and without a puzzle file."""

import os
import re
import subprocess
import tempfile

import pyatspi

from tessary_e2e import Tessary, check, run, wait_until

PUZZLE = "530070000600195000098000060800060003400803001700020006060000280000419005000080079"


def starts_with_an_empty_editable_grid_and_quits_with_status_0(binary):
    with Tessary(binary) as t:
        check(t.grid() == "0" * 81, "grid not empty: " + t.grid())
        check(all(t.editable(i) for i in range(81)), "a cell is locked")
        # A screen reader tells the player where each cell is.
        names = [t.cells[i].name for i in range(81)]
        check(names == ["Row %d, column %d" % (r, c) for r in range(1, 10) for c in range(1, 10)],
              "cell names: %s" % names[:10])
        t.quit()


def opens_the_file_named_first_and_ignores_the_rest(binary):
    folder = tempfile.mkdtemp()
    first, second = os.path.join(folder, "first.sudoku"), os.path.join(folder, "second.sudoku")
    with open(first, "w") as f:
        f.write(PUZZLE)
    with open(second, "w") as f:
        f.write("1" * 81)
    with Tessary(binary, first, second) as t:
        check(t.grid() == PUZZLE, "cells show " + t.grid())
        # Loaded digits are the player's own: nothing is locked.
        check(all(t.editable(i) for i in range(81)), "a loaded cell is locked")
        check(t.stderr() == "", "unexpected message: " + t.stderr())
        t.quit()


def a_missing_file_is_reported_and_the_program_goes_on(binary):
    with Tessary(binary, "/no/such/puzzle.sudoku") as t:
        wait_until(lambda: t.stderr() == "openPuzzle: open failed!\n", 5, "the message")
        check(t.running(), "the program ended")
        check(t.grid() == "0" * 81, "grid not empty")
        # Said on screen too, by a message that leaves the window usable.
        alert = t.alert()
        labels = t.labels(alert)
        check("Opening failed!\n\nThe file 'puzzle.sudoku' could not be opened." in labels, "labels: %s" % labels)
        check(not alert.getState().contains(pyatspi.STATE_MODAL), "the message is modal")
        # The top left cell: the message stands over the middle of the window.
        t.type_into(0, "7")
        wait_until(lambda: t.text(0) == "7", 5, "the digit typed behind the message")
        t.quit()


def closing_the_window_ends_with_status_0(binary):
    # As a window manager's close button does it, with a file loaded too.
    folder = tempfile.mkdtemp()
    path = os.path.join(folder, "game.sudoku")
    with open(path, "w") as f:
        f.write(PUZZLE)
    for args in ((), (path,)):
        with Tessary(binary, *args, accessible=False) as t:
            t.close()
            check(t.wait_exit() == 0, "exit status not 0")
            check(t.stderr() == "", "unexpected message: " + t.stderr())


def help_and_version_are_answered_without_a_window(binary):
    # No display at all: the answer must not wait for the toolkit.
    env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    for option, expected in (("--help", r"Usage: tessary \[PUZZLE-FILE\]\n(.*\n)+"),
                             ("--version", r"tessary \d+\.\d+(\.\d+)?\n")):
        done = subprocess.run([binary, option], env=env, capture_output=True, text=True, timeout=10)
        check(done.returncode == 0, "%s: exit status %d, %r" % (option, done.returncode, done.stderr))
        check(re.fullmatch(expected, done.stdout), "%s printed %r" % (option, done.stdout))
        check(done.stderr == "", "%s: unexpected message %r" % (option, done.stderr))


run(help_and_version_are_answered_without_a_window,
    starts_with_an_empty_editable_grid_and_quits_with_status_0,
    closing_the_window_ends_with_status_0,
    opens_the_file_named_first_and_ignores_the_rest,
    a_missing_file_is_reported_and_the_program_goes_on)
