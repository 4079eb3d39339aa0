// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/CellColours.h"
#include "play/GridLooks.h"
#include "shell/App.h"

GridSnapshot App::snapshot() {
  GridSnapshot now;
  now.grid = getString();
  for (int cell = 0; cell < kCellCount; ++cell) {
    Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
    now.locked[cell] = !entry.get_editable();
    now.marked[cell] = hasColour(entry, CellColour::Base);
  }
  now.title = titleText;
  now.notes = notes;
  return now;
}

// Called once a change has been made, by the player (a digit typed,
// replaced, deleted or hinted) or by a command. A keystroke the filter took
// out again, or a command that left the grid as it was, is no new step.
void App::recordChange(bool byPlayer) {
  GridSnapshot now = snapshot();
  // Only the player's own grid counts as solved, never the Solve command's.
  now.solved = byPlayer && isSolvedGrid(now.grid);
  if (byPlayer) now.notes = notesAfter(now.grid);
  showNotes(now.notes, now.grid);
  if (now.sameContent(history.current())) {
    history.amend(now);
  } else {
    history.record(now);
  }
  showLooks();
}

// Puts the window back as the snapshot saw it. The program writes, so the
// change handler neither filters nor marks nor records these writes.
void App::restore(const GridSnapshot& state) {
  updating = true;
  for (int cell = 0; cell < kCellCount; ++cell) {
    Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
    const char digit = state.grid[cell];
    entry.set_text(digit == '0' ? Glib::ustring() : Glib::ustring(1, digit));
    setLocked(entry, state.locked[cell]);
    if (state.marked[cell]) setColour(entry, CellColour::Base, &conflictColor);
  }
  updating = false;
  if (state.title != titleText) setTitle(state.title);
  showNotes(state.notes, state.grid);
  showLooks();
}

void App::undo() {
  if (history.canUndo()) restore(history.undo());
}

void App::redo() {
  if (history.canRedo()) restore(history.redo());
}
