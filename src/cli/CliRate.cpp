// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/PuzzleLines.h"
#include "solver/DigitMask.h"
#include "solver/LogicRater.h"

namespace {

int refuse(const std::string& why) {
  std::cerr << "tessary-cli rate: " << why << "\n";
  return 2;
}

std::string cellWord(uint32_t cell) { return "r" + std::to_string(cell / 9 + 1) + "c" + std::to_string(cell % 9 + 1); }

// Cells as r3c5 words, separated by commas.
std::string cellWords(TileSet cells) {
  std::string words;
  forEachTile(cells, [&](uint32_t cell) { words += (words.empty() ? "" : ",") + cellWord(cell); });
  return words;
}

// Digits as shown, '1'-'9', lowest first and without separators.
std::string digitWord(unsigned digits) {
  std::string word;
  forEachDigit(digits, [&](int d) { word += static_cast<char>('1' + d); });
  return word;
}

// "step TECHNIQUE cells CELLS digits DIGITS", then what the step did:
// "places CELL=DIGIT" or "rules-out DIGITS from CELLS".
void printStep(const LogicStep& step) {
  std::cout << "step " << techniqueWord(step.technique) << " cells " << cellWords(step.cells) << " digits "
            << digitWord(step.digits);
  if (step.cell >= 0) {
    std::cout << " places " << cellWord(static_cast<uint32_t>(step.cell)) << '=' << static_cast<char>('1' + step.digit)
              << '\n';
  } else {
    std::cout << " rules-out " << digitWord(step.ruledOut) << " from " << cellWords(step.ruledOutCells) << '\n';
  }
}

// A score in tenths as the scale writes it, with one decimal: "7.2".
std::string scoreWord(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

}  // namespace

// rate [--steps] [--score] [FILE...]: reads puzzles as solve does and prints
// each one's rating, the hardest technique it needs; with --score, the
// hardest step's score before it ("7.2 forcing-chain"); with --steps, each
// step follows on a line of its own. Exit status as for solve.
int runRate(int argc, char** argv) {
  bool withSteps = false, withScore = false;
  std::vector<std::string> files;
  const int refused = readCommandLine(argc, argv, files, [&](int& i) {
    const std::string word = argv[i];
    if (word == "--steps") {
      withSteps = true;
    } else if (word == "--score") {
      withScore = true;
    } else {
      return refuse("unknown option '" + word + "'");
    }
    return -1;
  });
  if (refused >= 0) return refused;
  std::vector<LogicStep> steps;
  return forEachPuzzle(files, "rate", [&](const std::string& puzzle) {
    steps.clear();
    const Rating rating = rateGrid(puzzle.c_str(), withSteps ? &steps : nullptr);
    if (withScore) std::cout << scoreWord(rating.score) << ' ';
    std::cout << techniqueWord(rating.technique) << '\n';
    for (const LogicStep& step : steps) printStep(step);
  });
}
