# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game as a person plays it, through the keyboard and the mouse.

Hard puzzle, a wrong digit and its red marks, Solve, Save, Clear, the
same puzzle again from its seed code, the saved game opened, About, Quit.
"""

import os
import re
import tempfile
import time

import pyatspi

from tessary_e2e import RED, ROWS, Tessary, check, check_givens, is_solution, run, wait_until, xdotool

CODE_TITLE = re.compile(r"^Tessary \((10-?\d+)\)$")


def move_slider_to_hard(t):
    slider = t.slider()
    e = slider.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    t.focus()
    # A click gives the slider the focus; End takes it to the Hard end.
    xdotool("mousemove", e.x + e.width // 2, e.y + e.height // 2, "click", "1")
    wait_until(lambda: slider.getState().contains(pyatspi.STATE_FOCUSED), 5, "the slider's focus")
    t.key("End")
    wait_until(lambda: slider.queryValue().currentValue == 1.0, 5, "the slider at Hard")


def generate(t):
    t.focus()
    t.key("alt+g")
    code = wait_until(lambda: CODE_TITLE.match(t.title()), 10, "a Hard seed code in the title").group(1)
    givens = wait_until(lambda: t.grid() if t.grid() != "0" * 81 else None, 5, "the givens")
    check_givens(t, givens, 10, "Hard")
    return code, givens


def a_wrong_digit_turns_red_until_deleted(t, givens):
    # An open cell whose row holds a given: typing that given's digit repeats it.
    cell, given = next((i, g) for i in range(81) if givens[i] == "0"
                       for g in ROWS[i // 9] if givens[g] != "0")
    t.type_into(cell, givens[given])
    wait_until(lambda: t.marked_red(cell) and t.marked_red(given), 5, "both cells red")
    check(t.cell_colour(cell) == RED, "the typed cell is not red on screen")
    t.type_into(cell, "")
    wait_until(lambda: not t.marked_red(cell) and not t.marked_red(given), 5, "the red gone")
    check(t.cell_colour(cell) != RED, "the cell stays red on screen")
    check(t.grid() == givens, "the grid is not back to the givens")


def solve(t, givens):
    t.click("Solve")
    solved = wait_until(lambda: t.grid() if "0" not in t.grid() else None, 10, "the solved grid")
    check(is_solution(solved), "not a solution: " + solved)
    check(all(g in ("0", s) for g, s in zip(givens, solved)), "a given changed")
    check(not any(t.editable(i) for i in range(81)), "a solved cell is still open")
    return solved


def save(t, folder, solved):
    t.click("Save")
    t.choose_path("Save Puzzle", os.path.join(folder, "game"))
    path = os.path.join(folder, "game.sudoku")
    wait_until(lambda: os.path.exists(path) and os.path.getsize(path) == 81, 5, "the saved file")
    with open(path, "rb") as f:
        check(f.read() == solved.encode(), "the file holds something else")
    return path


def open_saved(t, path):
    t.click("Open")
    t.chooser("Open Puzzle")
    # The chooser offers the saved file; it takes in that preset a moment
    # after it shows and ignores Return until then, so Return is pressed
    # again until the chooser goes.
    def opened():
        if t.chooser_gone("Open Puzzle"):
            return True
        t.key("Return")
        time.sleep(0.1)
        return False
    wait_until(opened, 10, "the chooser to open " + path)
    t.no_dialog_left()


def about_and_back(t, grid):
    t.click("About")
    dialog = t.dialog("About Tessary")
    labels = " ".join(t.labels(dialog))
    check("0.93" in labels and "A free Su Doku game" in labels, "About shows " + labels)
    t.click("Close", root=dialog)
    t.no_dialog_left()
    check(t.grid() == grid, "About changed the grid")


def a_whole_game(binary):
    with tempfile.TemporaryDirectory(prefix="tessary-game-") as folder, Tessary(binary) as t:
        move_slider_to_hard(t)
        code, givens = generate(t)
        a_wrong_digit_turns_red_until_deleted(t, givens)
        solved = solve(t, givens)
        path = save(t, folder, solved)

        t.click("Clear")
        t.wait_title("Tessary")
        wait_until(lambda: t.grid() == "0" * 81 and all(t.editable(i) for i in range(81)), 5, "an empty grid")

        t.load_seed(code)
        t.wait_title("Tessary (%s)" % code)
        wait_until(lambda: t.grid() == givens, 5, "the same givens again (grid is %s)" % t.grid())
        check(all(t.editable(i) == (givens[i] == "0") for i in range(81)), "the givens are not locked")

        open_saved(t, path)
        wait_until(lambda: t.grid() == solved, 5, "the saved game (grid is %s)" % t.grid())
        check(all(t.editable(i) for i in range(81)), "an opened cell is locked")
        check(t.title() == "Tessary (%s)" % code, "Open changed the title")

        about_and_back(t, solved)
        t.quit()
        check(t.stderr() == "", "unexpected message: " + t.stderr())
        check("NOT SOLVEABLE!" not in t.stdout(), "the solver failed: " + t.stdout())


run(a_whole_game)
