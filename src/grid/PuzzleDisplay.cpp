// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"

namespace {

// Writes one cell's look: a digit is a locked, frameless given, a blank an
// open cell. Either way a conflict colour left from earlier play goes.
void showCell(Gtk::Entry& cell, char shown) {
  const bool open = shown == ' ';
  cell.set_text(open ? Glib::ustring() : Glib::ustring(1, shown));
  static_cast<Gtk::Editable&>(cell).set_editable(open);
  cell.set_has_frame(open);
  cell.unset_base(Gtk::STATE_NORMAL);
}

}  // namespace

void App::showPuzzle(const Placement* placements, const unsigned char* shown) {
  updating = true;
  char grid[kCellCount];
  for (char& c : grid) c = ' ';
  // The mask is indexed by the placement's own cell; when two shown
  // placements name the same cell, the later one wins. A record naming no
  // cell of the grid, or no digit 0-8, shows nothing.
  for (int i = 0; i < kCellCount; ++i) {
    const Placement& p = placements[i];
    if (p.cell < 0 || p.cell >= kCellCount || p.value < 0 || p.value > 8) continue;
    if (shown[p.cell]) grid[p.cell] = static_cast<char>('1' + p.value);
  }
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) showCell(cellAt(row, col), grid[row * 9 + col]);
  }
  updating = false;
}

void App::clearPuzzle() {
  updating = true;
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) showCell(cellAt(row, col), ' ');
  }
  updating = false;
  setTitle(Glib::ustring());
}
