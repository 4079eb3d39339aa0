// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PuzzleText.h"

#include <cstdio>

std::string printableByte(unsigned char byte) {
  if (byte >= 0x20 && byte < 0x7f) return std::string(1, static_cast<char>(byte));
  char escaped[5];
  std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
  return escaped;
}

std::string puzzleTextProblem(const std::string& text) {
  if (text.size() < kPuzzleLength) {
    // The count runs straight into "characters": saved files and scripts
    // may already match this exact line.
    return "setFromString: puzzle string is too short, at " + std::to_string(text.size()) +
           "characters.  Aborting.\n";
  }
  for (std::size_t i = 0; i < kPuzzleLength; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < '0' || c > '9') {
      return "setFromString: invalid character '" + printableByte(c) +
             "' encountered in puzzle string.  Aborting.\n";
    }
  }
  return std::string();
}
