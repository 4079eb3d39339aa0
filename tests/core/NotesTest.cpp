// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "grid/GridReader.h"
#include "play/Notes.h"

namespace {

// Notes of every kind, a different set in each cell.
GridNotes mixedNotes() {
  GridNotes notes;
  for (int cell = 0; cell < kCellCount; ++cell) notes[cell] = static_cast<CellNotes>(cell * 37 % 512);
  return notes;
}

// The rules as the grid reader applies them: digit may stand at cell when
// putting it there makes it repeat nowhere.
bool fits(std::string grid, int cell, char digit) {
  grid[cell] = digit;
  bool conflicts[kCellCount];
  readGridText(grid.c_str(), nullptr, nullptr, nullptr, conflicts);
  return !conflicts[cell];
}

std::vector<std::string> puzzles(const std::string& file, int count) {
  std::ifstream in(std::string(TESSARY_TEST_DATA) + "/puzzles/" + file);
  std::vector<std::string> read;
  for (std::string line; read.size() < static_cast<std::size_t>(count) && std::getline(in, line);) {
    read.push_back(line.substr(0, kCellCount));
  }
  return read;
}

struct Case {
  std::string what;
  GridNotes got;
  std::function<CellNotes(int cell)> expected;
};

TEST(NotesTest, ToggleClearTidyAndCandidatesKeepToTheRules) {
  const GridNotes base = mixedNotes();
  std::vector<Case> cases = {
      {"5 toggled twice in cell 40", toggledNote(toggledNote(base, 40, 5), 40, 5), [&](int c) { return base[c]; }},
      {"9 toggled in cell 80", toggledNote(base, 80, 9),
       [&](int c) { return static_cast<CellNotes>(c == 80 ? base[c] ^ 0x100 : base[c]); }},
      {"cell 3 cleared", withoutNotes(base, 3), [&](int c) { return c == 3 ? CellNotes{0} : base[c]; }},
  };
  for (int at : {0, 8, 30, 40, 80}) {
    std::string grid(kCellCount, '0');
    grid[at] = '7';
    // The other 7 would repeat the placed one exactly in its row, column and box.
    cases.push_back({"7 placed at " + std::to_string(at), tidiedNotes(base, grid, at), [=](int c) {
                       const bool seen = c != at && !fits(grid, c, '7');
                       return static_cast<CellNotes>(seen ? base[c] & ~noteOf(7) : base[c]);
                     }});
  }
  for (const std::string& grid : puzzles("expert.txt", 20)) {
    cases.push_back({"candidates of " + grid, candidateNotes(base, grid), [=](int c) {
                       if (grid[c] != '0') return base[c];
                       CellNotes fitting = 0;
                       for (int d = 1; d <= 9; ++d) {
                         if (fits(grid, c, static_cast<char>('0' + d))) fitting |= noteOf(d);
                       }
                       return fitting;
                     }});
  }
  for (const Case& test : cases) {
    for (int cell = 0; cell < kCellCount; ++cell) {
      EXPECT_EQ(test.got[cell], test.expected(cell)) << test.what << ", cell " << cell;
    }
  }
  EXPECT_EQ(noteDigits(noteOf(1) | noteOf(4) | noteOf(7)), "1 4 7");
}

}  // namespace
