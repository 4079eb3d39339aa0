# SPDX-License-Identifier: GPL-3.0-or-later
"""A game played by the keyboard alone: Generate, the arrow keys, digits
typed and replaced, a hint, a Clear undone, and the last digit that turns
the grid green."""

import re
import sys

from tessary_e2e import Tessary, check, cli_solve, run, wait_until

CODE_TITLE = re.compile(r"^Tessary \((05-?\d+)\)$")


def solution(grid):
    """The grid as Solve completes it, from tessary-cli."""
    result = cli_solve(sys.argv[2], grid)
    check(result.startswith("solved "), "no completion of %s: %s" % (grid, result))
    return result.split()[1]


def go(t, target):
    """Walks the focus to a cell with the arrow keys, givens included."""
    while t.focused() != target:
        here = t.focused()
        (r, c), (tr, tc) = divmod(here, 9), divmod(target, 9)
        key = "Down" if tr > r else "Up" if tr < r else "Right" if tc > c else "Left"
        t.key(key)
        wait_until(lambda: t.focused() != here, 5, "the focus to leave cell %d by %s" % (here, key))


def is_green(t, i):
    r, g, b = t.text_colour(i)
    return g > r and g > b


def keyboard_game(binary):
    with Tessary(binary) as t:
        t.focus()
        t.key("alt+g")
        code = wait_until(lambda: CODE_TITLE.match(t.title()), 10, "a seed code in the title").group(0)
        givens = wait_until(lambda: t.grid() if t.grid() != "0" * 81 else None, 5, "the givens")
        if t.focused() is None:
            t.key("Tab")
        wait_until(lambda: t.focused() is not None, 5, "a cell with the focus")
        open_cells = [i for i in range(81) if givens[i] == "0"]

        # A hint in the first open cell, a digit typed in the second.
        go(t, open_cells[0])
        t.key("ctrl+h")
        wait_until(lambda: t.text(open_cells[0]) != "", 5, "the hinted digit")
        check(t.editable(open_cells[0]), "the hinted cell is locked")
        answer = solution(t.grid())
        second = open_cells[1]
        wrong = next(d for d in "123456789" if d != answer[second])
        go(t, second)
        t.type(wrong)
        wait_until(lambda: t.text(second) == wrong, 5, "the typed digit")
        # Moving back into the cell selects its digit: the next one replaces it.
        go(t, open_cells[0])
        go(t, second)
        t.type(answer[second])
        wait_until(lambda: t.text(second) == answer[second], 5, "the digit replaced")

        # Clear, and Ctrl+Z brings back the grid, its givens and the title.
        before = t.grid()
        t.key("alt+c")
        t.wait_title("Tessary")
        wait_until(lambda: t.grid() == "0" * 81, 5, "an empty grid")
        t.key("ctrl+z")
        wait_until(lambda: t.grid() == before, 5, "the grid back")
        t.wait_title(code)
        check(all(t.editable(i) == (givens[i] == "0") for i in range(81)), "the givens are not locked again")

        # The rest by hand: the last digit turns every digit green.
        rest = [i for i in open_cells if t.text(i) == ""]
        for i in rest:
            check(not is_green(t, open_cells[0]), "green before the grid is full")
            go(t, i)
            t.type(answer[i])
            wait_until(lambda: t.text(i) == answer[i], 5, "digit %s in cell %d" % (answer[i], i))
        wait_until(lambda: all(is_green(t, i) for i in range(81)), 5, "every digit green")
        check("Solved" in t.frame.description, "the window says %r" % t.frame.description)
        check(t.stdout() == "", "a hint wrote %r" % t.stdout())
        t.key("alt+q")
        check(t.wait_exit() == 0, "exit status not 0")


if __name__ == "__main__":
    run(keyboard_game)
