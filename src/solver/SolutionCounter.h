// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Counts the solutions of a grid, so that a puzzle setter sees whether a
// puzzle is unique and a hint whether a grid can still be completed. A
// search of its own, apart from the Solve command's (that one stops at its
// first solution and its steps are fixed): it places every single before
// each guess, refutes a row, column or box left without a place for a digit
// at once, and narrows where each digit may stand in the bands and stacks
// at the start and whenever a search runs long, so that no grid keeps it
// long.
//
// puzzle: 81 characters, row-major; '1'-'9' is a given digit, anything else
// an empty cell, as the grid reader takes a puzzle line.
// Returns the number of solutions, but at most limit: the search stops once
// it has found that many. A grid on which a digit repeats in a row, column
// or box has none.
uint64_t countSolutions(const char* puzzle, uint64_t limit);

// The same, also writing the first solution found to solution (81 chars
// '1'-'9', row-major, no terminator) when there is one; solution may be
// null. Which solution comes first is fixed for a grid, not chosen.
uint64_t countSolutions(const char* puzzle, uint64_t limit, char* solution);
