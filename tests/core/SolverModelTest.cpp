// SPDX-License-Identifier: GPL-3.0-or-later
// The solver against its model (model/ModelSolver), the plain first version
// it was made fast from. For every grid both must refuse the same givens,
// give the same answer, make the same moves in the same order (tile, kind,
// value, currentTry), write the same bytes to standard output, the board
// dumps included, and leave the same board behind: the search tree must not
// change, only what each step costs.
#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "grid/GridReader.h"
#include "model/ModelSolver.h"
#include "solver/SolveGivens.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::kSolution;
using solvertest::stateOf;
using solvertest::StreamCapture;

// The model is slow, and several times slower again under the sanitizers:
// there every kShare-th puzzle and grid is compared.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kShare = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kShare = 4;
#else
constexpr int kShare = 1;
#endif
#else
constexpr int kShare = 1;
#endif

const std::string kPuzzleDir = TESSARY_TEST_DATA "/puzzles";
// The one set the model needs minutes for; its output was recorded once
// from the model instead.
const std::string kHardSet = "no-solution-hard.txt";
const std::string kHardOutput = TESSARY_TEST_DATA "/solver/no-solution-hard.out";

// A move list as text, one "tile kind value currentTry" line per move.
template <typename List>
std::string movesText(const List& moves, std::size_t from = 0) {
  std::string text;
  for (std::size_t i = from; i < moves.size(); ++i) {
    text += std::to_string(moves[i].tile) + " " + std::to_string(static_cast<int>(moves[i].kind)) + " " +
            std::to_string(moves[i].value) + " " + std::to_string(moves[i].currentTry) + "\n";
  }
  return text;
}

// The tiles of group g (rows 0-8, columns 9-17, boxes 18-26), in the order
// the hidden-singles rule walks them.
GroupTiles groupTiles(int g) {
  GroupTiles tiles;
  for (uint32_t i = 0; i < 9; ++i) {
    if (g < 9) {
      tiles[i] = g * 9 + i;
    } else if (g < 18) {
      tiles[i] = (g - 9) + i * 9;
    } else {
      tiles[i] = (g - 18) / 3 * 27 + (g - 18) % 3 * 3 + i / 3 * 9 + i % 3;
    }
  }
  return tiles;
}
GroupTiles groupFor(const Board&, int g) { return groupTiles(g); }
std::vector<uint32_t> groupFor(const model::Board&, int g) {
  const GroupTiles tiles = groupTiles(g);
  return std::vector<uint32_t>(tiles.begin(), tiles.end());
}

// One grid through a solver as the Solve command takes it: each digit set
// on a new board in tile order (a repeated digit is refused), then Solve.
struct Outcome {
  std::string sets;  // '1' or '0' for each digit of the grid, as Set answered
  bool solved = false;
  std::string moves;  // read only after a solve: they are unspecified otherwise
  std::string output;
  std::string board;
};

template <typename BoardType, typename List>
Outcome solveWith(const std::string& grid) {
  BoardType board;
  Outcome outcome;
  for (uint32_t tile = 0; tile < 81; ++tile) {
    const char c = grid[tile];
    if (c >= '1' && c <= '9') outcome.sets += board.Set(tile, c - '1') ? '1' : '0';
  }
  List moves;
  {
    StreamCapture out(std::cout);
    outcome.solved = board.Solve(moves);
    outcome.output = out.text();
  }
  if (outcome.solved) outcome.moves = movesText(moves);
  outcome.board = stateOf(board);
  return outcome;
}

// Where two long texts part, with a little of each, or "" if they agree.
std::string difference(const std::string& ours, const std::string& model) {
  if (ours == model) return "";
  const auto at = std::mismatch(ours.begin(), ours.end(), model.begin(), model.end());
  const std::size_t i = static_cast<std::size_t>(at.first - ours.begin());
  const std::size_t from = i < 120 ? 0 : i - 120;
  return "they part at byte " + std::to_string(i) + " (lengths " + std::to_string(ours.size()) + " and " +
         std::to_string(model.size()) + ")\n--- solver:\n" + ours.substr(from, 240) + "\n--- model:\n" +
         model.substr(from, 240);
}

