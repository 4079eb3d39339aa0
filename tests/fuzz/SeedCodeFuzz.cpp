// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a code typed into Load Seed. The reader must agree with the
// platform's sscanf("%d") on both parts, keep the difficulty in [0, 1], and
// the puzzle the code names must be a complete valid grid thinned to a
// half-turn symmetric set of givens of the size its difficulty asks for.
// A one-solution code ("05u12") reads its seed from after the 'u' in the
// same way; the core tests pin its puzzles.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "generator/GridGenerator.h"
#include "generator/SeedCode.h"

namespace {

// What sscanf("%d") makes of a part, 0 when it converts nothing: what the
// reader must give (the part ends at a NUL byte for sscanf; the reader stops
// there too, since NUL is neither a blank, a sign nor a digit).
int sscanfNumber(const std::string& part) {
  int number = 0;
  std::sscanf(part.c_str(), "%d", &number);
  return number;
}

// Where the third character of a UTF-8 text starts: the third byte that
// begins a character, or the end. A character begins at every byte that is
// not a continuation byte (10xxxxxx), and at the first byte whatever it is,
// so that text that is not UTF-8 (tessary-cli takes any bytes) still splits.
std::size_t thirdCharacter(const std::string& text) {
  int starts = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool begins = i == 0 || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (begins && ++starts == 3) return i;
  }
  return text.size();
}

void checkPuzzle(int seed, float difficulty) {
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  preparePuzzle(seed, difficulty, placements, shown);

  // The full grid: every cell once, each unit holding every digit once.
  int cellSeen[kCellCount] = {};
  bool unitHas[27][9] = {};
  for (const Placement& p : placements) {
    FUZZ_REQUIRE(p.cell >= 0 && p.cell < kCellCount && p.value >= 0 && p.value <= 8, "a placement is on the grid");
    FUZZ_REQUIRE(p.row == p.cell / 9 && p.col == p.cell % 9 && p.box == boxOf(p.row, p.col),
                 "a placement's row, column and box match its cell");
    ++cellSeen[p.cell];
    for (int unit : {p.row, 9 + p.col, 18 + p.box}) {
      FUZZ_REQUIRE(!unitHas[unit][p.value], "no digit repeats in the generated grid");
      unitHas[unit][p.value] = true;
    }
  }
  for (int seen : cellSeen) FUZZ_REQUIRE(seen == 1, "the generated grid fills every cell once");

  // The givens: symmetric under a half turn, as many as the target leaves.
  int hidden = 0;
  for (int cell = 0; cell < kCellCount; ++cell) {
    FUZZ_REQUIRE(shown[cell] <= 1, "the mask holds 0 or 1");
    FUZZ_REQUIRE(shown[cell] == shown[kCellCount - 1 - cell], "the givens are symmetric about the centre");
    hidden += shown[cell] == 0;
  }
  const int target = holeTarget(difficulty);
  FUZZ_REQUIRE(target >= 18 && target <= 63, "the hole target stays within Easy to Hard");
  const int pairs = target / 2;
  FUZZ_REQUIRE(hidden == 2 * pairs - (shown[40] == 0 ? 1 : 0), "the puzzle hides target / 2 pairs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const SeedCode code = readSeedCode(text);

  const std::size_t split = thirdCharacter(text);
  const int level = sscanfNumber(text.substr(0, split));
  float expected = static_cast<float>(level) / 10.0f;
  if (expected > 1.0f) expected = 1.0f;
  if (expected < 0.0f) expected = 0.0f;
  FUZZ_REQUIRE(code.difficulty == expected, "the difficulty digits read as sscanf reads them, clamped to [0, 1]");
  const auto ascii = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  const bool uCode = text.size() >= 3 && ascii(0) && ascii(1) && text[2] == 'u';
  FUZZ_REQUIRE(code.oneSolution == uCode, "two ASCII digits and 'u' begin a one-solution code, nothing else");
  if (uCode) {
    FUZZ_REQUIRE(code.seed == sscanfNumber(text.substr(3)), "a one-solution seed reads as sscanf reads it");
  } else {
    FUZZ_REQUIRE(code.seed == sscanfNumber(text.substr(split)), "the seed reads as sscanf reads it");
    checkPuzzle(code.seed, code.difficulty);
  }

  // The code Generate would write for this level and seed reads back to both.
  const int wholeLevel = level < 0 ? 0 : level > 10 ? 10 : level;
  const SeedCode again = readSeedCode(makeSeedCode(wholeLevel, code.seed));
  FUZZ_REQUIRE(again.seed == code.seed && again.difficulty == levelDifficulty(wholeLevel) && !again.oneSolution,
               "a written code reads back to its level and seed");

  // The first bytes as a slider value of any bit pattern: always a level
  // from 0 to 10, and a hole target within its range for any difficulty.
  if (size >= sizeof(double)) {
    double slider;
    std::memcpy(&slider, data, sizeof slider);
    const int fromSlider = sliderLevel(slider);
    FUZZ_REQUIRE(fromSlider >= 0 && fromSlider <= 10, "a slider value gives a level from 0 to 10");
    if (slider >= 0.0 && slider <= 1.0) {
      FUZZ_REQUIRE(fromSlider == static_cast<int>(slider * 10.0), "inside [0, 1] the level is trunc(value * 10)");
    }
    float anyDifficulty;
    std::memcpy(&anyDifficulty, data, sizeof anyDifficulty);
    const int target = holeTarget(anyDifficulty);
    FUZZ_REQUIRE(target >= 18 && target <= 63, "any difficulty gives a hole target from 18 to 63");
  }
  return 0;
}
