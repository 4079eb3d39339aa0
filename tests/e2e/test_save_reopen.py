# SPDX-License-Identifier: GPL-3.0-or-later
"""Saving a grid through the Save dialog and getting it back on the next start."""

import os
import tempfile


from tessary_e2e import Tessary, check, run, wait_until

# Cell (row-major index) and digit typed into it.
TYPED = {0: "5", 4: "7", 10: "3", 26: "9", 40: "1", 44: "8", 58: "2", 72: "6", 80: "4"}
EXPECTED = "".join(TYPED.get(i, "0") for i in range(81))


def a_saved_grid_comes_back_on_the_next_start(binary):
    with tempfile.TemporaryDirectory(prefix="tessary-saved-") as folder:
        save_and_reopen(binary, folder)


def save_and_reopen(binary, folder):
    check("." not in folder, "the folder must hold no dot: " + folder)
    with Tessary(binary) as t:
        for cell, digit in TYPED.items():
            t.type_into(cell, digit)
        wait_until(lambda: t.grid() == EXPECTED, 5, "the typed digits (grid is %s)" % t.grid())

        t.click("Save")
        t.choose_path("Save Puzzle", os.path.join(folder, "mine"))
        saved = os.path.join(folder, "mine.sudoku")
        wait_until(lambda: os.path.exists(saved), 5, "the file mine.sudoku")
        with open(saved, "rb") as f:
            check(f.read() == EXPECTED.encode(), "the file holds something else")
        check(not os.path.exists(os.path.join(folder, "mine")), "a file without the extension")
        check(t.stderr() == "", "unexpected message: " + t.stderr())
        t.quit()

    with Tessary(binary, saved) as t:
        check(t.grid() == EXPECTED, "cells show " + t.grid())
        check(all(t.editable(i) for i in range(81)), "a reopened cell is locked")
        t.quit()


def a_refused_file_is_offered_again_and_named_as_it_is(binary):
    with tempfile.TemporaryDirectory(prefix="tessary-odd-") as folder:
        refuse_and_name(binary, folder)


def refuse_and_name(binary, folder):
    name = "a<b> & c.sudoku"
    path = os.path.join(folder, name)
    with open(path, "w") as f:
        f.write("123")
    # Refused at start, the file still becomes the one the Open dialog offers.
    with Tessary(binary, path) as t:
        wait_until(lambda: "too short, at 3characters." in t.stderr(), 5, "the start-up message")
        # The refusal is shown on screen too; the player closes that message.
        first = t.alert()
        check(any("The file '%s' could not be opened." % name in label for label in t.labels(first)),
              "labels: %s" % t.labels(first))
        t.answer(first)
        t.type_into(40, "7")
        wait_until(lambda: t.text(40) == "7", 5, "the digit 7")
        t.click("Open")
        dialog = t.chooser("Open Puzzle")
        accept = wait_until(lambda: t._find_role(dialog, "push button", "Open"), 5, "the Open button")

        # The chooser takes in its preset a moment after it shows, and
        # ignores Open until then.
        def opened_and_refused():
            alert = t.shown_alert()
            if alert is not None:
                return alert
            accept.queryAction().doAction(0)
            return None
        alert = wait_until(opened_and_refused, 10, "the message about the refused file")
        labels = t.labels(alert)
        check("Opening failed!" in " ".join(labels) and
              any("The file '%s' could not be opened." % name in label for label in labels),
              "labels: %s" % labels)
        t.answer(alert)
        check(t.grid() == "0" * 40 + "7" + "0" * 40, "the refused file changed the grid")
        check(t.stderr().count("too short, at 3characters.") == 2, "stderr: " + t.stderr())
        t.quit()


run(a_saved_grid_comes_back_on_the_next_start,
    a_refused_file_is_offered_again_and_named_as_it_is)
