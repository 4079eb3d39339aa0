// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Notes.h"

#include "grid/Placement.h"

namespace {

bool isDigit(char c) { return c >= '1' && c <= '9'; }

// True when two cells share a row, a column or a box.
bool sees(int a, int b) {
  const int rowA = a / 9, colA = a % 9, rowB = b / 9, colB = b % 9;
  return rowA == rowB || colA == colB || boxOf(rowA, colA) == boxOf(rowB, colB);
}

}  // namespace

GridNotes toggledNote(GridNotes notes, int cell, int digit) {
  notes[cell] ^= noteOf(digit);
  return notes;
}

GridNotes withoutNotes(GridNotes notes, int cell) {
  notes[cell] = 0;
  return notes;
}

GridNotes tidiedNotes(GridNotes notes, const std::string& grid, int cell) {
  if (!isDigit(grid[cell])) return notes;
  const CellNotes placed = noteOf(grid[cell] - '0');
  for (int other = 0; other < kCellCount; ++other) {
    if (other != cell && sees(cell, other)) notes[other] &= static_cast<CellNotes>(~placed);
  }
  return notes;
}

GridNotes candidateNotes(GridNotes notes, const std::string& grid) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (isDigit(grid[cell])) continue;
    CellNotes held = 0;
    for (int other = 0; other < kCellCount; ++other) {
      if (isDigit(grid[other]) && sees(cell, other)) held |= noteOf(grid[other] - '0');
    }
    notes[cell] = static_cast<CellNotes>(kAllNotes & ~held);
  }
  return notes;
}

std::string noteDigits(CellNotes notes) {
  std::string digits;
  for (int digit = 1; digit <= 9; ++digit) {
    if (!(notes & noteOf(digit))) continue;
    if (!digits.empty()) digits += ' ';
    digits += static_cast<char>('0' + digit);
  }
  return digits;
}

CellNotes shownNotes(const GridNotes& notes, const std::string& grid, int cell) {
  return isDigit(grid[cell]) ? 0 : notes[cell];
}
