// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PasteText.h"

#include <cstring>

#include "files/PuzzleText.h"
#include "grid/GridReader.h"

namespace {

// The characters that only lay a drawn grid out on the page.
bool isLayout(char c) { return c != '\0' && std::strchr(" \t\r\n|+-=", c) != nullptr; }

bool isEmptyCell(char c) { return c == '0' || c == '.' || c == '_' || c == '*'; }

}  // namespace

PastedPuzzle readPastedPuzzle(const std::string& text) {
  std::string digits;
  for (const char c : text) {
    if (isLayout(c)) continue;
    if (digits.size() == kPuzzleLength) return {};
    if (c >= '1' && c <= '9') {
      digits += c;
    } else if (isEmptyCell(c)) {
      digits += '0';
    } else {
      return {};
    }
  }
  if (digits.size() != kPuzzleLength) return {};
  const bool repeats = readGridText(digits.data(), nullptr, nullptr, nullptr, nullptr) < 0;
  return {repeats ? PastedPuzzle::Repeats : PastedPuzzle::Givens, digits};
}
