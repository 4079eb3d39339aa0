// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/PuzzleLines.h"
#include "solver/SolutionCounter.h"

namespace {

int refuse(const std::string& why) {
  std::cerr << "tessary-cli count: " << why << "\n";
  return 2;
}

// A limit: the whole argument a decimal number from 1 up.
bool readLimit(const std::string& text, uint64_t& limit) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
  if (errno != 0 || value == 0) return false;
  limit = value;
  return true;
}

}  // namespace

// count [--limit N] [FILE...]: reads puzzles as solve does and prints one
// line per puzzle: its number of solutions, with '+' when the count stopped
// at the limit (2 unless given), so "1" marks a unique puzzle. Exit status as
// for solve.
int runCount(int argc, char** argv) {
  uint64_t limit = 2;
  bool limitGiven = false;
  std::vector<std::string> files;
  const int refused = readCommandLine(argc, argv, files, [&](int& i) {
    const std::string word = argv[i];
    if (word != "--limit") return refuse("unknown option '" + word + "'");
    if (limitGiven) return refuse("--limit is given twice");
    if (i + 1 == argc) return refuse("--limit needs a number from 1 up");
    if (!readLimit(argv[++i], limit)) {
      return refuse(std::string("--limit needs a number from 1 up, not '") + argv[i] + "'");
    }
    limitGiven = true;
    return -1;
  });
  if (refused >= 0) return refused;
  return forEachPuzzle(files, "count", [limit](const std::string& puzzle) {
    const uint64_t found = countSolutions(puzzle.c_str(), limit);
    std::cout << found << (found == limit ? "+\n" : "\n");
  });
}
