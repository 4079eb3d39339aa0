// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include <algorithm>

#include "shell/App.h"

namespace {

struct Step {
  int rows;
  int cols;
};

// Where an arrow key leads, the keypad's included; {0, 0} for any other key.
Step arrowStep(guint key) {
  switch (key) {
    case GDK_Up:
    case GDK_KP_Up:
      return {-1, 0};
    case GDK_Down:
    case GDK_KP_Down:
      return {1, 0};
    case GDK_Left:
    case GDK_KP_Left:
      return {0, -1};
    case GDK_Right:
    case GDK_KP_Right:
      return {0, 1};
    default:
      return {0, 0};
  }
}

}  // namespace

int App::focusedCell() {
  Gtk::Widget* focus = window ? window->get_focus() : nullptr;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (focus && focus == &cellAt(cell / 9, cell % 9)) return cell;
  }
  return -1;
}

// The window's keys, seen before the focused widget: Ctrl+Z undoes,
// Ctrl+Shift+Z and Ctrl+Y redo, Ctrl+N makes a new puzzle with one
// solution, and in a cell Ctrl+H hints and the arrows
// move to the neighbouring cell, stopping at the grid's edge. Every other
// key goes on as before, mnemonics included.
bool App::keyPressed(GdkEventKey* event) {
  const guint mods = event->state & gtk_accelerator_get_default_mod_mask();
  const guint key = gdk_keyval_to_lower(event->keyval);
  const bool control = mods == GDK_CONTROL_MASK;
  if (control && key == GDK_z) {
    undo();
    return true;
  }
  if ((control && key == GDK_y) || (mods == (GDK_CONTROL_MASK | GDK_SHIFT_MASK) && key == GDK_z)) {
    redo();
    return true;
  }
  if (control && key == GDK_n) {
    newOneSolutionPuzzle();
    return true;
  }
  // Ctrl+Shift+H explains the next step of the whole grid, wherever the focus is.
  if (mods == (GDK_CONTROL_MASK | GDK_SHIFT_MASK) && key == GDK_h) {
    explain();
    return true;
  }
  // Ctrl+Shift+V and Ctrl+Shift+C paste and copy whole puzzles; a cell's
  // own Ctrl+V and Ctrl+C stay as they are.
  if (mods == (GDK_CONTROL_MASK | GDK_SHIFT_MASK) && (key == GDK_v || key == GDK_c)) {
    key == GDK_v ? pastePuzzle() : copyPuzzle();
    return true;
  }
  const int cell = focusedCell();
  if (cell < 0) return false;
  if (noteKeyPressed(event, cell)) return true;
  if (control && key == GDK_h) {
    hint(cell);
    return true;
  }
  const Step step = arrowStep(event->keyval);
  if (mods != 0 || (step.rows == 0 && step.cols == 0)) return false;
  const int row = std::clamp(cell / 9 + step.rows, 0, 8);
  const int col = std::clamp(cell % 9 + step.cols, 0, 8);
  if (row * 9 + col != cell) cellAt(row, col).grab_focus();
  return true;
}

// Only the focused cell shows a selection: a cell the focus has left keeps
// none, where the toolkit would leave it drawn grey like a mark. The digits'
// looks follow the focus.
void App::focusChanged(Gtk::Widget*) {
  const int focused = focusedCell();
  for (int cell = 0; cell < kCellCount; ++cell) {
    Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
    int start = 0, end = 0;
    if (cell != focused && entry.get_selection_bounds(start, end)) entry.select_region(0, 0);
  }
  showLooks();
}

// Run once a cell has taken the focus, after the entry's own selecting: an
// open cell selects its digit, so the next digit typed replaces it; a given,
// which cannot be replaced, selects nothing.
void App::selectForTyping(int cell) {
  Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
  entry.select_region(0, entry.get_editable() ? -1 : 0);
}

// A click into a cell gives it the focus, or selects its digit again when
// it has the focus already: left to the entry, the click would put the
// cursor behind the digit, where the next keystroke is lost.
bool App::cellPressed(GdkEventButton* event, int cell) {
  Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
  if (event->button != 1 || event->type != GDK_BUTTON_PRESS) return false;
  if (entry.is_focus()) {
    selectForTyping(cell);
  } else {
    entry.grab_focus();
  }
  return true;
}
