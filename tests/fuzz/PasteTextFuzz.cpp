// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as clipboard text for Paste Puzzle: what is taken is a puzzle
// string the loader accepts, told as repeating exactly when a digit repeats,
// and pasted again reads as itself; layout put in between changes nothing.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "files/PasteText.h"
#include "files/PuzzleText.h"
#include "grid/GridReader.h"

namespace {

bool same(const PastedPuzzle& a, const PastedPuzzle& b) { return a.outcome == b.outcome && a.digits == b.digits; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const PastedPuzzle read = readPastedPuzzle(text);
  if (read.outcome != PastedPuzzle::None) {
    FUZZ_REQUIRE(puzzleTextProblem(read.digits).empty() && read.digits.size() == kPuzzleLength,
                 "a pasted puzzle is a puzzle string");
    const bool repeats = readGridText(read.digits.data(), nullptr, nullptr, nullptr, nullptr) < 0;
    FUZZ_REQUIRE((read.outcome == PastedPuzzle::Repeats) == repeats, "repeats are told exactly when a digit repeats");
    FUZZ_REQUIRE(same(readPastedPuzzle(read.digits), read), "a pasted puzzle string pastes as itself");
  }
  // A grid drawn around the same cells reads the same: layout put between
  // two characters of a line changes neither its cells nor its rows.
  std::size_t at = size / 2;
  while (at > 0 && at < size && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  std::string drawn = text;
  drawn.insert(at, "| +-=\t,\u2502");
  FUZZ_REQUIRE(same(readPastedPuzzle(drawn), read), "layout between the cells changes nothing");
  return 0;
}
