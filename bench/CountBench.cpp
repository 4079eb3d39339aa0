// SPDX-License-Identifier: GPL-3.0-or-later
// How fast tessary-cli count is on every puzzle set, next to Debian's qqwing
// counting the solutions of the same files in the same run.
//
//   count_bench PUZZLE_DIR [CPU_LIMIT_SECONDS] [TESSARY_CLI]
//
// Whole file against whole file, CPU time (user and system): one
// `tessary-cli count FILE` process against one
// `qqwing --solve --count-solutions <FILE` process, output to /dev/null.
// Each run is stopped at the CPU time limit. Ours is the fastest of three
// runs, qqwing's too when its run takes under a second.
// qqwing counts every solution, where tessary-cli count stops at the second
// one; so besides the whole file, both count the file's puzzles that have no
// second solution (those count found 0 or 1 for): there both must search
// the whole tree, and the work is the same. Ratios are ours over qqwing's:
// below 1 we are faster.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "BenchProcess.h"

namespace {

constexpr int kRuns = 3;
const char kOutput[] = "/tmp/count_bench.out";
const char kSubset[] = "/tmp/count_bench_subset.txt";

struct Side {
  ProcessRun ours;
  ProcessRun peer;
};

// Both counters on one file.
Side timeBoth(const std::string& cli, const std::string& file, int limit, bool qqwing) {
  Side side;
  side.ours = fastestRun({cli, "count", file}, "/dev/null", kRuns);
  if (!qqwing) return side;
  const std::vector<std::string> peer = {"qqwing", "--solve", "--count-solutions"};
  side.peer = runProcess(peer, file, "/dev/null", limit);
  if (side.peer.ok && side.peer.cpuMs < 1000) side.peer = fastestRun(peer, file, kRuns);
  return side;
}

// Our time, qqwing's and the ratio; qqwing stopped at the limit shows as
// more than the limit and the ratio as less than ours over the limit.
void printSide(const Side& side, int limit) {
  if (side.ours.ok) {
    std::printf(" %10.1f", side.ours.cpuMs);
  } else {
    std::printf(" %10s", "failed");
  }
  if (side.peer.limited) {
    std::printf(" %10s", ("> " + std::to_string(limit * 1000)).c_str());
    if (side.ours.ok) std::printf(" < %.4f", side.ours.cpuMs / (limit * 1000.0));
  } else if (side.peer.ok) {
    std::printf(" %10.1f", side.peer.cpuMs);
    if (side.ours.ok) std::printf(" %6.2f", side.ours.cpuMs / side.peer.cpuMs);
  } else {
    std::printf(" %10s %6s", "-", "-");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: count_bench PUZZLE_DIR [CPU_LIMIT_SECONDS] [TESSARY_CLI]\n");
    return 2;
  }
  const std::string dir = argv[1];
  const int limit = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
  const std::string cli = argc > 3 ? argv[3] : TESSARY_CLI;
  const bool qqwing = haveQqwing();
  std::printf("count: tessary-cli count FILE (limit 2) and qqwing --solve --count-solutions <FILE, CPU time\n"
              "in ms, each run stopped at %d s; then the same on the puzzles with no second solution\n",
              limit);
  std::printf("%-21s %5s %5s %5s %10s %10s %6s | %5s %10s %10s %6s\n", "set", "0", "1", "2+", "tessary", "qqwing",
              "ratio", "<2", "tessary", "qqwing", "ratio");
  for (const std::string& name : puzzleSets(dir)) {
    const std::string file = dir + "/" + name;
    const std::vector<std::string> lines = readLines(file);
    // The counts, once, to tell the puzzles apart.
    runProcess({cli, "count", file}, "/dev/null", kOutput, limit);
    std::ifstream counts(kOutput);
    std::ofstream subset(kSubset);
    int tally[3] = {};
    std::string count;
    for (std::size_t i = 0; i < lines.size() && std::getline(counts, count); ++i) {
      const int kind = count == "0" ? 0 : count == "1" ? 1 : 2;
      ++tally[kind];
      if (kind < 2) subset << lines[i] << '\n';
    }
    subset.close();
    std::printf("%-21s %5d %5d %5d", name.c_str(), tally[0], tally[1], tally[2]);
    const Side whole = timeBoth(cli, file, limit, qqwing);
    printSide(whole, limit);
    std::printf(" | %5d", tally[0] + tally[1]);
    if (tally[2] == 0) {
      printSide(whole, limit);
    } else if (tally[0] + tally[1] > 0) {
      printSide(timeBoth(cli, kSubset, limit, qqwing), limit);
    } else {
      std::printf(" %10s %10s %6s", "-", "-", "-");
    }
    std::printf("\n");
  }
  std::remove(kOutput);
  std::remove(kSubset);
  std::printf("ratio: tessary-cli's CPU time over qqwing's for the same puzzles (below 1: faster than qqwing)\n");
  if (!qqwing) std::printf("qqwing not found: install the bench packages (scripts/install-deps.sh bench)\n");
  return 0;
}
