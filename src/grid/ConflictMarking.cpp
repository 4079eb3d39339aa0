// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/CellColours.h"
#include "grid/GridReader.h"
#include "shell/App.h"

namespace {

// The first byte of a cell's text: a digit '1'-'9' is its own byte, and the
// first byte of any other character, multi-byte ones included, is not.
bool holdsDigit(const Glib::ustring& text) {
  if (text.empty()) return false;
  const char first = text.raw()[0];
  return first >= '1' && first <= '9';
}

// Marks a cell in the conflict colour or returns it to the theme's.
void paint(Gtk::Entry& cell, bool conflict, const Gdk::Color& colour) {
  setColour(cell, CellColour::Base, conflict ? &colour : nullptr);
}

}  // namespace

void App::cellChanged() {
  if (updating) return;
  // Emptying a cell raises its changed signal and runs this handler once
  // more, nested; that run finds nothing left to empty (setting an empty
  // text again raises nothing) and the grid ends as after a single run.
  for (Gtk::Entry* cell : cells) {
    if (!holdsDigit(cell->get_text())) cell->set_text(Glib::ustring());
  }
  // Only the colouring of the grid is wanted here.
  readGrid(nullptr, nullptr, nullptr);
  recordChange(true);
}

int App::readGrid(Placement* placements, unsigned char* used, unsigned char* shown) {
  // Anything but '1'-'9' reads as an empty cell, so a text the filter has
  // not seen (one written while updating was raised) cannot index a table.
  char grid[kCellCount];
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      const Glib::ustring text = cellAt(row, col).get_text();
      grid[row * 9 + col] = holdsDigit(text) ? text.raw()[0] : '0';
    }
  }
  bool conflicts[kCellCount];
  const int result = readGridText(grid, placements, used, shown, conflicts);
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) paint(cellAt(row, col), conflicts[row * 9 + col], conflictColor);
  }
  return result;
}