// Compares one grid; *same tells whether everything agreed. Returns what
// the model did.
Outcome compareOne(const std::string& grid, bool* same) {
  const Outcome ours = solveWith<Board, MoveList>(grid);
  const Outcome model = solveWith<model::Board, model::MoveList>(grid);
  EXPECT_EQ(ours.sets, model.sets) << grid;
  EXPECT_EQ(ours.solved, model.solved) << grid;
  EXPECT_EQ(difference(ours.moves, model.moves), "") << "moves of " << grid;
  EXPECT_EQ(difference(ours.output, model.output), "") << "standard output of " << grid;
  EXPECT_EQ(difference(ours.board, model.board), "") << "board after solving " << grid;
  *same = ours.sets == model.sets && ours.solved == model.solved && ours.moves == model.moves &&
          ours.output == model.output && ours.board == model.board;
  return model;
}

// Counts of what a batch of grids gave, so that each batch can show it
// reached the cases it is meant for. (Few random grids make the search
// print a board; the puzzle sets and the hard set cover the dumps.)
struct Tally {
  int solved = 0;
  int unsolved = 0;
  int refused = 0;  // grids with a given that Set refused
};

// Compares the grids, stopping at the first few that disagree.
Tally compareAll(const std::vector<std::string>& grids) {
  Tally tally;
  int failures = 0;
  for (const std::string& grid : grids) {
    bool same = true;
    const Outcome model = compareOne(grid, &same);
    if (!same && ++failures == 3) {
      ADD_FAILURE() << "stopping after three grids that disagree";
      break;
    }
    (model.solved ? tally.solved : tally.unsolved)++;
    tally.refused += model.sets.find('0') != std::string::npos;
  }
  return tally;
}

