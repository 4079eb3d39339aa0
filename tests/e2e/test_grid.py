# SPDX-License-Identifier: GPL-3.0-or-later
"""Playing on the grid: the entry filter, conflict colours, Clear, About and Quit."""

from tessary_e2e import RED, Tessary, check, run, wait_until


def anything_but_a_digit_vanishes_at_once(binary):
    with Tessary(binary) as t:
        t.type_into(40, "7")
        wait_until(lambda: t.text(40) == "7", 5, "the digit 7")
        for i, typed in ((10, "a"), (11, "0"), (12, "."), (13, "Z"), (14, "\u00e9"), (15, "\u4e09")):
            t.type_into(i, typed)
            # The key reached the program (the digit typed next is taken)
            # and its character did not stay.
            t.type("3")
            wait_until(lambda: t.text(i) == "3", 5, "the 3 after %r" % typed)
            check(t.text(i) == "3", "%r stayed in cell %d" % (typed, i))
            t.type_into(i, typed)
            wait_until(lambda: t.text(i) == "", 5, "%r to vanish" % typed)
        check(t.grid() == "0" * 40 + "7" + "0" * 40, "grid is " + t.grid())


def equal_digits_in_a_row_turn_red_until_one_goes(binary):
    with Tessary(binary) as t:
        theme = t.cell_colour(3)
        check(theme != RED, "an empty cell is red at start")
        t.type_into(3, "5")
        t.type_into(7, "5")  # same row, different box
        wait_until(lambda: t.marked_red(3) and t.marked_red(7), 5, "both 5s to be marked")
        shot = t.screenshot()
        check(t.cell_colour(3, shot) == RED, "first 5 is %s on screen" % (t.cell_colour(3, shot),))
        check(t.cell_colour(7, shot) == RED, "second 5 is %s on screen" % (t.cell_colour(7, shot),))
        check(t.cell_colour(5, shot) == theme, "a cell between them changed colour")

        t.type_into(7, "")  # deleting either one returns both
        wait_until(lambda: not t.marked_red(3) and not t.marked_red(7), 5, "the marks to go")
        shot = t.screenshot()
        check(t.cell_colour(3, shot) == theme, "remaining 5 is %s" % (t.cell_colour(3, shot),))
        check(t.cell_colour(7, shot) == theme, "emptied cell is %s" % (t.cell_colour(7, shot),))
        check(t.grid() == "0005" + "0" * 77, "grid is " + t.grid())


def clear_empties_the_grid_and_names_the_window_tessary(binary):
    with Tessary(binary) as t:
        t.type_into(0, "9")
        t.type_into(80, "9")
        t.type_into(8, "9")  # a conflict with cell 0 and with cell 80
        wait_until(lambda: t.marked_red(8), 5, "the conflict")
        t.click("Clear")
        t.wait_title("Tessary")
        wait_until(lambda: t.grid() == "0" * 81, 5, "an empty grid")
        check(all(t.editable(i) and not t.marked_red(i) for i in range(81)), "a cell is locked or red")


def about_shows_the_version_and_returns_to_the_same_grid(binary):
    with Tessary(binary) as t:
        t.type_into(20, "4")
        t.type_into(24, "4")
        wait_until(lambda: t.marked_red(20), 5, "the conflict")
        before, title = t.grid(), t.title()
        t.click("About")
        about = t.dialog()
        labels = t.labels(about)
        check(any("Tessary" in label and "0.93" in label for label in labels), "labels: %s" % labels)
        check("A free Su Doku game" in labels, "labels: %s" % labels)
        t.answer(about, "Close")
        check(t.grid() == before, "grid is " + t.grid())
        check(t.marked_red(20) and t.marked_red(24), "the conflict marks are gone")
        check(t.title() == title, "the title changed to " + t.title())
        check(t.running(), "the program ended")


def quit_ends_the_program_with_status_0(binary):
    with Tessary(binary) as t:
        t.type_into(30, "6")  # unsaved: no question is asked
        t.quit()


run(anything_but_a_digit_vanishes_at_once,
    equal_digits_in_a_row_turn_red_until_one_goes,
    clear_empties_the_grid_and_names_the_window_tessary,
    about_shows_the_version_and_returns_to_the_same_grid,
    quit_ends_the_program_with_status_0)
