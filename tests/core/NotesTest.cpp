// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "grid/GridReader.h"
#include "play/Notes.h"

namespace {

// The rules as the grid reader applies them: digit may stand at cell when
// it repeats nowhere there.
bool fits(std::string grid, int cell, char digit) {
  grid[cell] = digit;
  bool conflicts[kCellCount];
  readGridText(grid.c_str(), nullptr, nullptr, nullptr, conflicts);
  return !conflicts[cell];
}

// On puzzles with notes of every kind: the notes a placed digit leaves
// behind, and the candidates filled in, against the rules.
TEST(NotesTest, TidyingAndCandidatesKeepToTheRules) {
  GridNotes base;
  for (int cell = 0; cell < kCellCount; ++cell) base[cell] = static_cast<CellNotes>(cell * 37 % 512);
  std::ifstream in(std::string(TESSARY_TEST_DATA) + "/puzzles/expert.txt");
  std::string line;
  for (int n = 0; n < 20 && std::getline(in, line); ++n) {
    const std::string grid = line.substr(0, kCellCount);
    const int placed = n * 4 % kCellCount;
    // The placed digit alone on a grid: it repeats exactly in its row, column and box.
    std::string alone(kCellCount, '0');
    alone[placed] = grid[placed] == '0' ? '7' : grid[placed];
    const GridNotes tidied = tidiedNotes(base, alone, placed);
    const GridNotes candidates = candidateNotes(base, grid);
    for (int cell = 0; cell < kCellCount; ++cell) {
      const bool seen = cell != placed && !fits(alone, cell, alone[placed]);
      EXPECT_EQ(tidied[cell], seen ? base[cell] & ~noteOf(alone[placed] - '0') : base[cell]) << grid << " " << cell;
      CellNotes fitting = 0;
      for (int digit = 1; digit <= 9; ++digit) {
        if (fits(grid, cell, static_cast<char>('0' + digit))) fitting |= noteOf(digit);
      }
      EXPECT_EQ(candidates[cell], grid[cell] == '0' ? fitting : base[cell]) << grid << " " << cell;
    }
  }
  const GridNotes toggled = toggledNote(toggledNote(toggledNote(base, 3, 7), 3, 1), 3, 7);
  EXPECT_EQ(noteDigits(withoutNotes(toggled, 3)[3] ^ noteOf(1) ^ noteOf(4) ^ noteOf(7)), "1 4 7");
  EXPECT_EQ(toggled[3], base[3] ^ noteOf(1));
}

}  // namespace
