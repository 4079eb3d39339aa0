# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as built, not installed, in the player's language."""

import os

from tessary_e2e import Tessary, check, run


def the_program_as_built_speaks_the_players_language(binary):
    # Not installed: the catalogues are the build tree's, found from the
    # program's own place. The locale itself is compiled for the tests.
    german = {"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8", "LANGUAGE": "",
              "LOCPATH": os.environ["TESSARY_TEST_LOCALES"]}
    with Tessary(binary, env=german) as t:
        t.button("Erzeugen")
        t.click("Beenden")
        check(t.wait_exit() == 0, "exit status not 0")


run(the_program_as_built_speaks_the_players_language)
