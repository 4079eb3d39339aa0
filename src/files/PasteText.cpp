// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PasteText.h"

#include <cstring>

#include "files/PuzzleText.h"
#include "grid/GridReader.h"

namespace {

constexpr std::size_t kRowLength = 9;

// What one character of a pasted text is to the reader.
enum class Part { Cell, Layout, LineEnd, Other };

// The characters that only lay a grid out on the page. Line ends lay it
// out too, but also tell its rows apart.
bool isLayout(char c) { return c != '\0' && std::strchr(" \t|+-=,", c) != nullptr; }

bool isEmptyCell(char c) { return c == '0' || c == '.' || c == '_' || c == '*' || c == 'x' || c == 'X'; }

// A box-drawing character, U+2500 to U+257F, at text[at]: in UTF-8 the
// bytes E2 94 80 to E2 95 BF.
bool isBoxDrawing(const std::string& text, std::size_t at) {
  if (text.size() - at < 3 || text[at] != '\xe2') return false;
  const unsigned char second = static_cast<unsigned char>(text[at + 1]);
  const unsigned char third = static_cast<unsigned char>(text[at + 2]);
  return (second == 0x94 || second == 0x95) && third >= 0x80 && third <= 0xbf;
}

// Reads the character at text[at] and steps past it; a cell's digit, '0'
// for an empty one, goes to cell.
Part readPart(const std::string& text, std::size_t& at, char& cell) {
  const char c = text[at];
  if (isBoxDrawing(text, at)) {
    at += 3;
    return Part::Layout;
  }
  ++at;
  if (c == '\n' || c == '\r') return Part::LineEnd;
  if (isLayout(c)) return Part::Layout;
  if (c >= '1' && c <= '9') {
    cell = c;
    return Part::Cell;
  }
  if (isEmptyCell(c)) {
    cell = '0';
    return Part::Cell;
  }
  return Part::Other;
}

// The whole text as one run of cells, layout and line ends between them:
// its 81 cells, or nothing when it holds another character or another
// number of cells. Stops at the 82nd cell.
std::string wholeTextCells(const std::string& text) {
  std::string digits;
  char cell = '0';
  for (std::size_t at = 0; at < text.size();) {
    const Part part = readPart(text, at, cell);
    if (part == Part::Other) return std::string();
    if (part != Part::Cell) continue;
    if (digits.size() == kPuzzleLength) return std::string();
    digits += cell;
  }
  return digits.size() == kPuzzleLength ? digits : std::string();
}

// The first nine lines of nine cells each that follow one another, as a
// page prints a grid under its title or above its solution: lines of
// layout alone (a ruled line, a blank one) may come between them; any other
// line ends the run. Nothing when the text has no such nine lines.
std::string firstNineRows(const std::string& text) {
  std::string digits, row;
  bool mayBeRow = true;  // the line so far holds cells and layout, nine cells at most
  const auto endLine = [&] {
    if (!mayBeRow || (!row.empty() && row.size() != kRowLength)) {
      digits.clear();
    } else {
      digits += row;
    }
    row.clear();
    mayBeRow = true;
    return digits.size() == kPuzzleLength;
  };
  char cell = '0';
  for (std::size_t at = 0; at < text.size();) {
    const Part part = readPart(text, at, cell);
    if (part == Part::Cell) {
      if (row.size() == kRowLength) {
        mayBeRow = false;
      } else {
        row += cell;
      }
    } else if (part == Part::Other) {
      mayBeRow = false;
    } else if (part == Part::LineEnd && endLine()) {
      return digits;
    }
  }
  return endLine() ? digits : std::string();
}

}  // namespace

PastedPuzzle readPastedPuzzle(const std::string& text) {
  std::string digits = wholeTextCells(text);
  if (digits.empty()) digits = firstNineRows(text);
  if (digits.empty()) return {};
  const bool repeats = readGridText(digits.data(), nullptr, nullptr, nullptr, nullptr) < 0;
  return {repeats ? PastedPuzzle::Repeats : PastedPuzzle::Givens, digits};
}
