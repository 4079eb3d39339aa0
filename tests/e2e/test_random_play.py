# SPDX-License-Identifier: GPL-3.0-or-later
"""Random play: random keys in random cells and random commands, for a while.

Run as the other end-to-end scripts, with tessary-cli as the second argument
(Solve must give what its solve command gives), and two optional settings:
    TESSARY_PLAY_SECONDS  how long to play (default 60)
    TESSARY_PLAY_SEED     the seed of the run, printed at its start; the same
                          seed plays the same actions in the same order
Generate seeds its puzzles from the clock, so what follows a Generate can
differ on a replay; every other action, Load Seed codes included, repeats.

Throughout, the program must keep running; after every keystroke in a cell,
read through the accessibility tree, every cell holds nothing or one digit
1-9 and a cell is red exactly when its digit repeats in its row, column or
box. Right after Open the loaded digits are not marked until a keystroke
changes the grid, so the colours are not judged until then. Every command
is checked for what it must leave behind. Files are written only in a
temporary folder, and Quit comes only at the end.

Undo, redo, hints and the arrow keys come in too. Undo, by Ctrl+Z or the
cell menu, followed by as many redos gives back the very same window: texts,
locks, red marks, notes and title. A hint fills an open empty cell with the digit
tessary-cli's solve gives, leaves a grid with repeats as it is, and says
"No hint" for a grid without solution; it writes nothing on standard
output. The arrows move the focus to the neighbouring cell, stopping at the
grid's edge.

Notes, read from each cell's accessible description, are toggled by
Ctrl or Alt with a digit, cleared by Backspace and filled in or cleared
through the cell menu. After every step no given and no filled cell shows
notes, and a digit that goes in leaves no note of it in its row, column and
box.

Solve and hints run only when the grid holds at least MIN_DIGITS_TO_SOLVE
digits or is a generated puzzle with the player's digits added: a sparse
grid of random digits can keep the solver searching for minutes.
"""

import os
import random
import re
import shutil
import sys
import tempfile
import time

import pyatspi

from tessary_e2e import GIVENS, PEERS, Tessary, check, check_givens, cli_solve, conflicts, wait_until, xdotool

CODE_TITLE = re.compile(r"^Tessary \((\d\d)(-?\d+)\)$")
MIN_DIGITS_TO_SOLVE = 24

# What a player may press in a cell. Characters are typed, names are keys.
DIGITS = list("123456789")
OTHER_CHARACTERS = list("0aZ.- #") + ["\u00e9", "\u4e09", "\u0663", "\uff15"]
KEYS = ["BackSpace", "Delete", "Home", "End", "Left", "Right", "Return", "Escape", "Tab",
        "ctrl+a", "ctrl+c", "ctrl+x", "ctrl+v", "shift+Left"]
# Codes typed into Load Seed: real ones, edge cases and garbage.
CODES = ["05-1734022211", "10999", "00123", "0712345", "-5123", "99-2147483648", "  0599", "",
         "7", "x", "05xyz", "\u00e9512", "\u0660\u0665\u0661\u0662", "\uff10\uff15\uff11",
         "05" + "9" * 60, "10-", "1 2 3"]


CLI = sys.argv[2]


