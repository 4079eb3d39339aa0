// SPDX-License-Identifier: GPL-3.0-or-later
#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "../StreamCapture.h"
#include "solver/DigitMask.h"
#include "solver/LogicRater.h"
#include "solver/SolveGivens.h"

namespace {

// The puzzle with every digit the steps placed.
std::string afterSteps(std::string grid, const std::vector<LogicStep>& steps) {
  for (const LogicStep& step : steps) {
    if (step.cell >= 0) grid[step.cell] = static_cast<char>('1' + step.digit);
  }
  return grid;
}

// A step in brief: its cells, its digits, then "=D" for a placement or
// "-DIGITS CELLS" for what it rules out. Cells as r3c5, digits '1'-'9'.
std::string brief(const LogicStep& step) {
  auto cells = [](TileSet set) {
    std::string text;
    forEachTile(set, [&](uint32_t c) {
      text += (text.empty() ? "r" : ",r") + std::to_string(c / 9 + 1) + "c" + std::to_string(c % 9 + 1);
    });
    return text;
  };
  auto digits = [](unsigned mask) {
    std::string text;
    forEachDigit(mask, [&](int d) { text += static_cast<char>('1' + d); });
    return text;
  };
  std::string text = cells(step.cells) + " " + digits(step.digits);
  if (step.cell >= 0) return text + " =" + static_cast<char>('1' + step.digit);
  return text + " -" + digits(step.ruledOut) + " " + cells(step.ruledOutCells);
}

// What the rater said against Solve: a grid the techniques finish is the one
// Solve shows (so it keeps the rules, and the puzzle had one solution), and
// the rater calls a grid unsolvable exactly when Solve does.
void expectAgreesWithSolve(const std::string& puzzle, Technique rating, const std::vector<LogicStep>& steps) {
  StreamCapture out(std::cout);
  const std::string solved = solvedGrid(puzzle);
  if (rating == Technique::Conflict) return;  // Solve never sees such a grid
  EXPECT_EQ(rating == Technique::NoSolution, solved.empty()) << puzzle << " rated " << techniqueWord(rating);
  if (rating < Technique::Search) {
    EXPECT_EQ(afterSteps(puzzle, steps), solved) << puzzle;
  }
}

TEST(LogicRaterTest, RatesEachTechniqueByItsFirstUse) {
  const struct {
    const char* source;
    std::string puzzle;
    Technique rating;
    std::string firstUse;  // the first step with the rating's technique, in brief
  } cases[] = {
      {"simple.txt:1", "006000943407008005005006000000060007000000029000800430060003000300020700709504080",
       Technique::NakedSingle, "r9c5 1 =1"},
      {"easy.txt:1", "051040000000006009040230005714000000020007000096500001007301000000000200030604010",
       Technique::HiddenSingle, "r2c5 5 =5"},
      {"intermediate.txt:1", "000008000005310700340000006000700200450006000008420000800107000000502000070080040",
       Technique::LockedCandidates, "r6c7,r6c8,r6c9 5 -5 r6c6"},
      {"intermediate.txt:5", "050010360006020800001003000005180406007600030800300570020054000000000000040000005",
       Technique::NakedPair, "r7c4,r7c8 89 -89 r7c3,r7c7,r7c9"},
      {"intermediate.txt:7", "000000600000900203060300080890003060000409000700001094000060870010000002000200400",
       Technique::HiddenPair, "r5c1,r5c3 16 -35 r5c1,r5c3"},
      {"expert.txt:354", "340000000000040000002000607490005000000800400000076350086020000000000700024503000",
       Technique::NakedTriple, "r8c1,r8c3,r8c4 159 -159 r8c5,r8c6,r8c8,r8c9"},
      {"expert.txt:216", "000000580000093000000000002026005000300100078800000000090508037000926000080001050",
       Technique::HiddenTriple, "r2c1,r2c3,r2c4 258 -167 r2c1,r2c3,r2c4"},
      // Made by qqwing --generate --difficulty expert: the first of 300 that needs an X-wing.
      {"qqwing", "000600030000004706080020005000007000009000020570430900000905068000000400200040073", Technique::XWing,
       "r6c3,r6c6,r9c3,r9c6 6 -6 r3c3,r4c3,r5c6,r8c3"},
      {"expert.txt:308", "060000050003100274004000000001000040070090060400023001600040100000719000007306000",
       Technique::Swordfish, "r3c2,r3c4,r3c6,r6c2,r6c4,r7c2,r7c4,r7c6 5 -5 r2c2,r2c6,r4c2"},
      {"expert.txt:3", "040605000600000802087209300003070040200000089000000200070000000900000006400300007",
       Technique::XYWing, "r7c3,r7c6,r8c5 456 -5 r8c3"},
      {"generated-hard.txt:1", "017200000009600010000000096000000500000905000003000000940000000020003900000009240",
       Technique::Search, ""},
      // Made: row 9 lacks a 2 that column 9 already holds.
      {"made", "034678912" + std::string(63, '0') + "143769850", Technique::NoSolution, ""},
      {"made", "55" + std::string(79, '0'), Technique::Conflict, ""},
  };
  for (const auto& c : cases) {
    std::vector<LogicStep> steps;
    const Rating rating = rateGrid(c.puzzle.c_str(), &steps);
    EXPECT_EQ(techniqueWord(rating.technique), std::string(techniqueWord(c.rating))) << c.source;
    EXPECT_EQ(rating.steps, static_cast<int>(steps.size())) << c.source;
    std::string firstUse;
    for (const LogicStep& step : steps) {
      if (step.technique == c.rating) {
        firstUse = brief(step);
        break;
      }
    }
    EXPECT_EQ(firstUse, c.firstUse) << c.source;
    expectAgreesWithSolve(c.puzzle, rating.technique, steps);
  }
}

TEST(LogicRaterTest, AgreesWithSolveOnEveryPuzzleSet) {
  const std::string dir = std::string(TESSARY_TEST_DATA) + "/puzzles/";
  DIR* folder = opendir(dir.c_str());
  ASSERT_NE(folder, nullptr) << dir;
  int puzzles = 0;
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    // That grid takes Solve a long search to refute; the table has a grid without solution.
    if (name.size() < 4 || name.substr(name.size() - 4) != ".txt" || name == "no-solution-hard.txt") continue;
    std::ifstream in(dir + name);
    for (std::string line; std::getline(in, line); ++puzzles) {
      std::vector<LogicStep> steps;
      const std::string puzzle = line.substr(0, 81);
      expectAgreesWithSolve(puzzle, rateGrid(puzzle.c_str(), &steps).technique, steps);
    }
  }
  closedir(folder);
  EXPECT_GT(puzzles, 3000);
}

}  // namespace
