// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// One digit in one cell, as the filler, the grid reader, the Solve command
// and the display routine exchange it. Cells are row-major (row*9 + col),
// digits are 0-8 and shown as '1'-'9'. A record names no cell (cell -1)
// until it is told one, so an array of them starts as an empty grid.
struct Placement {
  int32_t value = 0;  // the digit, 0-8
  int32_t tries = 0;  // digits tried by the filler; 0 for a read digit; a move's currentTry
  int32_t cell = -1;  // 0-80, or -1 for no cell
  int32_t row = 0;
  int32_t col = 0;
  int32_t box = 0;
};
static_assert(sizeof(Placement) == 6 * sizeof(int32_t), "six 32-bit integers, nothing between them");

// UsedTables: 243 flags, 1 when a digit already stands in a unit, at
// unit*9 + value; rows first, then columns, then boxes. Callers hand it in
// all zero.
constexpr int kUsedTablesSize = 243;
constexpr int kColumnFlags = 81;
constexpr int kBoxFlags = 162;

// The shown mask: one byte per cell, row-major; nonzero marks a given.
constexpr int kCellCount = 81;

inline int boxOf(int row, int col) { return row / 3 * 3 + col / 3; }