class Play:
    def __init__(self, t, rng, folder):
        self.t = t
        self.rng = rng
        self.folder = folder
        self.stale = False      # loaded by Open, not yet examined by the program
        self.generated = False  # the grid holds a generated puzzle's locked givens
        self.saved = {}         # path -> the 81 bytes written there

    # --- reading and judging the grid -----------------------------------
    def state(self):
        texts = [self.t.text(i) for i in range(81)]
        reds = [self.t.marked_red(i) for i in range(81)]
        notes = [self.t.notes(i) for i in range(81)]
        return texts, reds, notes

    def grid_of(self, texts):
        return "".join(text or "0" for text in texts)

    def judge(self, what):
        """Every cell empty or one digit 1-9; red exactly where a digit repeats."""
        check(self.t.running(), "the program ended after " + what)
        texts, reds, notes = self.state()
        for i, text in enumerate(texts):
            check(text == "" or (len(text) == 1 and text in DIGITS),
                  "after %s cell %d holds %r" % (what, i, text))
            check(not notes[i] or (text == "" and self.t.editable(i)),
                  "after %s cell %d holding %r shows the notes %s" % (what, i, text, notes[i]))
        if self.stale:
            return texts
        grid = self.grid_of(texts)
        wrong = conflicts(grid) ^ {i for i in range(81) if reds[i]}
        check(not wrong, "after %s the cells %s are %s; grid %s" % (
            what, sorted(wrong), ["red" if reds[i] else "not red" for i in sorted(wrong)], grid))
        return texts

    def locked(self):
        return [not self.t.editable(i) for i in range(81)]

    def window(self):
        """All that undo must bring back: texts, red marks, notes, locks and title."""
        return self.state(), self.locked(), self.t.title()

    def menu_item(self, cell, label):
        """Right-clicks a cell and clicks an item of its menu; a greyed
        item closes the menu with Escape instead."""
        t = self.t
        t.click_cell(cell, button=3)
        item = wait_until(lambda: pyatspi.findDescendant(
            t.app, lambda a: a.getRoleName() == "menu item" and a.name == label and
            a.getState().contains(pyatspi.STATE_SHOWING)), 5, "the menu item " + label)
        if not item.getState().contains(pyatspi.STATE_SENSITIVE):
            t.key("Escape")
            return
        e = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", e.x + e.width // 2, e.y + e.height // 2, "click", "1")

    def solvable_size(self, grid):
        return sum(c != "0" for c in grid) >= MIN_DIGITS_TO_SOLVE or self.generated

    # --- actions ------------------------------------------------------------
    def keystroke(self):
        t, rng = self.t, self.rng
        cell = rng.randrange(81)
        before = [t.text(i) for i in range(81)]
        locked_before = self.locked()
        t.focus()
        t.click_cell(cell)
        roll = rng.random()
        if roll < 0.55:
            pressed = rng.choice(DIGITS)
            t.type(pressed)
        elif roll < 0.75:
            pressed = rng.choice(OTHER_CHARACTERS)
            t.type(pressed)
        else:
            pressed = rng.choice(KEYS)
            t.key(pressed)
        what = "%r in cell %d" % (pressed, cell)
        if pressed in DIGITS and before[cell] == "" and not locked_before[cell]:
            # An open, empty cell takes the digit: wait for it, so that the
            # judgement below sees the keystroke's result.
            wait_until(lambda: t.text(cell) == pressed, 5, "the digit %s in cell %d" % (pressed, cell))
        else:
            time.sleep(0.05)
        texts = self.judge(what)
        for i in range(81):
            check(not locked_before[i] or texts[i] == before[i], "%s changed locked cell %d" % (what, i))
        if texts[cell] != before[cell] and texts[cell]:
            kept = [i for i in PEERS[cell] if texts[cell] in self.t.notes(i)]
            check(not kept, "%s left the note %s in cells %s" % (what, texts[cell], kept))
        if texts != before:
            self.stale = False

    def undo_redo(self):
        t, rng = self.t, self.rng
        before = self.window()
        steps = rng.randint(1, 3)
        t.focus()
        for _ in range(steps):
            if rng.random() < 0.3:
                self.menu_item(rng.randrange(81), "Undo")
            else:
                t.key("ctrl+z")
        time.sleep(0.1)
        # The colours are those of the state undone to, which may be a grid just opened.
        stale, self.stale = self.stale, True
        self.judge("undo")
        self.stale = stale
        t.key(*[rng.choice(["ctrl+y", "ctrl+shift+z"]) for _ in range(steps)])
        wait_until(lambda: self.window() == before, 5, "%d undos and redos to give back the window" % steps)

    def hint(self):
        t, rng = self.t, self.rng
        grid = t.grid()
        if not self.solvable_size(grid):
            return
        cell = rng.randrange(81)
        printed = t.stdout()
        t.focus()
        if rng.random() < 0.3:
            self.menu_item(cell, "Hint")
        else:
            t.click_cell(cell)
            t.key("ctrl+h")
        what = "hint in cell %d of %s" % (cell, grid)
        if grid[cell] != "0" or not t.editable(cell):
            time.sleep(0.05)
            check(t.grid() == grid, what + " changed the grid")
        elif conflicts(grid):
            # The repeats are the answer, marked also on a grid just opened.
            wait_until(lambda: {i for i in range(81) if t.marked_red(i)} == conflicts(grid), 5, "the repeats red")
            check(t.grid() == grid, what + " changed a grid with repeats")
            self.stale = False
        else:
            expected = cli_solve(CLI, grid)
            if expected.startswith("solved "):
                digit = expected.split()[1][cell]
                wait_until(lambda: t.text(cell) == digit, 10, "the hinted digit %s" % digit)
                check(t.editable(cell), what + " locked the cell")
                self.stale = False
            else:
                alert = t.alert(10)
                check("No hint" in " ".join(t.labels(alert)), "the message says %s" % t.labels(alert))
                t.answer(alert)
                check(t.grid() == grid, what + " changed a grid without solution")
        check(t.stdout() == printed, what + " wrote on standard output")
        self.judge(what)

    def notes(self):
        """Toggles a note, clears a cell's notes, or fills in or clears them all;
        what they hold is the window tests' to check, what they must never do
        is judge's."""
        t, rng = self.t, self.rng
        cell = rng.randrange(81)
        text = t.text(cell)
        t.focus()
        if rng.random() < 0.2:
            self.menu_item(cell, rng.choice(["Fill In Notes", "Clear Notes"]))
        else:
            t.click_cell(cell)
            keys = [rng.choice(["ctrl+", "alt+"]) + rng.choice(DIGITS)] + (["BackSpace"] if text == "" else [])
            t.key(rng.choice(keys))
        time.sleep(0.05)
        check(t.text(cell) == text, "a note key changed the text of cell %d" % cell)
        self.judge("notes in cell %d" % cell)

    def arrows(self):
        t, rng = self.t, self.rng
        cell = rng.randrange(81)
        keys = [rng.choice(["Up", "Down", "Left", "Right"]) for _ in range(rng.randint(1, 5))]
        row, col = divmod(cell, 9)
        for key in keys:
            row = min(8, max(0, row + {"Up": -1, "Down": 1}.get(key, 0)))
            col = min(8, max(0, col + {"Left": -1, "Right": 1}.get(key, 0)))
        grid = t.grid()
        t.focus()
        t.click_cell(cell)
        t.key(*keys)
        wait_until(lambda: t.focused() == row * 9 + col, 5, "%s from cell %d to reach cell %d" % (keys, cell, row * 9 + col))
        check(t.grid() == grid, "the arrows changed the grid")

    def generate(self):
        t = self.t
        slider = t.slider()
        slider.queryValue().currentValue = round(self.rng.random(), 2)
        # The level as Generate takes it from the slider: trunc(value * 10).
        level = int(slider.queryValue().currentValue * 10.0)
        t.press("Generate")
        wait_until(lambda: (lambda m: m and int(m.group(1)) == level)(CODE_TITLE.match(t.title())), 10,
                   "a code of level %d in the title (is %r)" % (level, t.title()))
        self.check_puzzle(level, "Generate")

    def check_puzzle(self, level, what):
        """A generated puzzle: its givens, and no conflict."""
        t = self.t
        grid = wait_until(lambda: (lambda g: g if sum(c != "0" for c in g) in
                                   (GIVENS[level], GIVENS[level] + 1) else None)(t.grid()),
                          10, "the givens of level %d after %s (grid %s)" % (level, what, t.grid()))
        check_givens(t, grid, level, what)
        self.stale = False
        self.generated = True
        self.judge(what)

    def load_seed(self):
        t, rng = self.t, self.rng
        code = rng.choice(CODES)
        title_before, grid_before = t.title(), t.grid()
        answer = rng.choice(["OK", "OK", "Cancel", "Escape"])
        t.load_seed(code, answer)
        if answer != "OK":
            check(t.title() == title_before and t.grid() == grid_before, "cancelled Load Seed changed the grid")
            return
        t.wait_title("Tessary (%s)" % code if code else "Tessary")
        self.check_puzzle(level_of_code(code), "Load Seed %r" % code)

    def solve(self):
        t = self.t
        grid = t.grid()
        if not self.solvable_size(grid):
            return
        t.press("Solve")
        repeats = conflicts(grid)
        if repeats:
            # Nothing happens but the marking of the repeats, which also
            # marks a grid that Open left unmarked.
            wait_until(lambda: {i for i in range(81) if t.marked_red(i)} == repeats, 5,
                       "the repeats marked red by Solve")
            self.stale = False
            check(t.grid() == grid, "Solve changed a grid with repeats")
            self.judge("Solve with repeats")
            return

        def finished():
            alert = t.shown_alert()
            if alert is not None:
                return alert
            # A solved grid is full and wholly locked.
            if "0" not in t.grid() and not any(t.editable(i) for i in range(81)):
                return "solved"
            return None
        result = wait_until(finished, 60, "Solve to end")
        # The command line solves as the Solve button does.
        expected = cli_solve(CLI, grid)
        if result == "solved":
            check(expected == "solved " + t.grid(), "Solve gave %s, the command line %s" % (t.grid(), expected))
        else:
            labels = " ".join(t.labels(result))
            check("Solving failed!" in labels, "the message says " + labels)
            check(expected == "unsolvable", "Solve gave up on %s, the command line %s" % (grid, expected))
            t.answer(result)
            check(t.grid() == grid, "a failed Solve changed the grid")
        # The grid was read, and so marked, before the solver ran.
        self.stale = False
        self.judge("Solve")

    def clear(self):
        t = self.t
        t.press("Clear")
        t.wait_title("Tessary")
        wait_until(lambda: t.grid() == "0" * 81, 5, "an empty grid")
        check(all(t.editable(i) for i in range(81)), "Clear left a cell locked")
        self.stale = False
        self.generated = False
        self.judge("Clear")

    def save(self):
        t, rng = self.t, self.rng
        name = rng.choice(["mine", "second", "third.sudoku", "with space", "a&b<c>"])
        path = os.path.join(self.folder, name)
        grid = t.grid()
        t.click("Save")
        chooser = t.chooser("Save Puzzle")
        if rng.random() < 0.2:
            t.key("Escape")
            t.no_dialog_left()
            return
        self.type_path(chooser, path)
        t.no_dialog_left(10)
        written = path if "." in path else path + ".sudoku"
        wait_until(lambda: os.path.exists(written) and read_file(written) == grid.encode(), 5,
                   "%s to hold %s" % (written, grid))
        self.saved[written] = grid

    def type_path(self, chooser, path, opening=False):
        """Types a path into the chooser's name entry, then Return."""
        t = self.t

        def entry():
            return pyatspi.findDescendant(chooser, lambda a: a.getRoleName() == "text" and
                                          a.getState().contains(pyatspi.STATE_SHOWING))
        # The chooser takes in its preset and its layout a moment after it shows.
        time.sleep(0.3)
        if opening:
            # A '/' shows the Open chooser's location entry; when the
            # chooser starts on its recent files, the first '/' only takes
            # it to the folders.
            def location_entry():
                found = entry()
                if found is None:
                    t.key("slash")
                    time.sleep(0.2)
                return found
            field = wait_until(location_entry, 5, "the chooser's location entry")
        else:
            field = wait_until(entry, 5, "the chooser's name entry")
        e = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", e.x + e.width // 2, e.y + e.height // 2, "click", "1")
        # Whatever the entry holds (a preset name, partly selected, or the
        # '/' that opened it) goes.
        t.key("ctrl+a")
        t.type(path)
        typed = lambda: field.queryText().getText(0, -1)
        wait_until(lambda: typed().startswith(path), 5, "the path in the chooser (is %r)" % typed())
        if typed() != path:
            # The chooser completed the name with a file's; the completion is selected.
            t.key("Delete")
            wait_until(lambda: typed() == path, 5, "the path alone (is %r)" % typed())
        t.key("Return")

    def open(self):
        t, rng = self.t, self.rng
        choices = sorted(self.saved) + [os.path.join(self.folder, n) for n in BAD_FILES]
        path = rng.choice(choices)
        grid_before, title_before = t.grid(), t.title()
        t.click("Open")
        chooser = t.chooser("Open Puzzle")
        if rng.random() < 0.2:
            t.answer(chooser, "Cancel")
            check(t.grid() == grid_before, "a cancelled Open changed the grid")
            return
        self.type_path(chooser, path, opening=True)
        content = read_file(path)[:81]
        good = len(content) == 81 and all(0x30 <= b <= 0x39 for b in content)

        def answered():
            return t.shown_alert() or ("closed" if t.chooser_gone("Open Puzzle") else None)
        result = wait_until(answered, 10, "Open to end")
        if good:
            check(result == "closed", "a good file was refused: " + path)
            wait_until(lambda: t.grid() == content.decode(), 5, "the opened grid")
            check(all(t.editable(i) for i in range(81)), "an opened cell is locked")
            self.stale = True
            self.generated = False
        else:
            check(result != "closed", "a bad file gave no message: " + path)
            labels = " ".join(t.labels(result))
            check("Opening failed!" in labels and os.path.basename(path) in labels, "the message says " + labels)
            t.answer(result)
            check(t.grid() == grid_before, "a refused file changed the grid")
        check(t.title() == title_before, "Open changed the title")
        self.judge("Open " + path)

    def about(self):
        t = self.t
        t.click("About")
        dialog = t.dialog("About Tessary")
        if self.rng.random() < 0.5:
            t.click("Close", root=dialog)
        else:
            t.key("Escape")
        t.no_dialog_left()


