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
// '0', '.', '_', '*', 'x' and 'X' an empty cell; blanks, line ends, the
// drawing characters '|', '+', '-', '=' and ',' and the box-drawing
// characters U+2500 to U+257F are skipped. A text of 81 cells and nothing
// else is that puzzle. Any other text (a title above the grid, a solution
// below it, words around it) gives the first nine lines of nine cells each,
// and nothing else, that follow one another with at most lines of layout
// alone between them; a text without such lines is no puzzle. Costs one
// pass over the text whatever its size.
PastedPuzzle readPastedPuzzle(const std::string& text);
