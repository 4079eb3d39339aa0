// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the rater is on every puzzle set, what it makes of each set, and
// how its ratings compare with qqwing's own on puzzles qqwing generated.
//
//   rater_bench PUZZLE_DIR [QQWING_PUZZLES_PER_LEVEL] [TESSARY_CLI]
//
// Speed: each puzzle rated alone in this process (rateGrid, no steps kept),
// fastest of five runs, as microseconds per puzzle; and whole file against
// whole file, `tessary-cli rate FILE` against `qqwing --solve --stats
// --one-line <FILE` (qqwing rates a puzzle by solving it), CPU time, fastest
// of three runs. The ratio is ours over qqwing's: below 1 we are faster.
// Agreement: qqwing --generate N --difficulty D --csv --stats for each of its
// four levels (N = 125 unless given), each puzzle rated here, as a table of
// qqwing's level against the rating. qqwing's levels stand for singles
// (simple), hidden singles (easy), intersections and pairs (intermediate) and
// guessing (expert); the ratings that fit each are counted as agreeing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "solver/LogicRater.h"

namespace {

constexpr int kPuzzleRuns = 5;
constexpr int kFileRuns = 3;
constexpr int kOutcomes = static_cast<int>(Technique::Conflict) + 1;
const char* const kQqwingLevels[] = {"simple", "easy", "intermediate", "expert"};

// Which of qqwing's levels a rating stands for: 0 simple to 3 expert.
int qqwingLevelOf(Technique rating) {
  if (rating == Technique::NakedSingle) return 0;
  if (rating == Technique::HiddenSingle) return 1;
  if (rating <= Technique::HiddenPair) return 2;
  return 3;
}

// qqwing reports its levels with a capital: "Simple" for "simple".
bool sameLevel(const std::string& reported, const std::string& level) {
  return reported.size() == level.size() && reported.substr(1) == level.substr(1);
}

// The puzzles qqwing generates at one level, with the level it reports.
std::vector<std::pair<std::string, std::string>> qqwingPuzzles(const char* level, int count) {
  std::vector<std::pair<std::string, std::string>> puzzles;
  const std::string command =
      "qqwing --generate " + std::to_string(count) + " --difficulty " + level + " --csv --stats 2>/dev/null";
  FILE* out = popen(command.c_str(), "r");
  if (!out) return puzzles;
  char line[512];
  while (std::fgets(line, sizeof line, out)) {
    const std::string text = line;
    const std::size_t last = text.find_last_of(',', text.size() - 3);
    if (text.size() < 82 || text[81] != ',' || last == std::string::npos) continue;
    std::string reported = text.substr(last + 1);
    reported.erase(reported.find_last_not_of(",\r\n") + 1);
    puzzles.emplace_back(text.substr(0, 81), reported);
  }
  pclose(out);
  return puzzles;
}

void printSpeedAndDistribution(const std::string& dir, const std::string& cli, bool qqwing) {
  std::printf(
      "rate: rateGrid alone on each puzzle, fastest of %d runs; whole file: tessary-cli rate FILE and\n"
      "qqwing --solve --stats --one-line <FILE, CPU time, fastest of %d runs\n",
      kPuzzleRuns, kFileRuns);
  std::printf("%-21s %7s %8s %10s %10s %10s %6s\n", "set", "puzzles", "mean us", "slowest us", "tessary ms",
              "qqwing ms", "ratio");
  std::vector<std::pair<std::string, std::vector<int>>> counts;
  for (const std::string& name : puzzleSets(dir)) {
    const std::string file = dir + "/" + name;
    const std::vector<std::string> lines = readLines(file);
    std::vector<int> ratings(kOutcomes, 0);
    double total = 0, slowest = 0;
    for (const std::string& puzzle : lines) {
      double best = 1e300;
      for (int run = 0; run < kPuzzleRuns; ++run) {
        const auto begin = Clock::now();
        const Rating rating = rateGrid(puzzle.c_str());
        best = std::min(best, millisSince(begin) * 1000.0);
        if (run == 0) ++ratings[static_cast<int>(rating.technique)];
      }
      total += best;
      slowest = std::max(slowest, best);
    }
    const ProcessRun ours = fastestRun({cli, "rate", file}, "/dev/null", kFileRuns);
    // qqwing searches that one grid for half a minute a run; solver_bench times it once.
    const bool timePeer = qqwing && name != "no-solution-hard.txt";
    const ProcessRun peer =
        timePeer ? fastestRun({"qqwing", "--solve", "--stats", "--one-line"}, file, kFileRuns) : ProcessRun{};
    std::printf("%-21s %7zu %8.2f %10.1f", name.c_str(), lines.size(), lines.empty() ? 0.0 : total / lines.size(),
                slowest);
    std::printf(" %10.1f", ours.ok ? ours.cpuMs : -1.0);
    if (peer.ok) {
      std::printf(" %10.1f %6.4f\n", peer.cpuMs, ours.ok ? ours.cpuMs / peer.cpuMs : -1.0);
    } else {
      std::printf(" %10s %6s\n", "-", "-");
    }
    counts.emplace_back(name, ratings);
  }
  std::printf("ratings per set:\n");
  for (const auto& [name, ratings] : counts) {
    std::printf("  %-21s", name.c_str());
    for (int t = 0; t < kOutcomes; ++t) {
      if (ratings[t] > 0) std::printf(" %s %d", techniqueWord(static_cast<Technique>(t)), ratings[t]);
    }
    std::printf("\n");
  }
}

void printAgreement(int perLevel) {
  std::printf("agreement with qqwing: %d puzzles of each qqwing level, rows qqwing's reported level\n", perLevel);
  std::printf("%-13s", "qqwing");
  for (int t = 0; t < kOutcomes - 2; ++t) std::printf(" %s", techniqueWord(static_cast<Technique>(t)));
  std::printf("  agree\n");
  int agreeing = 0, puzzles = 0;
  for (int level = 0; level < 4; ++level) {
    std::map<std::string, std::vector<int>> byReported;
    for (const auto& [puzzle, reported] : qqwingPuzzles(kQqwingLevels[level], perLevel)) {
      std::vector<int>& row = byReported[reported];
      row.resize(kOutcomes + 1, 0);
      const Technique rating = rateGrid(puzzle.c_str()).technique;
      ++row[static_cast<int>(rating)];
      if (qqwingLevelOf(rating) == level && sameLevel(reported, kQqwingLevels[level])) ++row[kOutcomes];
    }
    for (const auto& [reported, row] : byReported) {
      std::printf("%-13s", reported.c_str());
      int all = 0;
      for (int t = 0; t < kOutcomes - 2; ++t) {
        std::printf(" %*d", static_cast<int>(std::string(techniqueWord(static_cast<Technique>(t))).size()), row[t]);
        all += row[t];
      }
      std::printf("  %d/%d\n", row[kOutcomes], all);
      agreeing += row[kOutcomes];
      puzzles += all;
    }
  }
  std::printf(
      "agree: the rating stands for qqwing's level (naked-single simple, hidden-single easy, up to\n"
      "hidden-pair intermediate, the rest expert): %d of %d\n",
      agreeing, puzzles);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: rater_bench PUZZLE_DIR [QQWING_PUZZLES_PER_LEVEL] [TESSARY_CLI]\n");
    return 2;
  }
  const int perLevel = argc > 2 ? std::max(1, std::atoi(argv[2])) : 125;
  const std::string cli = argc > 3 ? argv[3] : TESSARY_CLI;
  const bool qqwing = haveQqwing();
  printSpeedAndDistribution(argv[1], cli, qqwing);
  if (qqwing) {
    printAgreement(perLevel);
  } else {
    std::printf("qqwing not found: install the bench packages (scripts/install-deps.sh bench)\n");
  }
  return 0;
}