# Files that Open must refuse, with their bytes.
BAD_FILES = {
    "short.sudoku": b"123",
    "letters.sudoku": b"1234x" + b"0" * 76,
    "nul.sudoku": b"12" + b"\0" + b"0" * 78,
}


def read_file(path):
    with open(path, "rb") as f:
        return f.read()


def level_of_code(code):
    """The difficulty level Load Seed reads from a code's first two characters."""
    match = re.match(r"[ \t\n\v\f\r]*([+-]?[0-9]+)", code[:2])
    number = int(match.group(1)) if match else 0
    return max(0, min(10, number))


def main():
    binary = sys.argv[1]
    seconds = float(os.environ.get("TESSARY_PLAY_SECONDS", "60"))
    seed = int(os.environ.get("TESSARY_PLAY_SEED") or random.SystemRandom().randrange(1 << 32))
    print("random play: seed %d for %g s (replay with TESSARY_PLAY_SEED=%d)" % (seed, seconds, seed), flush=True)
    rng = random.Random(seed)
    folder = tempfile.mkdtemp(prefix="tessary-play-")
    for name, content in BAD_FILES.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(content)
    actions = [("keystroke", 80), ("generate", 4), ("load_seed", 3), ("solve", 4), ("clear", 2),
               ("undo_redo", 6), ("hint", 4), ("arrows", 4), ("notes", 12),
               ("save", 3), ("open", 3), ("about", 1)]
    names = [name for name, _ in actions]
    weights = [weight for _, weight in actions]
    counts = dict.fromkeys(names, 0)
    started = time.monotonic()
    step = 0
    last = "start"
    try:
        with Tessary(binary) as t:
            play = Play(t, rng, folder)
            play.judge("start")
            try:
                while time.monotonic() - started < seconds:
                    step += 1
                    name = rng.choices(names, weights)[0]
                    last = name
                    getattr(play, name)()
                    counts[name] += 1
                    check(t.running(), "the program ended after " + name)
            except Exception:
                # What the screen showed, kept for the one who replays the run.
                shot = os.path.join(tempfile.mkdtemp(prefix="tessary-play-failure-"), "screen.png")
                try:
                    t.screenshot(shot)
                    print("the screen at the failure: " + shot, flush=True)
                except Exception:
                    pass
                raise
            last = "Quit"
            t.quit()
            # The program's own diagnostics are only those of refused files;
            # the toolkit's file chooser may add warnings of its own.
            ours = [line for line in t.stderr().splitlines()
                    if line and not line.startswith("(tessary:") and not line.startswith(" ")]
            unexpected = [line for line in ours if not line.startswith(("setFromString: ", "openPuzzle: "))]
            check(not unexpected, "unexpected messages: %s" % unexpected[:5])
    except Exception as error:
        print("FAIL  random play, step %d (%s), seed %d: %s: %s" % (step, last, seed, type(error).__name__, error),
              flush=True)
        sys.exit(1)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    print("ok    random play: %d steps in %.0f s, %s" % (
        step, time.monotonic() - started, ", ".join("%s %d" % (n, counts[n]) for n in names)), flush=True)


if __name__ == "__main__":
    main()
