// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/GridReader.h"

int readGridText(const char* grid, Placement* placements, unsigned char* used, unsigned char* shown,
                 bool* conflicts) {
  // The flags are needed to find repeats, wanted or not.
  unsigned char ownUsed[kUsedTablesSize] = {};
  if (!used) used = ownUsed;
  // holder[f] is the latest cell that set flag f of used. A flag that was
  // already set when the caller handed the table in has no holder (-1):
  // it still makes a conflict, but names no cell to mark.
  signed char holder[kUsedTablesSize];
  for (signed char& h : holder) h = -1;
  bool marked[kCellCount] = {};

  int count = 0;
  bool conflict = false;
  for (int cell = 0; cell < kCellCount; ++cell) {
    const char c = grid[cell];
    if (c < '1' || c > '9') continue;
    const int row = cell / 9;
    const int col = cell % 9;
    const int box = boxOf(row, col);
    const int digit = c - '1';
    if (placements) placements[count] = Placement{digit, 0, cell, row, col, box};

    // The column, the row and the box, in the order the flags are tested.
    const int flags[3] = {kColumnFlags + col * 9 + digit, row * 9 + digit, kBoxFlags + box * 9 + digit};
    for (int flag : flags) {
      if (!used[flag]) continue;
      // A repeat marks this cell and the unit's latest holder of the digit;
      // the holder marked the one before it on its own visit, so three equal
      // digits in a unit are all marked.
      marked[cell] = true;
      if (holder[flag] >= 0) marked[holder[flag]] = true;
      conflict = true;
    }
    for (int flag : flags) {
      used[flag] = 1;
      holder[flag] = static_cast<signed char>(cell);
    }
    if (shown) shown[cell] = 1;
    ++count;
  }

  if (conflicts) {
    for (int cell = 0; cell < kCellCount; ++cell) conflicts[cell] = marked[cell];
  }
  return conflict ? -1 : count;
}
