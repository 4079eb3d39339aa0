// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>

#include "cli/CliCommands.h"
#include "generator/GridGenerator.h"
#include "generator/LevelPuzzle.h"
#include "generator/OneSolutionPuzzle.h"
#include "generator/SeedCode.h"

namespace {

int refuse(const std::string& why) {
  std::cerr << "tessary-cli generate: " << why << "\n";
  return 2;
}

// A slider position: the whole argument a number from 0 to 1.
bool readSliderValue(const char* text, double& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text, &end);
  return end != text && *end == '\0' && errno == 0 && value >= 0.0 && value <= 1.0;
}

}  // namespace

// generate CODE prints the code as given and the givens Load Seed builds from
// it; generate [--one-solution] [--difficulty X] makes a new code from the
// clock as Generate (or New Puzzle With One Solution, which takes the first
// seed from the clock's whose puzzle fits the level) does at slider position
// X and prints it the same way. A word after "--" is taken as a code even
// when it begins with '-', as codes may.
int runGenerate(int argc, char** argv) {
  const char* code = nullptr;
  const char* sliderText = nullptr;
  bool oneSolution = false;
  bool options = true;
  for (int i = 0; i < argc; ++i) {
    const std::string word = argv[i];
    if (options && word == "--") {
      options = false;
    } else if (options && word == "--one-solution") {
      oneSolution = true;
    } else if (options && word == "--difficulty") {
      if (sliderText) return refuse("--difficulty is given twice");
      if (i + 1 == argc) return refuse("--difficulty needs a value from 0 to 1");
      sliderText = argv[++i];
    } else if (options && word.size() > 2 && word.compare(0, 2, "--") == 0) {
      return refuse("unknown option '" + word + "'");
    } else if (code) {
      return refuse("takes one seed code, not more");
    } else {
      code = argv[i];
    }
  }
  if (code && (sliderText || oneSolution)) {
    return refuse("takes either a seed code or --one-solution and --difficulty, not both");
  }

  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  std::string text;
  if (code) {
    text = code;
    // The printed line holds the code as given; a line break would split it.
    if (text.find_first_of("\r\n") != std::string::npos) {
      return refuse("a seed code is one line of text");
    }
    prepareCodePuzzle(readSeedCode(text), placements, shown);
  } else {
    double slider = 0.5;
    if (sliderText && !readSliderValue(sliderText, slider)) {
      return refuse(std::string("--difficulty needs a number from 0 to 1, not '") + sliderText + "'");
    }
    const int level = sliderLevel(slider);
    const int clockSeed = seedFromTime(std::time(nullptr));
    if (oneSolution) {
      // Finding the seed makes its puzzle.
      text = makeOneSolutionCode(level, firstFittingSeed(level, clockSeed, placements, shown));
    } else {
      text = makeSeedCode(level, clockSeed);
      preparePuzzle(clockSeed, levelDifficulty(level), placements, shown);
    }
  }
  std::cout << text << ' ' << givensString(placements, shown) << '\n';
  return 0;
}
