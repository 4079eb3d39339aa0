// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a puzzle text, as Open and the command-line argument hand
// them to the loader: the check must accept exactly the texts whose first 81
// bytes are digits, name the first bad byte in a line that is safe for a
// terminal, and an accepted text must reach the grid cell for cell.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "files/FileCommands.h"
#include "files/PuzzleText.h"
#include "generator/GridGenerator.h"
#include "grid/GridReader.h"

namespace {

bool isDigitByte(unsigned char c) { return c >= '0' && c <= '9'; }

void checkProblem(const std::string& text) {
  const std::string problem = puzzleTextProblem(text);
  std::size_t bad = 0;
  while (bad < kPuzzleLength && bad < text.size() && isDigitByte(static_cast<unsigned char>(text[bad]))) ++bad;
  const bool accepted = text.size() >= kPuzzleLength && bad == kPuzzleLength;
  FUZZ_REQUIRE(problem.empty() == accepted, "a text is refused exactly when its first 81 bytes are not all digits");
  if (accepted) return;

  // One line, nothing but printable ASCII before its line end: whatever the
  // file holds, the diagnostic cannot drive the user's terminal.
  FUZZ_REQUIRE(problem.back() == '\n', "the diagnostic ends its line");
  for (std::size_t i = 0; i + 1 < problem.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(problem[i]);
    FUZZ_REQUIRE(c >= 0x20 && c < 0x7f, "the diagnostic holds only printable ASCII");
  }

  if (text.size() < kPuzzleLength) {
    FUZZ_REQUIRE(problem == "setFromString: puzzle string is too short, at " + std::to_string(text.size()) +
                               "characters.  Aborting.\n",
                 "a short text is refused with its length");
    return;
  }
  const std::string head = "setFromString: invalid character '";
  const std::string tail = "' encountered in puzzle string.  Aborting.\n";
  FUZZ_REQUIRE(problem.size() > head.size() + tail.size() && problem.compare(0, head.size(), head) == 0 &&
                   problem.compare(problem.size() - tail.size(), tail.size(), tail) == 0,
               "a bad byte is reported in the invalid-character line");
  // The byte between the quotes is the first bad one: as it is when
  // printable, else written \xNN.
  const std::string named = problem.substr(head.size(), problem.size() - head.size() - tail.size());
  const unsigned char c = static_cast<unsigned char>(text[bad]);
  if (named.size() == 1) {
    FUZZ_REQUIRE(static_cast<unsigned char>(named[0]) == c, "the printable bad byte is named as it is");
  } else {
    FUZZ_REQUIRE(named.size() == 4 && named[0] == '\\' && named[1] == 'x' &&
                     std::stoul(named.substr(2), nullptr, 16) == c && (c < 0x20 || c >= 0x7f),
                 "an unprintable bad byte is named as \\xNN");
  }
}

// A text of 81 bytes or more read as a grid, '1'-'9' a digit and any other
// byte an empty cell: one placement per digit, in reading order, on the cell
// of its position; conflicts exactly where a digit repeats in its row,
// column or box; and for an accepted text, the givens written back give the
// same 81 bytes.
void checkGrid(const std::string& text, bool accepted) {
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  bool conflicts[kCellCount];
  const int result = readGridText(text.data(), placements, used, shown, conflicts);

  bool anyConflict = false;
  int filled = 0;
  for (int cell = 0; cell < kCellCount; ++cell) {
    const char c = text[cell] >= '1' && text[cell] <= '9' ? text[cell] : '0';
    FUZZ_REQUIRE((shown[cell] != 0) == (c != '0'), "exactly the filled cells are shown");
    if (c == '0') {
      FUZZ_REQUIRE(!conflicts[cell], "an empty cell is never in conflict");
      continue;
    }
    const Placement& p = placements[filled++];
    FUZZ_REQUIRE(p.cell == cell && p.row == cell / 9 && p.col == cell % 9 && p.box == boxOf(cell / 9, cell % 9) &&
                     p.value == c - '1' && p.tries == 0,
                 "character i is the cell in row i / 9, column i % 9");
    bool repeats = false;
    for (int other = 0; other < kCellCount; ++other) {
      if (other == cell || text[other] != text[cell]) continue;
      const int r = other / 9, col = other % 9;
      repeats = repeats || r == cell / 9 || col == cell % 9 || boxOf(r, col) == boxOf(cell / 9, cell % 9);
    }
    FUZZ_REQUIRE(conflicts[cell] == repeats, "a cell is marked exactly when its digit repeats in a unit");
    anyConflict = anyConflict || repeats;
  }
  FUZZ_REQUIRE(result == (anyConflict ? -1 : filled), "the reader counts the digits, or says -1 on a repeat");
  for (int i = filled; i < kCellCount; ++i) {
    FUZZ_REQUIRE(placements[i].cell == -1, "records past the last digit stay as prepared");
  }
  if (accepted) {
    FUZZ_REQUIRE(givensString(placements, shown) == text.substr(0, kPuzzleLength),
                 "the grid read from a text gives back the same text");
  }
}

// The same bytes as a path chosen in the Save dialog.
void checkSavePath(const std::string& path) {
  const std::string saved = withPuzzleExtension(path);
  if (path.find('.') == std::string::npos) {
    FUZZ_REQUIRE(saved == path + ".sudoku", "a path without a dot gets the extension");
  } else {
    FUZZ_REQUIRE(saved == path, "a path with a dot is kept as chosen");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  checkProblem(text);
  if (text.size() >= kPuzzleLength) checkGrid(text, puzzleTextProblem(text).empty());
  checkSavePath(text);
  return 0;
}
