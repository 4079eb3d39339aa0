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
// Solve shows (so it keeps the rules, and the puzzle had one solution), the
// rater calls a grid unsolvable exactly when Solve does, and no step of a
// grid it leaves to search rules out a digit of Solve's solution.
void expectAgreesWithSolve(const std::string& puzzle, Technique rating, const std::vector<LogicStep>& steps) {
  StreamCapture out(std::cout);
  const std::string solved = solvedGrid(puzzle);
  if (rating == Technique::Conflict) return;  // Solve never sees such a grid
  EXPECT_EQ(rating == Technique::NoSolution, solved.empty()) << puzzle << " rated " << techniqueWord(rating);
  if (rating < Technique::Search) {
    EXPECT_EQ(afterSteps(puzzle, steps), solved) << puzzle;
  } else if (rating == Technique::Search) {
    for (const LogicStep& step : steps) {
      if (step.cell >= 0) {
        EXPECT_EQ(solved[step.cell], '1' + step.digit) << puzzle;
      }
      forEachTile(step.ruledOutCells, [&](uint32_t cell) {
        EXPECT_FALSE((step.ruledOut >> (solved[cell] - '1')) & 1u) << puzzle << " " << techniqueWord(step.technique);
      });
    }
  }
}

TEST(LogicRaterTest, RatesEachTechniqueByItsFirstUse) {
  const struct {
    const char* source;
    std::string puzzle;
    Technique rating;
    std::string firstUse;  // the first step with the rating's technique, in brief
    Technique technique = rating;  // the technique firstUse shows, when not the rating's
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
      {"expert.txt:4", "000910000008006400000080073000100008400500000009000040060000350004030800010009007",
       Technique::XYZWing, "r4c7,r5c3,r5c7 167 -6 r5c9"},
      {"expert.txt:20", "050901700008060050700000000600050002000030005002180000810006000906810300000003600",
       Technique::UniqueRectangle, "r4c6,r4c7,r6c6,r6c7 49 -49 r4c7"},
      {"expert.txt:27", "000380100000000004902501800059032000080950000000000000020403000130065090008000400",
       Technique::AlternatingChain, "r6c2,r6c3,r6c4,r6c5 1467 -1467 r6c7,r6c8,r6c9", Technique::NakedQuad},
      {"expert.txt:9", "040000000000125000000007002700310050080000000534000060006004015003600408050070300",
       Technique::ForcingChain, "r1c4,r1c5,r1c8,r1c9,r3c5,r3c8,r6c5,r6c9,r9c4,r9c8 9 -9 r3c3,r3c7,r6c6,r6c7,r9c3,r9c6",
       Technique::Jellyfish},
      {"expert.txt:434", "200000300048010020701500000500000200000000908000000043030000080000409000800703501",
       Technique::XYChain, "r4c5,r4c6,r6c5,r6c6 4589 -1267 r4c6,r6c5,r6c6", Technique::HiddenQuad},
      {"expert.txt:7", "005010000070600800001890000280400050090700020400000790012008900000004007000000500",
       Technique::WWing, "r4c7,r6c9,r7c5,r7c9 36 -3 r4c5"},
      {"expert.txt:5", "000000930000000000480050002370000500900800600000000074004093008052640007003080050",
       Technique::XChain, "r1c2,r4c3,r4c5,r6c2 6 -6 r1c5"},
      {"expert.txt:11", "000000081004089003000003046003610000049000060010000000200060090006000017007002000",
       Technique::XYChain, "r4c7,r6c4,r6c5,r6c9 2489 -8 r4c6,r6c7"},
      {"expert.txt:2", "008902700013078000000000000000804000000020000009031600037000900000060340906000017",
       Technique::AlternatingChain, "r2c1,r2c7,r3c3,r3c7 245 -5 r3c7"},
      {"expert.txt:9", "040000000000125000000007002700310050080000000534000060006004015003600408050070300",
       Technique::ForcingChain, "r3c3 1 -1 r3c3"},
      {"se-rated.txt:638", "500000009000407000042000130008000600076040810005603900000000000000856000900070004",
       Technique::CellForcingChain, "r3c6 1 -1 r7c5"},
      {"se-rated.txt:681", "400006003007350100060001080701000030090030040050000901030500070002069300100400006",
       Technique::UnitForcingChain, "r1c4,r1c5,r1c7 2 -2 r3c5"},
      {"expert.txt:1", "000460070000017000000900600346750009508090000700000000409630510060100040050000000",
       Technique::DynamicForcingChain, "r1c3 1 -1 r1c3"},
      {"hardest.txt:1", "800000000003600000070090200050007000000045700000100030001000068008500010090000400",
       Technique::Search, "r1c4 3 -3 r1c4", Technique::NestedForcingChain},
      {"generated-hard.txt:1", "017200000009600010000000096000000500000905000003000000940000000020003900000009240",
       Technique::Search, "", Technique::Search},
      // Made: row 9 lacks a 2 that column 9 already holds.
      {"made", "034678912" + std::string(63, '0') + "143769850", Technique::NoSolution, "", Technique::NoSolution},
      {"made", "55" + std::string(79, '0'), Technique::Conflict, "", Technique::Conflict},
  };
  for (const auto& c : cases) {
    std::vector<LogicStep> steps;
    const Rating rating = rateGrid(c.puzzle.c_str(), &steps);
    EXPECT_EQ(techniqueWord(rating.technique), std::string(techniqueWord(c.rating))) << c.source;
    EXPECT_EQ(rating.steps, static_cast<int>(steps.size())) << c.source;
    std::string firstUse;
    for (const LogicStep& step : steps) {
      if (step.technique == c.technique) {
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
