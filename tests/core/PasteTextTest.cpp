// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "files/PasteText.h"

namespace {

// A puzzle with one solution, as a puzzle string.
const std::string kPuzzle =
    "400000805030000000000700000020000060000080400000010000000603070500200000104000000";

// The same puzzle as a text file draws it, its rows of boxes ruled off.
const std::string kDrawn = "+---+---+---+\n| 4 . . | . . . | 8 . 5 |\n+===+===+===+\r\n" + kPuzzle.substr(9);

// A puzzle string's rows, one a line, each cell followed by gap.
std::string rows(const std::string& puzzle, const std::string& gap) {
  std::string text;
  for (std::size_t at = 0; at < puzzle.size(); ++at) text += puzzle[at] + (at % 9 == 8 ? "\n" : gap);
  return text;
}

struct Case {
  const char* name;
  std::string text;
  PastedPuzzle::Outcome outcome;
  std::string digits;  // the puzzle string read, for a puzzle
};

TEST(PasteTextTest, ReadsPuzzlesAndRefusesEverythingElse) {
  std::string repeated = kPuzzle;
  repeated[1] = '4';
  std::string starred = "\t" + kPuzzle + "\n";
  starred[3] = '*';
  starred[4] = '_';
  std::string crossed = rows(kPuzzle, "");
  for (char& c : crossed) c = c == '0' ? 'x' : c;
  crossed[1] = 'X';
  const Case cases[] = {
      {"dots", "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
       PastedPuzzle::Givens, kPuzzle},
      {"zeros, line end", kPuzzle + "\n", PastedPuzzle::Givens, kPuzzle},
      {"stars, underscores, tab", starred, PastedPuzzle::Givens, kPuzzle},
      {"drawn grid", kDrawn, PastedPuzzle::Givens, kPuzzle},
      {"repeats", repeated, PastedPuzzle::Repeats, repeated},
      {"empty", "", PastedPuzzle::None, ""},
      {"too few", kPuzzle.substr(0, 80), PastedPuzzle::None, ""},
      {"too many", kPuzzle + "0", PastedPuzzle::None, ""},
      {"letters", "Puzzle: " + kPuzzle, PastedPuzzle::None, ""},
      {"not UTF-8", kPuzzle.substr(0, 80) + "\xff", PastedPuzzle::None, ""},
      {"commas", rows(kPuzzle, ","), PastedPuzzle::Givens, kPuzzle},
      {"x and X", crossed, PastedPuzzle::Givens, kPuzzle},
      {"box drawing", "\u2554\u2550\u2564\u2557\n" + rows(kPuzzle, "\u2502") + "\u255a\u2550\u2567\u255d",
       PastedPuzzle::Givens, kPuzzle},
      {"title with digits", "Daily Sudoku #142, 11 December 2026\n\n" + rows(kPuzzle, " "), PastedPuzzle::Givens,
       kPuzzle},
      {"more than 81 cells", "1-2\n+---+---+\n" + rows(kPuzzle, "") + "\n" + rows(repeated, ""),
       PastedPuzzle::Givens, kPuzzle},
      {"a word among the rows", "Sudoku\n" + rows(kPuzzle, "").insert(40, "Row 5\n"), PastedPuzzle::None, ""},
      {"a long row", "Sudoku\n" + kPuzzle.substr(0, 10) + "\n" + rows(kPuzzle, "").substr(10), PastedPuzzle::None,
       ""},
  };
  for (const Case& c : cases) {
    const PastedPuzzle read = readPastedPuzzle(c.text);
    EXPECT_EQ(read.outcome, c.outcome) << c.name;
    EXPECT_EQ(read.digits, c.digits) << c.name;
  }
}

}  // namespace
