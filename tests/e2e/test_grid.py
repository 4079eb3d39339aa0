# SPDX-License-Identifier: GPL-3.0-or-later
"""Playing on the grid with real keys: the entry filter and the conflict colours on screen."""

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


run(anything_but_a_digit_vanishes_at_once,
    equal_digits_in_a_row_turn_red_until_one_goes)
