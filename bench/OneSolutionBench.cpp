// SPDX-License-Identifier: GPL-3.0-or-later
// How long one puzzle with exactly one solution takes, from its code, at the
// levels 00, 05, 08 and 10, and how many givens it keeps; next to Debian's
// qqwing generating a puzzle in the same run.
//
//   one_solution_bench [SEEDS] [TESSARY_CLI]
//
// Ours twice: the core alone in this process (srand, fillGrid and the
// digging with its uniqueness tests; the fastest of 3 runs per seed, as a
// shared machine may deschedule a single run), and one `tessary-cli generate
// CODE` process per seed. qqwing has no other entry than its program, so it
// is timed as one `qqwing --generate 1` process per puzzle, with half-turn
// symmetry as ours. Process times are CPU times (user and system); the
// ratio is tessary-cli's median over qqwing's: below 1 we are faster.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "generator/GridGenerator.h"
#include "generator/OneSolutionPuzzle.h"
#include "generator/SeedCode.h"

namespace {

constexpr int kSeeds = 200;
const char kOutput[] = "/tmp/one_solution_bench.out";

// Seeds spread over the 32-bit range, as clock seconds and typed codes are.
int seedNumber(int i) { return static_cast<int>(static_cast<unsigned>(i) * 2654435761u); }

std::string givensRange(std::vector<double> givens) {
  std::sort(givens.begin(), givens.end());
  char text[32];
  std::snprintf(text, sizeof text, "%.0f (%.0f-%.0f)", givens[givens.size() / 2], givens.front(), givens.back());
  return text;
}

// The givens of the puzzle in a program's output: the digits of its first
// line that holds 81 cells.
int givensInOutput() {
  std::ifstream in(kOutput);
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() < 81) continue;
    return static_cast<int>(std::count_if(line.begin(), line.begin() + 81, [](char c) { return c >= '1' && c <= '9'; }));
  }
  return -1;
}

// One program per puzzle: CPU milliseconds of each run, and its givens when
// givens is not null.
bool timeProcesses(const std::vector<std::vector<std::string>>& commands, std::vector<double>& millis,
                   std::vector<double>* givens) {
  for (const std::vector<std::string>& command : commands) {
    const ProcessRun run = runProcess(command, "/dev/null", kOutput, 60);
    if (!run.ok) return false;
    millis.push_back(run.cpuMs);
    if (givens) givens->push_back(givensInOutput());
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : kSeeds;
  const std::string cli = argc > 2 ? argv[2] : TESSARY_CLI;
  std::printf("one solution: a puzzle from a one-solution code, %d seeds per level; in-process ms (fastest of 3\n"
              "runs per seed), and one process per puzzle in CPU ms beside qqwing --generate 1 --symmetry rotate180\n",
              seeds);
  std::printf("%-20s %9s %10s %11s %13s %18s %6s\n", "", "core med", "core worst", "process med", "process worst",
              "givens med (range)", "ratio");

  std::vector<double> peerMillis, peerGivens;
  const bool peer = haveQqwing() &&
                    timeProcesses(std::vector<std::vector<std::string>>(
                                      seeds, {"qqwing", "--generate", "1", "--symmetry", "rotate180", "--one-line"}),
                                  peerMillis, &peerGivens);
  const double peerMedian = peer ? spreadOf(peerMillis).median : 0.0;

  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  for (int level : {0, 5, 8, 10}) {
    std::vector<double> core, givens, processMillis;
    std::vector<std::vector<std::string>> commands;
    for (int i = 0; i < seeds; ++i) {
      const int seed = seedNumber(i);
      double best = 1e300;
      for (int run = 0; run < 3; ++run) {
        const Clock::time_point begin = Clock::now();
        prepareOneSolutionPuzzle(seed, levelDifficulty(level), placements, shown);
        best = std::min(best, millisSince(begin));
      }
      core.push_back(best);
      givens.push_back(static_cast<double>(std::count(shown, shown + kCellCount, 1)));
      commands.push_back({cli, "generate", makeOneSolutionCode(level, seed)});
    }
    const Spread inProcess = spreadOf(core);
    if (!timeProcesses(commands, processMillis, nullptr)) {
      std::fprintf(stderr, "one_solution_bench: %s failed\n", cli.c_str());
      return 1;
    }
    const Spread process = spreadOf(processMillis);
    const std::string label = "tessary " + makeOneSolutionCode(level, 0).substr(0, 3);
    std::printf("%-20s %9.2f %10.2f %11.2f %13.2f %18s", label.c_str(), inProcess.median, inProcess.worst,
                process.median, process.worst, givensRange(givens).c_str());
    if (peer) std::printf(" %6.2f", process.median / peerMedian);
    std::printf("\n");
  }
  if (peer) {
    const Spread spread = spreadOf(peerMillis);
    std::printf("%-20s %9s %10s %11.2f %13.2f %18s\n", "qqwing --generate 1", "-", "-", spread.median, spread.worst,
                givensRange(peerGivens).c_str());
  } else {
    std::printf("(qqwing is not installed: `make bench` installs it)\n");
  }
  return 0;
}
