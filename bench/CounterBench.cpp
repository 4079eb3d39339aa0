// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the solution counter is, next to tdoku counting the same puzzles
// in the same run, and how long a hint takes on grids without a solution.
//
//   counter_bench PUZZLE_DIR SPARSE_GRIDS
//
// In the process, CPU time of this thread: countSolutions(puzzle, 2)
// against TdokuSolverDpllTriadSimd(puzzle, 2, ...), both stopping at the
// second solution as tessary-cli count does. A puzzle set is timed whole,
// ours and tdoku's runs taking turns, fastest of at least five runs of
// each; a single grid is repeated until a run lasts 20 ms. The ratio is ours
// over tdoku's: below 2 meets the counter's goal. tdoku is compiled from its
// sources when the build finds them (bench/CMakeLists.txt); without them its
// columns stay empty. SPARSE_GRIDS holds grids without a solution that
// once kept the hint and the counter busy for minutes; each gets its count
// time and one hint's time, which must stay far below 0.2 s; last comes
// the hint on a grid where it waits for Solve's search as long as it may.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "play/Hint.h"
#include "solver/SolutionCounter.h"

#ifdef HAVE_TDOKU
#include "tdoku.h"
#endif

namespace {

constexpr int kMinRuns = 5;
constexpr double kMinRunMs = 20;
constexpr double kSetBudgetMs = 500;

double threadMillis() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Calls count once for each puzzle, repeats times; the CPU time in ms.
double timeRun(const std::vector<std::string>& puzzles, int repeats,
               const std::function<uint64_t(const std::string&)>& count) {
  uint64_t sink = 0;
  const double begin = threadMillis();
  for (int r = 0; r < repeats; ++r) {
    for (const std::string& puzzle : puzzles) sink += count(puzzle);
  }
  const double ms = threadMillis() - begin;
  // Keeps the calls from being dropped as unused.
  if (sink == UINT64_MAX) std::printf(" ");
  return ms;
}

uint64_t ours(const std::string& puzzle) { return countSolutions(puzzle.c_str(), 2); }

#ifdef HAVE_TDOKU
// tdoku reads only '.' as an empty cell.
std::vector<std::string> forTdoku(std::vector<std::string> puzzles) {
  for (std::string& puzzle : puzzles) {
    for (char& c : puzzle) {
      if (c < '1' || c > '9') c = '.';
    }
  }
  return puzzles;
}

uint64_t tdoku(const std::string& puzzle) {
  char solution[82];
  size_t guesses = 0;
  return TdokuSolverDpllTriadSimd(puzzle.c_str(), 2, 0, solution, &guesses);
}
#endif

struct Pair {
  double ours = -1;
  double peer = -1;
};

// Microseconds per puzzle on each side, runs taking turns: enough repeats
// that a run lasts kMinRunMs, the fastest of at least kMinRuns runs.
Pair timeBoth(const std::vector<std::string>& puzzles) {
  int repeats = 1;
  while (timeRun(puzzles, repeats, ours) < kMinRunMs && repeats < (1 << 20)) repeats *= 2;
#ifdef HAVE_TDOKU
  const std::vector<std::string> peerPuzzles = forTdoku(puzzles);
#endif
  Pair best{1e300, 1e300};
  double spent = 0;
  for (int run = 0; run < kMinRuns || spent < kSetBudgetMs; ++run) {
    const double ms = timeRun(puzzles, repeats, ours);
    best.ours = std::min(best.ours, ms);
    spent += ms;
#ifdef HAVE_TDOKU
    best.peer = std::min(best.peer, timeRun(peerPuzzles, repeats, tdoku));
#endif
    if (run >= 50) break;
  }
  const double perPuzzle = 1e3 / (static_cast<double>(repeats) * puzzles.size());
  best.ours *= perPuzzle;
#ifdef HAVE_TDOKU
  best.peer *= perPuzzle;
#else
  best.peer = -1;
#endif
  return best;
}

void printPair(const Pair& pair) {
  std::printf(" %10.3f", pair.ours);
  if (pair.peer > 0) {
    std::printf(" %10.3f %6.2f", pair.peer, pair.ours / pair.peer);
  } else {
    std::printf(" %10s %6s", "-", "-");
  }
}

// The slowest of three hints on the grid's first empty cell, in ms.
double hintMillis(const std::string& grid) {
  const int cell = static_cast<int>(std::find_if(grid.begin(), grid.end(), [](char c) { return c < '1' || c > '9'; }) -
                                    grid.begin());
  double slowest = 0;
  for (int run = 0; run < 3; ++run) {
    const Clock::time_point begin = Clock::now();
    findHint(grid, cell % 81);
    slowest = std::max(slowest, millisSince(begin));
  }
  return slowest;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: counter_bench PUZZLE_DIR SPARSE_GRIDS\n");
    return 2;
  }
  const std::string dir = argv[1];
  std::printf("counter: countSolutions(puzzle, 2) beside tdoku's TdokuSolverDpllTriadSimd(puzzle, 2), CPU time\n"
              "in microseconds per puzzle, fastest of at least %d runs taking turns\n",
              kMinRuns);
  std::printf("%-22s %7s %10s %10s %6s\n", "set", "puzzles", "tessary", "tdoku", "ratio");
  double worst = 0;
  for (const std::string& name : puzzleSets(dir)) {
    const std::vector<std::string> puzzles = readLines(dir + "/" + name);
    if (puzzles.empty()) continue;
    const Pair pair = timeBoth(puzzles);
    std::printf("%-22s %7zu", name.c_str(), puzzles.size());
    printPair(pair);
    std::printf("\n");
    if (pair.peer > 0) worst = std::max(worst, pair.ours / pair.peer);
  }
  std::printf("sparse grids without a solution: count (0 expected), its time and tdoku's in microseconds, and\n"
              "the slowest of three hints in milliseconds\n");
  std::printf("%-82s %5s %10s %10s %6s %8s\n", "grid", "count", "tessary", "tdoku", "ratio", "hint ms");
  for (const std::string& grid : readLines(argv[2])) {
    std::printf("%-82s %5llu", grid.c_str(), static_cast<unsigned long long>(countSolutions(grid.c_str(), 2)));
    printPair(timeBoth({grid}));
    std::printf(" %8.3f\n", hintMillis(grid));
  }
  // Several solutions, and Solve's search seconds away from the first: the
  // hint's slowest case, its search given up at the budget.
  const std::string wandering = "000005000000601003000000000010500000000106000300000005730000061000000004000000000";
  std::printf("a hint where Solve's search runs out of its budget: %.1f ms (slowest of three)\n", hintMillis(wandering));
#ifdef HAVE_TDOKU
  std::printf("ratio: ours over tdoku's (below 1: faster than tdoku); worst puzzle set %.2f\n", worst);
#else
  std::printf("tdoku not found when the bench was built (bench/CMakeLists.txt, TDOKU_DIR): its columns are empty\n");
#endif
  return 0;
}
