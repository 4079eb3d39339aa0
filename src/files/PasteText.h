// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A puzzle as text from elsewhere (a web page, a forum post, a text file)
// gives it: a line like "4.....8.5.3....." or a grid drawn with "+---+" rows.
struct PastedPuzzle {
  enum Outcome {
    None,     // the text is no puzzle; the grid must stay as it is
    Givens,   // 81 cells whose digits are the givens
    Repeats,  // 81 cells, but a digit repeats in a row, column or box
  };
  Outcome outcome = None;
  std::string digits;  // with Givens or Repeats: the puzzle string, '0' for an empty cell
};

// Reads text, any bytes, cell by cell in reading order: '1'-'9' is a given,
// '0', '.', '_' and '*' an empty cell; blanks, line ends and the drawing
// characters '|', '+', '-' and '=' are skipped. Any other byte, or a number
// of cells other than 81, makes it no puzzle. Stops reading at the 82nd
// cell, so a text of any size costs no more than its first cells.
PastedPuzzle readPastedPuzzle(const std::string& text);
