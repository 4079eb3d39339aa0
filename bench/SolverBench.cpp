// How long the Solve command's core takes (reading the grid, setting the
// givens, Solve, turning the moves into placements) on every puzzle set, next
// to Debian's qqwing solving the same files in the same run.
//
//   solver_bench PUZZLE_DIR [HARD_LIMIT_SECONDS]
//
// Each puzzle is timed three times and its fastest run kept: on a shared
// machine a single run may include time the process spent descheduled.
// qqwing solves each whole file three times; its fastest run counts, both as
// the sum of the per-puzzle times its --timer prints (the ratio compares
// those with ours) and as the wall time of the whole process.
// no-solution-hard.txt, one grid that a chronological search takes minutes
// to refute, runs once on each side in a child process with a time limit.
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "grid/GridReader.h"
#include "solver/SolveGivens.h"

namespace {

using Clock = std::chrono::steady_clock;

const char kHardSet[] = "no-solution-hard.txt";

double millisSince(Clock::time_point begin) {
  return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

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
  for (Placement& p : placements) p = Placement{0, 0, -1, 0, 0, 0};
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(line.c_str(), placements, used, shown, nullptr);
  if (top < 0) return false;
  MoveList moves;
  return solveGivens(placements, top, shown, moves);
}

std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() >= 81) lines.push_back(line.substr(0, 81));
  }
  return lines;
}

std::vector<std::string> puzzleSets(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* folder = opendir(dir.c_str())) {
    while (dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) names.push_back(name);
    }
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool haveQqwing() { return std::system("command -v qqwing >/dev/null 2>&1") == 0; }

struct QqwingRun {
  double wallMs = -1;
  double solveMs = -1;  // sum of the per-puzzle times it prints
};

// qqwing --solve on a whole file, fastest of three runs.
QqwingRun timeQqwing(const std::string& file) {
  QqwingRun best;
  const std::string out = "/tmp/solver_bench_qqwing.out";
  for (int run = 0; run < 3; ++run) {
    const auto begin = Clock::now();
    const std::string command = "qqwing --solve --one-line --timer <'" + file + "' >" + out + " 2>&1";
    if (std::system(command.c_str()) != 0) return best;
    const double wall = millisSince(begin);
    std::ifstream in(out);
    std::string word;
    double solve = 0;
    while (in >> word) {
      if (word == "Time:") {
        double ms = 0;
        in >> ms;
        solve += ms;
      }
    }
    if (best.wallMs < 0 || wall < best.wallMs) best.wallMs = wall;
    if (best.solveMs < 0 || solve < best.solveMs) best.solveMs = solve;
  }
  std::remove(out.c_str());
  return best;
}

// Runs work in a child process for at most limitSeconds. Returns the wall
// time in milliseconds, or -1 when the limit was reached; *status gets the
// child's exit status.
double timeLimited(int limitSeconds, int* status, void (*work)(const std::string&), const std::string& arg) {
  const auto begin = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    work(arg);
    std::_Exit(0);
  }
  for (;;) {
    int raw = 0;
    if (waitpid(child, &raw, WNOHANG) == child) {
      *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
      return millisSince(begin);
    }
    if (millisSince(begin) > limitSeconds * 1000.0) {
      kill(child, SIGKILL);
      waitpid(child, &raw, 0);
      return -1;
    }
    usleep(20000);
  }
}

void solveHard(const std::string& file) {
  const std::vector<std::string> lines = readLines(file);
  for (const std::string& line : lines) {
    if (solveOnce(line)) std::_Exit(1);
  }
}

void qqwingHard(const std::string& file) {
  const std::string command = "qqwing --solve --one-line <'" + file + "' >/dev/null 2>&1";
  std::_Exit(std::system(command.c_str()) == 0 ? 0 : 2);
}

void printTime(const char* who, double ms, int limit) {
  if (ms < 0) {
    std::printf("  %-8s over the limit of %d s\n", who, limit);
  } else {
    std::printf("  %-8s %.1f s\n", who, ms / 1000.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: solver_bench PUZZLE_DIR [HARD_LIMIT_SECONDS]\n");
    return 2;
  }
  const std::string dir = argv[1];
  const int hardLimit = argc > 2 ? std::max(1, std::atoi(argv[2])) : 900;
  const std::vector<std::string> sets = puzzleSets(dir);
  if (sets.empty()) {
    std::fprintf(stderr, "solver_bench: no puzzle sets in %s\n", dir.c_str());
    return 1;
  }
  const bool qqwing = haveQqwing();

  NullBuffer sink;
  std::streambuf* const terminal = std::cout.rdbuf(&sink);
  std::printf("solve: the Solve command's core per puzzle (fastest of 3 runs); qqwing --solve on the same file\n");
  std::printf("%-22s %7s %8s %8s %9s %8s %10s %10s %7s\n", "set", "puzzles", "solved", "total ms", "median ms",
              "max ms", "qqwing ms", "(wall ms)", "ratio");
  for (const std::string& name : sets) {
    if (name == kHardSet) continue;
    const std::string file = dir + "/" + name;
    const std::vector<std::string> lines = readLines(file);
    std::vector<double> millis(lines.size());
    int solved = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      millis[i] = 1e300;
      for (int run = 0; run < 3; ++run) {
        const auto begin = Clock::now();
        const bool ok = solveOnce(lines[i]);
        millis[i] = std::min(millis[i], millisSince(begin));
        if (run == 0) solved += ok;
      }
    }
    double total = 0;
    for (double ms : millis) total += ms;
    std::vector<double> sorted = millis;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted.empty() ? 0 : sorted[sorted.size() / 2];
    const double slowest = sorted.empty() ? 0 : sorted.back();
    const QqwingRun peer = qqwing ? timeQqwing(file) : QqwingRun{};
    std::printf("%-22s %7zu %8d %8.1f %9.3f %8.2f", name.c_str(), lines.size(), solved, total, median, slowest);
    if (peer.solveMs > 0) {
      std::printf(" %10.1f %10.1f %7.2f\n", peer.solveMs, peer.wallMs, total / peer.solveMs);
    } else {
      std::printf(" %10s %10s %7s\n", "-", "-", "-");
    }
    std::fflush(stdout);
  }
  std::printf("ratio: our total / qqwing's summed per-puzzle times (above 1: slower than qqwing)\n");

  const std::string hard = dir + "/" + kHardSet;
  if (!readLines(hard).empty()) {
    std::printf("%s, once each, limit %d s:\n", kHardSet, hardLimit);
    std::fflush(stdout);
    int status = 0;
    const double ours = timeLimited(hardLimit, &status, solveHard, hard);
    printTime("tessary", ours, hardLimit);
    if (ours >= 0 && status != 0) std::printf("  (tessary found a solution: not the expected result)\n");
    if (qqwing) {
      const double peer = timeLimited(hardLimit, &status, qqwingHard, hard);
      printTime("qqwing", peer, hardLimit);
      if (ours >= 0 && peer > 0) std::printf("  ratio    %.2f\n", ours / peer);
    }
  }
  std::cout.rdbuf(terminal);
  if (!qqwing) std::printf("qqwing not found: install the bench packages (scripts/install-deps.sh bench)\n");
  return 0;
}
