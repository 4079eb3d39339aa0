// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Version.h"
#include "cli/CliCommands.h"

namespace {

const char kUsage[] =
    "Usage: tessary-cli solve [--moves] [FILE...]\n"
    "       tessary-cli generate [CODE | [--one-solution] [--difficulty X]]\n"
    "       tessary-cli count [--limit N] [FILE...]\n"
    "       tessary-cli rate [--steps] [--score] [FILE...]\n"
    "       tessary-cli --version\n"
    "\n"
    "solve     Reads puzzles, one 81-character line each ('0' or '.' for an\n"
    "          empty cell, after a seed code and a blank as generate prints\n"
    "          them, if so), from the files or from standard input, and solves\n"
    "          each as Tessary's Solve button does. Whatever Solve writes to\n"
    "          standard output is written here too, followed by one result\n"
    "          line: 'solved' and the 81 digits, 'unsolvable', or 'conflict'\n"
    "          when a digit repeats in a row, column or box. With --moves each\n"
    "          'solved' line is followed by 'moves' and one line per move of\n"
    "          the solver: tile, kind (1 deduced, 2 guessed), value (0-8) and\n"
    "          try. A line that is not a puzzle is reported on standard error\n"
    "          with its line number, and the exit status is then 1.\n"
    "\n"
    "generate  With a seed code, prints the code and the puzzle that Tessary's\n"
    "          Load Seed builds from it, as an 81-character line ('0' for an\n"
    "          empty cell). Without one, makes a new code from the clock as the\n"
    "          Generate button does, at slider position X from 0 (Easy) to 1\n"
    "          (Hard), 0.5 unless given, and prints it the same way; with\n"
    "          --one-solution the code is a one-solution code (05u1796837761),\n"
    "          whose puzzle has exactly one solution, as the window's New\n"
    "          Puzzle With One Solution makes. A code that begins with '-' goes\n"
    "          after '--'.\n"
    "\n"
    "count     Reads puzzles as solve does and prints, for each, one line with\n"
    "          its number of solutions, counted up to N (2 unless given) and\n"
    "          followed by '+' when the count reached N: '1' is a puzzle with\n"
    "          one solution, '2+' one with several, '0' one with none or with\n"
    "          a digit repeated in a row, column or box.\n"
    "\n"
    "rate      Reads puzzles as solve does and prints, for each, one line with\n"
    "          the hardest technique a person needs to solve it, trying the\n"
    "          easiest first: naked-single, hidden-single, locked-candidates,\n"
    "          naked-pair, hidden-pair, naked-triple, hidden-triple, x-wing,\n"
    "          swordfish, xy-wing, xyz-wing, unique-rectangle, naked-quad,\n"
    "          jellyfish, hidden-quad, w-wing, x-chain, xy-chain,\n"
    "          alternating-chain, forcing-chain, cell-forcing-chain,\n"
    "          unit-forcing-chain, dynamic-forcing-chain, nested-forcing-chain;\n"
    "          'search' when they stall before the grid is\n"
    "          full, 'no-solution' when it cannot be completed and 'conflict'\n"
    "          when a digit repeats in a row, column or box. With --steps each\n"
    "          step follows on a line of its own: 'step', the technique, 'cells'\n"
    "          and the cells it looks at (r3c5 is row 3, column 5), 'digits' and\n"
    "          its digits, then 'places r3c5=7', or 'rules-out 37 from' and the\n"
    "          cells that lose those digits. With --score the line starts with\n"
    "          the puzzle's score on Sukaku Explainer's scale, its hardest\n"
    "          step's, with one decimal: '7.2 forcing-chain'.\n";


// The status of a command whose output may not have reached its file: a
// full disk or a closed standard output turns success into failure, said
// once on standard error.
int checkedOutput(int status) {
  std::cout.flush();
  errno = 0;
  const bool closed = fcntl(STDOUT_FILENO, F_GETFD) == -1;
  const int closedError = errno;
  if (!closed && std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good()) return status;
  const int error = closed ? closedError : errno;
  std::cerr << "tessary-cli: cannot write standard output: " << (error ? std::strerror(error) : "write error")
            << "\n";
  return 1;
}

int runCommand(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "solve") == 0) return runSolve(argc - 2, argv + 2);
  if (argc >= 2 && std::strcmp(argv[1], "generate") == 0) return runGenerate(argc - 2, argv + 2);
  if (argc >= 2 && std::strcmp(argv[1], "count") == 0) return runCount(argc - 2, argv + 2);
  if (argc >= 2 && std::strcmp(argv[1], "rate") == 0) return runRate(argc - 2, argv + 2);
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "tessary-cli " << kTessaryVersion << "\n";
    return 0;
  }
  const bool asked = argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
  (asked ? std::cout : std::cerr) << kUsage;
  return asked ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) { return checkedOutput(runCommand(argc, argv)); }
