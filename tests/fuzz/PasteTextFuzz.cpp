// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as clipboard text for Paste Puzzle: a text is taken exactly when
// all its bytes are cells or layout and it holds 81 cells; what is taken is
// a puzzle string the loader accepts, and reads back as itself; layout put
// anywhere in between changes nothing.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "files/PasteText.h"
#include "files/PuzzleText.h"
#include "grid/GridReader.h"

namespace {

bool same(const PastedPuzzle& a, const PastedPuzzle& b) { return a.outcome == b.outcome && a.digits == b.digits; }

void checkTaken(const std::string& text, const PastedPuzzle& read) {
  std::size_t cells = 0;
  bool onlyCellsAndLayout = true;
  for (const char c : text) {
    const bool cell = c != '\0' && std::strchr("0123456789._*", c);
    const bool layout = c != '\0' && std::strchr(" \t\r\n|+-=", c);
    cells += cell;
    onlyCellsAndLayout = onlyCellsAndLayout && (cell || layout);
  }
  const bool taken = read.outcome != PastedPuzzle::None;
  FUZZ_REQUIRE(taken == (onlyCellsAndLayout && cells == kPuzzleLength),
               "a text is a puzzle exactly when it holds 81 cells and nothing but layout besides");
  if (!taken) return;
  FUZZ_REQUIRE(puzzleTextProblem(read.digits).empty() && read.digits.size() == kPuzzleLength,
               "a pasted puzzle is a puzzle string");
  const bool repeats = readGridText(read.digits.data(), nullptr, nullptr, nullptr, nullptr) < 0;
  FUZZ_REQUIRE((read.outcome == PastedPuzzle::Repeats) == repeats, "repeats are told exactly when a digit repeats");
  FUZZ_REQUIRE(same(readPastedPuzzle(read.digits), read), "a pasted puzzle string pastes as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const PastedPuzzle read = readPastedPuzzle(text);
  checkTaken(text, read);
  // A grid drawn around the same cells reads the same.
  std::string drawn = text;
  drawn.insert(size / 2, "| +-=\r\n\t");
  FUZZ_REQUIRE(same(readPastedPuzzle(drawn), read), "layout between the cells changes nothing");
  return 0;
}
