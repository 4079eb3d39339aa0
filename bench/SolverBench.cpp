// SPDX-License-Identifier: GPL-3.0-or-later
// How fast Solve is on every puzzle set, next to Debian's qqwing solving the
// same files in the same run.
//
//   solver_bench PUZZLE_DIR [HARD_LIMIT_SECONDS] [TESSARY_CLI]
//
// The comparison is like for like, whole file against whole file: the CPU
// time (user and system) of one `tessary-cli solve FILE` process against one
// `qqwing --solve --one-line <FILE` process, each with its output going to
// /dev/null, fastest of five runs. CPU time rather than wall time, because on
// a shared machine the wall time of a run also counts the time the process
// waited for a processor; the wall time of the same run is shown beside it.
// The ratio is ours over qqwing's: below 1 we are faster.
// Each puzzle is also timed alone through the Solve command's core (reading
// the grid, setting the givens, Solve, the placements), fastest of three
// runs, to name the slowest puzzle of each set.
// no-solution-hard.txt, one grid that the search takes long to refute, runs
// on its own on each side, with a limit on its CPU time.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "grid/GridReader.h"
#include "solver/SolveGivens.h"

namespace {

const char kHardSet[] = "no-solution-hard.txt";
constexpr int kFileRuns = 5;
constexpr int kPuzzleRuns = 3;

// A stream buffer that drops everything: the solver's dumps are not timed
// as terminal output.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// One puzzle through the Solve command's core; true if solved.
bool solveOnce(const std::string& line) {
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(line.c_str(), placements, used, shown, nullptr);
  if (top < 0) return false;
  MoveList moves;
  return solveGivens(placements, top, shown, moves);
}

std::string lastLine(const std::string& path) {
  std::ifstream in(path);
  std::string line, last;
  while (std::getline(in, line)) last = line;
  return last;
}

void printHard(const char* who, const ProcessRun& run, int limit) {
  if (run.limited) {
    std::printf("  %-8s over the limit of %d s of CPU time\n", who, limit);
  } else if (run.wallMs < 0 || !run.ok) {
    std::printf("  %-8s did not run\n", who);
  } else {
    std::printf("  %-8s %9.3f s CPU %9.3f s wall\n", who, run.cpuMs / 1000.0, run.wallMs / 1000.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: solver_bench PUZZLE_DIR [HARD_LIMIT_SECONDS] [TESSARY_CLI]\n");
    return 2;
  }
  const std::string dir = argv[1];
  const int hardLimit = argc > 2 ? std::max(1, std::atoi(argv[2])) : 900;
  const std::string cli = argc > 3 ? argv[3] : TESSARY_CLI;
  const std::vector<std::string> sets = puzzleSets(dir);
  if (sets.empty()) {
    std::fprintf(stderr, "solver_bench: no puzzle sets in %s\n", dir.c_str());
    return 1;
  }
  const bool qqwing = haveQqwing();
  const std::vector<std::string> qqwingSolve = {"qqwing", "--solve", "--one-line"};

  NullBuffer sink;
  std::streambuf* const terminal = std::cout.rdbuf(&sink);
  std::printf("solve: tessary-cli solve FILE and qqwing --solve --one-line <FILE, whole file, CPU time,\n"
              "fastest of %d runs (wall time of that run in brackets); slowest puzzle: the Solve command's\n"
              "core on one puzzle, fastest of %d runs\n",
              kFileRuns, kPuzzleRuns);
  std::printf("%-21s %7s %6s %10s %9s %10s %9s %6s  %s\n", "set", "puzzles", "solved", "tessary ms", "(wall)",
              "qqwing ms", "(wall)", "ratio", "slowest puzzle");
  for (const std::string& name : sets) {
    if (name == kHardSet) continue;
    const std::string file = dir + "/" + name;
    const std::vector<std::string> lines = readLines(file);
    std::size_t slowestLine = 0;
    double slowestMs = 0;
    int solved = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      double best = 1e300;
      for (int run = 0; run < kPuzzleRuns; ++run) {
        const auto begin = Clock::now();
        const bool ok = solveOnce(lines[i]);
        best = std::min(best, millisSince(begin));
        if (run == 0) solved += ok;
      }
      if (best > slowestMs) slowestMs = best, slowestLine = i;
    }
    const ProcessRun ours = fastestRun({cli, "solve", file}, "/dev/null", kFileRuns);
    const ProcessRun peer = qqwing ? fastestRun(qqwingSolve, file, kFileRuns) : ProcessRun{};
    std::printf("%-21s %7zu %6d", name.c_str(), lines.size(), solved);
    if (ours.ok) {
      std::printf(" %10.1f %9s", ours.cpuMs, ("(" + std::to_string(static_cast<int>(ours.wallMs + 0.5)) + ")").c_str());
    } else {
      std::printf(" %10s %9s", "failed", "");
    }
    if (peer.ok) {
      std::printf(" %10.1f %9s", peer.cpuMs, ("(" + std::to_string(static_cast<int>(peer.wallMs + 0.5)) + ")").c_str());
    } else {
      std::printf(" %10s %9s", "-", "");
    }
    if (ours.ok && peer.ok) {
      std::printf(" %6.2f", ours.cpuMs / peer.cpuMs);
    } else {
      std::printf(" %6s", "-");
    }
    std::printf("  line %zu, %.3f ms\n", slowestLine + 1, slowestMs);
  }
  std::printf("ratio: tessary-cli's CPU time over qqwing's for the same file (below 1: faster than qqwing)\n");

  const std::string hard = dir + "/" + kHardSet;
  if (!readLines(hard).empty()) {
    std::printf("%s, whole file once on each side, CPU time limit %d s:\n", kHardSet, hardLimit);
    const std::string out = "/tmp/solver_bench_hard.out";
    const ProcessRun ours = runProcess({cli, "solve", hard}, "/dev/null", out, hardLimit);
    printHard("tessary", ours, hardLimit);
    if (ours.ok && lastLine(out) != "unsolvable") std::printf("  (tessary did not answer unsolvable)\n");
    std::remove(out.c_str());
    if (qqwing) {
      const ProcessRun peer = runProcess(qqwingSolve, hard, "/dev/null", hardLimit);
      printHard("qqwing", peer, hardLimit);
      if (ours.ok && peer.ok) std::printf("  ratio    %.3f (CPU time)\n", ours.cpuMs / peer.cpuMs);
    }
  }
  std::cout.rdbuf(terminal);
  if (!qqwing) std::printf("qqwing not found: install the bench packages (scripts/install-deps.sh bench)\n");
  return 0;
}
