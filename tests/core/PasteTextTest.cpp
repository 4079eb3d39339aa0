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
  };
  for (const Case& c : cases) {
    const PastedPuzzle read = readPastedPuzzle(c.text);
    EXPECT_EQ(read.outcome, c.outcome) << c.name;
    EXPECT_EQ(read.digits, c.digits) << c.name;
  }
}

}  // namespace
