# SPDX-License-Identifier: GPL-3.0-or-later
"""Generate and Load Seed: a puzzle, its code in the title, and the code typed back in."""

import re
import subprocess
import sys

from tessary_e2e import GIVENS, Tessary, check, check_givens, run, wait_until

CODE_TITLE = re.compile(r"^Tessary \(((\d\d)(-?\d+))\)$")
CLI = sys.argv[2] if len(sys.argv) > 2 else None


def generated_code(t, before):
    """Waits for Generate to retitle the window; returns the code."""
    match = wait_until(lambda: t.title() != before and CODE_TITLE.match(t.title()), 10,
                       "a seed code in the title (is %r)" % t.title())
    return match.group(1)


def generate_then_load_seed_rebuilds_the_same_givens(binary):
    with Tessary(binary) as t:
        t.focus()
        t.key("alt+g")
        code = generated_code(t, "")
        check(code.startswith("05"), "the starting slider gives %s" % code)
        generated = wait_until(lambda: t.grid() if t.grid() != "0" * 81 else None, 5, "the givens")
        check_givens(t, generated, 5)

        t.press("Clear")
        t.wait_title("Tessary")
        wait_until(lambda: t.grid() == "0" * 81, 5, "an empty grid")

        t.load_seed(code, mnemonic=True)
        t.wait_title("Tessary (%s)" % code)
        wait_until(lambda: t.grid() == generated, 5, "the same givens (now %s)" % t.grid())
        check_givens(t, t.grid(), 5)
        if CLI:
            line = subprocess.run([CLI, "generate", code], check=True, capture_output=True,
                                  text=True).stdout
            check(line == "%s %s\n" % (code, generated), "tessary-cli prints %r" % line)


def cli(*args):
    return subprocess.run([CLI, "generate", *args], capture_output=True, text=True)


def the_command_line_prints_codes_and_refuses_bad_arguments(binary):
    check(CLI is not None, "no tessary-cli given")
    done = cli("07-1")
    # The puzzle itself is the window's for the same code (above).
    check(done.returncode == 0 and re.fullmatch(r"07-1 [0-9]{81}\n", done.stdout) and done.stderr == "",
          "07-1 gives %r" % (done,))
    # A code that begins with '-' comes after "--".
    done = cli("--", "-512")
    check(done.returncode == 0 and done.stdout.startswith("-512 "), "-- -512 gives %r" % (done,))
    for slider, prefix in ((None, "05"), ("1", "10"), ("0", "00"), ("0.99", "09")):
        done = cli(*(["--difficulty", slider] if slider else []))
        code, puzzle = done.stdout.split()
        level = int(prefix)
        check(done.returncode == 0 and code.startswith(prefix) and re.fullmatch(r"\d\d-?\d+", code),
              "--difficulty %s gives %r" % (slider, done))
        check(sum(c != "0" for c in puzzle) == GIVENS[level] + (puzzle[40] == "0"), "givens in " + puzzle)
        check(cli(code).stdout == done.stdout, "the new code %s does not read back" % code)
    for bad in (["--difficulty", "1.5"], ["--difficulty", "-0.1"], ["--difficulty", "x"], ["--difficulty"],
                ["--difficulty", "nan"], ["0512", "0513"], ["--bogus"], ["0512", "--difficulty", "0.5"],
                ["--difficulty", "0.1", "--difficulty", "0.2"], ["05\n12"]):
        done = cli(*bad)
        check(done.returncode == 2 and done.stdout == "" and done.stderr.startswith("tessary-cli generate: "),
              "%r gives %r" % (bad, done))


run(generate_then_load_seed_rebuilds_the_same_givens,
    the_command_line_prints_codes_and_refuses_bad_arguments)
