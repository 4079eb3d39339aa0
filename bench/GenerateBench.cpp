// SPDX-License-Identifier: GPL-3.0-or-later
// How long the generator's core takes to make one puzzle (srand, fillGrid,
// digHoles: all of Generate and Load Seed but drawing the grid), at every
// slider level. The search backtracks a different amount for every seed, so
// each level runs many seeds and reports the typical and the worst case.
// Each seed is timed three times and its fastest run kept: on a shared
// machine a single run may include time the process spent descheduled.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "generator/GridGenerator.h"
#include "generator/SeedCode.h"

namespace {

constexpr int kSeedsPerLevel = 5000;

// Seeds spread over the 32-bit range, as clock seconds and typed codes are.
int seedNumber(int i) { return static_cast<int>(static_cast<unsigned>(i) * 2654435761u); }

}  // namespace

int main(int argc, char** argv) {
  const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : kSeedsPerLevel;
  std::printf("generate: one puzzle from a seed code (srand, fillGrid, digHoles), %d seeds per level,\n"
              "fastest of 3 runs per seed\n", seeds);
  std::printf("%5s %6s %11s %11s %11s %13s\n", "level", "target", "median us", "p99 us", "slowest us",
              "slowest seed");
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  unsigned checksum = 0;
  for (int level = 0; level <= 10; ++level) {
    const float difficulty = levelDifficulty(level);
    std::vector<double> micros(seeds);
    int slowestSeed = 0;
    double slowest = -1.0;
    for (int i = 0; i < seeds; ++i) {
      const int seed = seedNumber(i);
      micros[i] = 1e300;
      for (int run = 0; run < 3; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        preparePuzzle(seed, difficulty, placements, shown);
        const auto end = std::chrono::steady_clock::now();
        micros[i] = std::min(micros[i], std::chrono::duration<double, std::micro>(end - begin).count());
      }
      if (micros[i] > slowest) {
        slowest = micros[i];
        slowestSeed = seed;
      }
      // Keeps the work observable so that nothing is optimised away.
      for (int c = 0; c < kCellCount; ++c) checksum += shown[c] * static_cast<unsigned>(placements[c].value + c);
    }
    std::vector<double> sorted = micros;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%5d %6d %11.1f %11.1f %11.1f %13d\n", level, holeTarget(difficulty), sorted[seeds / 2],
                sorted[std::min(seeds - 1, seeds * 99 / 100)], sorted.back(), slowestSeed);
  }
  std::printf("(checksum %u)\n", checksum);
  return 0;
}
