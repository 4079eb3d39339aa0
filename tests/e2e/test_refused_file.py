# SPDX-License-Identifier: GPL-3.0-or-later
"""A file refused at start-up: named on screen, and offered again by Open."""

import os
import tempfile

from tessary_e2e import Tessary, check, run, wait_until


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


run(a_refused_file_is_offered_again_and_named_as_it_is)
