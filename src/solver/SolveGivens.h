// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "grid/Placement.h"
#include "solver/sudoku-solve.h"

// What the Solve command does once the grid has been read without a
// conflict, shared by the Solve button and tessary-cli so that both write
// the same to standard output.
//
// In: placements[0..top) are the digits read from the grid (value 0-8, cell
// 0-80, no digit repeated in a row, column or box), the records from top on
// are the caller's, prepared with cell -1; shown is the reader's mask; moves
// is an empty list.
// Solved (true): the solver's moves are appended as records top..80 (value,
// tries = the move's currentTry, cell, row, col, box), every cell is marked
// in shown, and moves holds the moves in the order they were made.
// Not solvable (false): "NOT SOLVEABLE!" and the dump of the grid as read go
// to standard output; placements and shown are left as they were.
bool solveGivens(Placement* placements, int top, unsigned char* shown, MoveList& moves);

// The grid the Solve command shows for puzzle (81 chars, row-major, '1'-'9'
// a digit, anything else an empty cell), as 81 digits; "" when a digit
// repeats or the puzzle has no solution, which solveGivens then reports on
// standard output.
std::string solvedGrid(const std::string& puzzle);
