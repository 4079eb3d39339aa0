# SPDX-License-Identifier: GPL-3.0-or-later
"""screenshot.py TESSARY OUT.png: the window in play, for the README.

Run under an X server of its own, as `make screenshot` does. Loads a fixed
seed code so that the picture is the same every time, fills in a few
cells, one of them with a repeated digit that shows red.
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from tessary_e2e import Tessary, wait_until, xdotool  # noqa: E402

CODE = "0420261209"


def fitting_digit(grid, cell):
    """The lowest digit that does not repeat in the cell's row, column or box."""
    row, col = divmod(cell, 9)
    box = [(row // 3 * 3 + r) * 9 + col // 3 * 3 + c for r in range(3) for c in range(3)]
    seen = {grid[i] for i in list(range(row * 9, row * 9 + 9)) + list(range(col, 81, 9)) + box}
    return next((d for d in "123456789" if d not in seen), None)


def main(binary, out):
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
        # Move the pointer off the grid so that no cell shows a hover.
        xdotool("mousemove", 1200, 1000)
        subprocess.run(["import", "-window", str(t.xid), out], check=True)
        t.click("Quit")
        t.wait_exit()


main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
