# SPDX-License-Identifier: GPL-3.0-or-later
"""Playing on the grid with real keys: the entry filter."""

from tessary_e2e import Tessary, check, run, wait_until


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


run(anything_but_a_digit_vanishes_at_once)
