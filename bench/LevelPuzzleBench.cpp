// SPDX-License-Identifier: GPL-3.0-or-later
// How long New Puzzle With One Solution takes at the levels 00, 05, 08 and
// 10, where it makes puzzles seed after seed until one fits the level's
// band; next to the generators of qqwing and Solo asked for a puzzle of a
// comparable level in the same run.
//
//   level_puzzle_bench [TRIES]
//
// Ours in this process: firstFittingSeed from TRIES clock seconds spread
// over the 32-bit range, wall time of each. The peers have no other entry
// than their programs, so each puzzle is one process, timed by its CPU time
// (user and system). What a process costs before it does any work is shown
// first: each peer printing its version (Solo loads its toolkit for that). The levels compared are those that ask for the same reasoning:
// singles alone, a hidden single, locked candidates and beyond, and puzzles
// the techniques cannot finish (qqwing's expert guesses; Solo's extreme
// needs its hardest logic, unreasonable a guess). A ratio is our median over
// the peer's: below 1 we are faster.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "generator/LevelPuzzle.h"
#include "grid/Placement.h"

namespace {

constexpr int kTries = 200;
const char kSolo[] = "/usr/games/sgt-solo";

// The CPU milliseconds of tries runs of a command, or none if one fails.
std::vector<double> processMillis(const std::vector<std::string>& command, int tries) {
  std::vector<double> millis;
  for (int i = 0; i < tries; ++i) {
    const ProcessRun run = runProcess(command, "/dev/null", "/dev/null", 60);
    if (!run.ok) return {};
    millis.push_back(run.cpuMs);
  }
  return millis;
}

// A peer's line; with the ratio to ours when ours is given (positive).
void printPeer(const std::string& name, const std::vector<double>& millis, double ours) {
  if (millis.empty()) {
    std::printf("  %-36s %9s\n", name.c_str(), "not run");
    return;
  }
  const Spread spread = spreadOf(millis);
  std::printf("  %-36s %9.2f %9.2f", name.c_str(), spread.median, spread.worst);
  if (ours > 0.0) std::printf(" %7.3f", ours / spread.median);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const int tries = argc > 1 ? std::max(1, std::atoi(argv[1])) : kTries;
  const bool qqwing = haveQqwing();
  const bool solo = access(kSolo, X_OK) == 0;
  std::printf("new puzzle with one solution: %d tries per level, ours in process (wall ms), the peers one process\n"
              "per puzzle (CPU ms); ratio = our median / the peer's median\n",
              tries);
  std::printf("  %-36s %9s %9s %7s\n", "", "median", "worst", "ratio");

  if (qqwing) printPeer("qqwing --version", processMillis({"qqwing", "--version"}, tries), 0.0);
  if (solo) printPeer("solo --version", processMillis({kSolo, "--version"}, tries), 0.0);
  const struct {
    int level;
    const char* qqwingLevel;
    std::vector<const char*> soloLevels;  // Solo's parameter letters and names
  } rows[] = {
      {0, "simple", {"t", "trivial"}},
      {5, "easy", {"b", "basic"}},
      {8, "intermediate", {"i", "intermediate"}},
      {10, "expert", {"e", "extreme", "u", "unreasonable"}},
  };
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  for (const auto& row : rows) {
    std::vector<double> ours;
    for (int i = 0; i < tries; ++i) {
      // Clock seconds spread over the 32-bit range.
      const int from = static_cast<int>(static_cast<unsigned>(i + 1) * 2654435761u);
      const Clock::time_point begin = Clock::now();
      firstFittingSeed(row.level, from, placements, shown);
      ours.push_back(millisSince(begin));
    }
    const Spread spread = spreadOf(ours);
    char label[40];
    std::snprintf(label, sizeof label, "tessary level %02d", row.level);
    std::printf("  %-36s %9.2f %9.2f\n", label, spread.median, spread.worst);
    if (qqwing) {
      printPeer(std::string("qqwing --difficulty ") + row.qqwingLevel,
                processMillis({"qqwing", "--generate", "1", "--difficulty", row.qqwingLevel, "--symmetry", "rotate180",
                               "--one-line"},
                              tries),
                spread.median);
    }
    for (std::size_t i = 0; solo && i + 1 < row.soloLevels.size(); i += 2) {
      printPeer(std::string("solo ") + row.soloLevels[i + 1],
                processMillis({kSolo, "--generate", "1", std::string("3x3d") + row.soloLevels[i]}, tries),
                spread.median);
    }
  }
  if (!qqwing || !solo) std::printf("(qqwing or sgt-puzzles is not installed: `make bench` installs them)\n");
  return 0;
}
