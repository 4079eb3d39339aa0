// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How a cell draws its digit, apart from the conflict colour of its
// background, which the grid reader decides. Wrong is a digit Check Digits
// found to differ from the puzzle's one solution.
enum class TextLook { Plain, SameDigit, Solved, Wrong };

// grid: 81 chars, row-major, '1'-'9' a digit and anything else an empty cell.

// True when all 81 cells hold a digit and none repeats in a row, column or
// box: judged by the rules alone, whichever solution the grid is.
bool isSolvedGrid(const std::string& grid);

// The look of every cell (looks: 81, row-major). A solved grid draws every
// digit as solved. Otherwise, with the focus on a cell holding a digit
// (focus 0-80), every cell with that digit is drawn as the same digit;
// focus -1, or on an empty cell, leaves every cell plain.
void textLooks(const std::string& grid, int focus, bool solved, TextLook* looks);
