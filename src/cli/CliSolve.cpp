// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "files/PuzzleText.h"
#include "grid/GridReader.h"
#include "solver/SolveGivens.h"

namespace {

int refuse(const std::string& why) {
  std::cerr << "tessary-cli solve: " << why << "\n";
  return 2;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Where the puzzle of a line begins: after its last blank, so that a line as
// "generate" prints it (the code, a blank, the puzzle) gives its puzzle. The
// line has no blanks at its end.
std::size_t puzzleStart(const std::string& line) {
  const std::size_t blank = line.find_last_of(" \t\r");
  return blank == std::string::npos ? 0 : blank + 1;
}

// Why the puzzle of a line, from start on, is not one (81 characters,
// '1'-'9', '0' or '.'), or the empty string when it is one. Columns count
// from the start of the line.
std::string puzzleProblem(const std::string& line, std::size_t start) {
  if (line.size() - start != kPuzzleLength) {
    return "expected 81 characters, found " + std::to_string(line.size() - start);
  }
  for (std::size_t i = start; i < line.size(); ++i) {
    const char c = line[i];
    if ((c < '0' || c > '9') && c != '.') {
      return "character '" + printableByte(static_cast<unsigned char>(c)) + "' at column " + std::to_string(i + 1);
    }
  }
  return std::string();
}

// Does for one puzzle what the Solve button does with the grid, writes what
// it writes to standard output, then the result line.
void solveLine(const std::string& line, bool withMoves) {
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  // The grid reader takes anything but '1'-'9' as an empty cell, '.' included.
  const int top = readGridText(line.data(), placements, used, shown, nullptr);
  if (top < 0) {
    std::cout << "conflict\n";
    return;
  }
  MoveList moves;
  if (!solveGivens(placements, top, shown, moves)) {
    std::cout << "unsolvable\n";
    return;
  }
  std::string digits(kPuzzleLength, '0');
  for (const Placement& p : placements) {
    if (p.cell >= 0) digits[p.cell] = static_cast<char>('1' + p.value);
  }
  std::cout << "solved " << digits << '\n';
  if (!withMoves) return;
  std::cout << "moves\n";
  for (const Move& m : moves) {
    std::cout << m.tile << ' ' << static_cast<int>(m.kind) << ' ' << m.value << ' ' << m.currentTry << '\n';
  }
}

// Solves every line of one input; false if any line was not a puzzle.
bool solveAll(std::istream& in, const std::string& name, bool withMoves) {
  bool allPuzzles = true;
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    // Blanks at the end of a line (a carriage return among them) and empty
    // lines are what editors and "echo" leave behind, not puzzles to refuse.
    while (!line.empty() && isBlank(line.back())) line.pop_back();
    if (line.empty()) continue;
    const std::size_t start = puzzleStart(line);
    const std::string problem = puzzleProblem(line, start);
    if (!problem.empty()) {
      std::cout.flush();
      std::cerr << "tessary-cli solve: " << name << ":" << number << ": not a puzzle: " << problem << "\n";
      allPuzzles = false;
      continue;
    }
    solveLine(line.substr(start), withMoves);
  }
  return allPuzzles;
}

}  // namespace

// solve [--moves] [FILE...]: reads puzzles, one per line and each perhaps
// after a seed code and a blank, as generate prints them, from the files or,
// without any, from standard input ("-" names it too). Exit status 0, or 1
// when a line was not a puzzle or a file could not be read; 2 for a wrong
// command line.
int runSolve(int argc, char** argv) {
  bool withMoves = false;
  std::vector<std::string> files;
  bool options = true;
  for (int i = 0; i < argc; ++i) {
    const std::string word = argv[i];
    if (options && word == "--") {
      options = false;
    } else if (options && word == "--moves") {
      withMoves = true;
    } else if (options && word.size() > 1 && word[0] == '-') {
      return refuse("unknown option '" + word + "'");
    } else {
      files.push_back(word);
    }
  }
  if (files.empty()) files.push_back("-");

  int status = 0;
  for (const std::string& file : files) {
    if (file == "-") {
      if (!solveAll(std::cin, "standard input", withMoves)) status = 1;
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cout.flush();
      std::cerr << "tessary-cli solve: cannot read " << file << "\n";
      status = 1;
      continue;
    }
    if (!solveAll(in, file, withMoves)) status = 1;
    if (in.bad()) {
      std::cerr << "tessary-cli solve: read error in " << file << "\n";
      status = 1;
    }
  }
  std::cout.flush();
  return status;
}
