# SPDX-License-Identifier: GPL-3.0-or-later
"""screenshot.py TESSARY OUT.png [SCALE]: the window in play, for the README.

Run under an X server of its own, as `make screenshot` does. Loads a fixed
seed code so that the picture is the same every time, fills in a few
cells, one of them with a repeated digit that shows red.

With SCALE the same game is shown with notes, in a window SCALE times
its natural width and height: every open cell's candidates
filled in, a few of them taken out again, and the focus on a digit, whose
notes are highlighted.
"""

import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from tessary_e2e import Tessary, wait_until, xdotool  # noqa: E402

CODE = "0420261209"


def fitting_digit(grid, cell):
    """The lowest digit that does not repeat in the cell's row, column or box."""
    row, col = divmod(cell, 9)
    box = [(row // 3 * 3 + r) * 9 + col // 3 * 3 + c for r in range(3) for c in range(3)]
    seen = {grid[i] for i in list(range(row * 9, row * 9 + 9)) + list(range(col, 81, 9)) + box}
    return next((d for d in "123456789" if d not in seen), None)


def show_notes(t, open_cells, factor, out):
    """Fills in the notes, toggles a few off, focuses a digit and takes the picture."""
    t.click_cell(open_cells[-1], button=3)
    item = wait_until(lambda: pyatspi.findDescendant(
        t.app, lambda a: a.getRoleName() == "menu item" and a.name == "Fill In Notes" and
        a.getState().contains(pyatspi.STATE_SHOWING)), 5, "the menu item Fill In Notes")
    time.sleep(0.3)  # the menu's place on screen
    e = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", e.x + e.width // 2, e.y + e.height // 2, "click", "1")
    empty = [i for i in open_cells if t.text(i) == ""]
    wait_until(lambda: any(t.notes(i) for i in empty), 5, "the notes filled in")
    for i in [i for i in empty if t.notes(i)][::4]:
        t.focus()
        t.click_cell(i)
        t.key("ctrl+" + t.notes(i)[0])
    width, height = geometry(t.xid)
    xdotool("windowsize", t.xid, int(width * factor), int(height * factor))
    time.sleep(1)
    t.focus()
    t.click_cell(next(i for i in range(81) if t.text(i) and t.editable(i)))
    xdotool("mousemove", 2500, 2000)
    time.sleep(0.5)
    subprocess.run(["import", "-window", str(t.xid), out], check=True)


def geometry(xid):
    """The window's width and height in pixels."""
    values = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", xid).splitlines())
    return int(values["WIDTH"]), int(values["HEIGHT"])


def main(binary, out, scale=None):
    with Tessary(binary) as t:
        t.load_seed(CODE)
        t.wait_title("Tessary (%s)" % CODE)
        givens = t.grid()
        open_cells = [i for i in range(81) if givens[i] == "0"]
        # A few digits of the player's own that fit, then one repeating a given of its row.
        typed = 0
        for i in open_cells:
            digit = fitting_digit(t.grid(), i)
            if digit and typed < 6:
                t.type_into(i, digit)
                typed += 1
        cell = next(i for i in open_cells if t.text(i) == "")
        given = next(g for g in range(cell // 9 * 9, cell // 9 * 9 + 9) if givens[g] != "0")
        t.type_into(cell, givens[given])
        wait_until(lambda: t.marked_red(cell), 5, "the red mark")
        if scale:
            show_notes(t, open_cells, scale, out)
        else:
            # Move the pointer off the grid so that no cell shows a hover.
            xdotool("mousemove", 1200, 1000)
            subprocess.run(["import", "-window", str(t.xid), out], check=True)
        t.click("Quit")
        t.wait_exit()


main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), float(sys.argv[3]) if len(sys.argv) > 3 else None)
