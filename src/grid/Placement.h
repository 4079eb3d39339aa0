// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// One digit in one cell, as the filler, the grid reader, the Solve command
// and the display routine exchange it. Cells are row-major (row*9 + col),
// digits are 0-8 and shown as '1'-'9'. Users prepare every record with
// cell -1, meaning "no cell".
struct Placement {
  int32_t value;  // the digit, 0-8
  int32_t tries;  // digits tried by the filler; 0 for a read digit; a move's currentTry
  int32_t cell;   // 0-80, or -1 for no cell
  int32_t row;
  int32_t col;
  int32_t box;
};

// UsedTables: 243 flags, 1 when a digit already stands in a unit, at
// unit*9 + value; rows first, then columns, then boxes. Callers hand it in
// all zero.
constexpr int kUsedTablesSize = 243;
constexpr int kColumnFlags = 81;
constexpr int kBoxFlags = 162;

// The shown mask: one byte per cell, row-major; nonzero marks a given.
constexpr int kCellCount = 81;

inline int boxOf(int row, int col) { return row / 3 * 3 + col / 3; }