std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() == 81) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> puzzleSets() {
  std::vector<std::string> names;
  if (DIR* dir = opendir(kPuzzleDir.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0 && name != kHardSet) {
        names.push_back(name);
      }
    }
    closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class SolverModelSetTest : public ::testing::TestWithParam<std::string> {};

TEST_P(SolverModelSetTest, SolvesEveryPuzzleAsTheModelDoes) {
  const std::vector<std::string> lines = readLines(kPuzzleDir + "/" + GetParam());
  ASSERT_FALSE(lines.empty()) << GetParam();
  std::vector<std::string> share;
  for (std::size_t i = 0; i < lines.size(); i += kShare) share.push_back(lines[i]);
  compareAll(share);
}

INSTANTIATE_TEST_SUITE_P(PuzzleSets, SolverModelSetTest, ::testing::ValuesIn(puzzleSets()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param.substr(0, info.param.size() - 4);
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(SolverModelTest, PuzzleSetsAreThere) {
  // Without them the parameterised tests above would silently be none.
  EXPECT_GE(puzzleSets().size(), 5u) << kPuzzleDir;
}

// The hard set against the model's output, recorded once with
// "tessary-cli solve --moves" from the model: the Solve command's output
// (hundreds of board dumps, "NOT SOLVEABLE!" and the grid) and the command
// line's result line.
TEST(SolverModelTest, NoSolutionHardWritesWhatTheModelWrote) {
  const std::vector<std::string> lines = readLines(kPuzzleDir + "/" + kHardSet);
  ASSERT_EQ(lines.size(), 1u);
  std::ifstream in(kHardOutput, std::ios::binary);
  const std::string recorded((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string resultLine = "unsolvable\n";
  ASSERT_GT(recorded.size(), resultLine.size()) << kHardOutput;
  ASSERT_EQ(recorded.substr(recorded.size() - resultLine.size()), resultLine);

  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(lines[0].c_str(), placements, used, shown, nullptr);
  ASSERT_GE(top, 0);
  MoveList moves;
  StreamCapture out(std::cout);
  EXPECT_FALSE(solveGivens(placements, top, shown, moves));
  EXPECT_EQ(difference(out.text(), recorded.substr(0, recorded.size() - resultLine.size())), "");
}

// A random complete grid: the known solution with its digits relabelled,
// its bands, stacks, and the rows and columns within them shuffled, and
// perhaps transposed. Each of these keeps a solution a solution.
std::string randomSolution(std::mt19937& random) {
  std::string digits = "123456789";
  std::shuffle(digits.begin(), digits.end(), random);
  auto order = [&random]() {
    int bands[3] = {0, 1, 2};
    std::shuffle(bands, bands + 3, random);
    std::vector<int> lines;
    for (int band : bands) {
      int within[3] = {0, 1, 2};
      std::shuffle(within, within + 3, random);
      for (int w : within) lines.push_back(band * 3 + w);
    }
    return lines;
  };
  const std::vector<int> rows = order();
  const std::vector<int> cols = order();
  const bool transpose = random() % 2 == 0;
  std::string grid(81, '0');
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int from = transpose ? cols[c] * 9 + rows[r] : rows[r] * 9 + cols[c];
      grid[r * 9 + c] = digits[kSolution[from] - '1'];
    }
  }
  return grid;
}

bool repeatsNothing(const std::string& grid) {
  for (int a = 0; a < 81; ++a) {
    if (grid[a] == '0') continue;
    for (int b = a + 1; b < 81; ++b) {
      const bool peers = a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3);
      if (peers && grid[a] == grid[b]) return false;
    }
  }
  return true;
}

// The grid with all but keep of its digits, chosen at random, taken away.
std::string thinned(std::string grid, int keep, std::mt19937& random) {
  std::vector<int> cells(81);
  for (int c = 0; c < 81; ++c) cells[c] = c;
  std::shuffle(cells.begin(), cells.end(), random);
  for (int c = keep; c < 81; ++c) grid[cells[c]] = '0';
  return grid;
}

class SolverModelRandomTest : public ::testing::Test {
 protected:
  std::mt19937 random{20241209};
};

TEST_F(SolverModelRandomTest, SparseScatteredGrids) {
  // Random digits on random tiles without repeats: from many solutions to
  // none, with long searches that print boards while backtracking.
  std::vector<std::string> grids;
  for (int i = 0; i < 800 / kShare; ++i) {
    const int wanted = 1 + static_cast<int>(random() % 30);
    std::string grid(81, '0');
    for (int placed = 0, attempts = 0; placed < wanted && attempts < 500; ++attempts) {
      const int cell = static_cast<int>(random() % 81);
      if (grid[cell] != '0') continue;
      grid[cell] = static_cast<char>('1' + random() % 9);
      if (repeatsNothing(grid)) {
        ++placed;
      } else {
        grid[cell] = '0';
      }
    }
    grids.push_back(grid);
  }
  const Tally tally = compareAll(grids);
  EXPECT_GT(tally.solved, 100 / kShare);
  EXPECT_GT(tally.unsolved, 100 / kShare);
}

TEST_F(SolverModelRandomTest, ThinnedSolutions) {
  // Solvable grids, from nearly empty to nearly full, the full and the
  // empty grid among them.
  std::vector<std::string> grids = {kSolution, std::string(81, '0')};
  for (int i = 0; i < 1200 / kShare; ++i) {
    grids.push_back(thinned(randomSolution(random), static_cast<int>(random() % 82), random));
  }
  const Tally tally = compareAll(grids);
  EXPECT_EQ(tally.unsolved, 0);
}

TEST_F(SolverModelRandomTest, DenseGridsWithWrongDigits) {
  // Part of a solution with one to three givens changed to digits that
  // repeat nothing: mostly without a solution, refuted after a search.
  std::vector<std::string> grids;
  for (int i = 0; i < 1200 / kShare; ++i) {
    std::string grid = thinned(randomSolution(random), 20 + static_cast<int>(random() % 50), random);
    const int changes = 1 + static_cast<int>(random() % 3);
    for (int changed = 0, attempts = 0; changed < changes && attempts < 100; ++attempts) {
      const int cell = static_cast<int>(random() % 81);
      if (grid[cell] == '0') continue;
      const char old = grid[cell];
      grid[cell] = static_cast<char>('1' + random() % 9);
      if (grid[cell] != old && repeatsNothing(grid)) {
        ++changed;
      } else {
        grid[cell] = old;
      }
    }
    grids.push_back(grid);
  }
  const Tally tally = compareAll(grids);
  EXPECT_GT(tally.unsolved, 300 / kShare);
  EXPECT_GT(tally.solved, 10 / kShare);
}

TEST_F(SolverModelRandomTest, GridsWithRepeatedDigits) {
  // Digits typed anywhere, repeats included: both boards must refuse the
  // same givens and then solve what they kept.
  std::vector<std::string> grids;
  for (int i = 0; i < 400 / kShare; ++i) {
    std::string grid(81, '0');
    const int typed = 5 + static_cast<int>(random() % 30);
    for (int t = 0; t < typed; ++t) grid[random() % 81] = static_cast<char>('1' + random() % 9);
    grids.push_back(grid);
  }
  const Tally tally = compareAll(grids);
  EXPECT_GT(tally.refused, 100 / kShare);
}

// A board reached by random Set and Unset calls, the same on both sides;
// many are contradictory.
template <typename BoardType>
BoardType randomBoard(uint32_t seed) {
  std::mt19937 random(seed);
  BoardType board;
  const int steps = static_cast<int>(random() % 90);
  for (int step = 0; step < steps; ++step) {
    const uint32_t tile = random() % 81;
    if (random() % 5 == 0) {
      board.Unset(tile);
    } else {
      board.Set(tile, static_cast<int32_t>(random() % 9));
    }
  }
  return board;
}

TEST(SolverModelTest, SetUnsetAndSolveableAsTheModel) {
  // Out-of-range tiles and digits (now and then any 32-bit number),
  // refusals and contradictions included; after every step the boards and
  // their consistency agree.
  std::mt19937 random(77);
  for (int round = 0; round < 60; ++round) {
    Board ours;
    model::Board model;
    for (int step = 0; step < 200; ++step) {
      const uint32_t tile = random() % 20 == 0 ? static_cast<uint32_t>(random()) : random() % 86;
      if (random() % 4 == 0) {
        ASSERT_EQ(ours.Unset(tile), model.Unset(tile)) << "Unset(" << tile << ")";
      } else {
        const int32_t value =
            random() % 20 == 0 ? static_cast<int32_t>(random()) : static_cast<int32_t>(random() % 11) - 1;
        ASSERT_EQ(ours.Set(tile, value), model.Set(tile, value)) << "Set(" << tile << ", " << value << ")";
      }
      ASSERT_EQ(stateOf(ours), stateOf(model)) << "round " << round << " step " << step;
      ASSERT_EQ(ours.Solveable(), model.Solveable()) << "round " << round << " step " << step;
    }
  }
}

TEST(SolverModelTest, RulesAsTheModelOnAnyBoard) {
  // Each rule on its own, on boards consistent or not: the same answer, the
  // same moves, the same board. A rule is called as rule(board, moves, g)
  // on copies of both boards; returns whether the model's placed anything.
  int contradictory = 0;
  int placedSingles = 0;
  int placedHidden = 0;
  for (uint32_t seed = 0; seed < 600 / kShare; ++seed) {
    const Board start = randomBoard<Board>(seed);
    const model::Board modelStart = randomBoard<model::Board>(seed);
    ASSERT_EQ(stateOf(start), stateOf(modelStart));
    contradictory += !modelStart.Solveable();
    auto compare = [&](const char* name, int g, auto rule) {
      Board ours = start;
      model::Board model = modelStart;
      MoveList moves;
      model::MoveList modelMoves;
      const bool placed = rule(model, modelMoves, g);
      EXPECT_EQ(rule(ours, moves, g), placed) << name << ", seed " << seed << " group " << g;
      EXPECT_EQ(movesText(moves), movesText(modelMoves)) << name << ", seed " << seed << " group " << g;
      EXPECT_EQ(stateOf(ours), stateOf(model)) << name << ", seed " << seed << " group " << g;
      EXPECT_EQ(ours.Solveable(), model.Solveable()) << name << ", seed " << seed << " group " << g;
      return placed;
    };
    placedSingles += compare("FindSingles", 0, [](auto& board, auto& moves, int) { return board.FindSingles(moves); });
    placedHidden +=
        compare("FindHiddenSingles", 0, [](auto& board, auto& moves, int) { return board.FindHiddenSingles(moves); });
    for (int g = 0; g < 27; ++g) {
      compare("FillOptions", g, [](auto& board, auto& moves, int group) {
        return board.FillOptions(moves, groupFor(board, group));
      });
    }
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_GT(contradictory, 50 / kShare);
  EXPECT_GT(placedSingles, 50 / kShare);
  EXPECT_GT(placedHidden, 50 / kShare);
}

}  // namespace
