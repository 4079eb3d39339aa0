// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/GridGenerator.h"
#include "shell/App.h"

void App::setLocked(Gtk::Entry& cell, bool locked) {
  static_cast<Gtk::Editable&>(cell).set_editable(!locked);
  cell.set_has_frame(!locked);
  cell.unset_base(Gtk::STATE_NORMAL);
}

void App::writeGrid(const std::string& digits, bool lock) {
  updating = true;
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      const char digit = digits[row * 9 + col];
      Gtk::Entry& cell = cellAt(row, col);
      cell.set_text(digit == '0' ? Glib::ustring() : Glib::ustring(1, digit));
      setLocked(cell, lock && digit != '0');
    }
  }
  updating = false;
}

// The givens are shown as the generator names them: a later placement of a
// cell wins, and a record naming no cell or no digit shows nothing.
void App::showPuzzle(const Placement* placements, const unsigned char* shown) {
  writeGrid(givensString(placements, shown), true);
  recordChange(false);
}

void App::clearPuzzle() {
  writeGrid(std::string(kCellCount, '0'), false);
  setTitle(Glib::ustring());
  recordChange(false);
}
