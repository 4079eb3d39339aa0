// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid/Placement.h"

// Reads a grid into placements and finds its conflicts.
//
// grid: 81 chars, row-major; '1'-'9' is a digit, any other char an empty cell.
// Each output may be null when the caller has no use for it.
// placements: 81 records; one is written per filled cell in reading order
//   (value 0-8, tries 0, cell, row, col, box), packed from index 0. Records
//   past the last filled cell are left as the caller prepared them.
// used: UsedTables, handed in all zero; on return a flag is 1 for every
//   digit that stands in its row, column or box.
// shown: 81-byte mask; set to 1 for every filled cell, never cleared.
// conflicts: 81 bools, row-major; true exactly for the cells whose digit
//   repeats in their row, column or box.
//
// Returns the number of filled cells (0-81), or -1 when any digit repeats.
// Even then every filled cell has been written to placements and shown.
int readGridText(const char* grid, Placement* placements, unsigned char* used, unsigned char* shown,
                 bool* conflicts);
