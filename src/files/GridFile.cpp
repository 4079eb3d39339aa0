// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "files/PuzzleFile.h"
#include "files/PuzzleText.h"
#include "shell/App.h"

int App::setFromString(const std::string& text) {
  // The whole text is checked before any cell changes, so a bad file never
  // leaves the player's grid half overwritten.
  const std::string problem = puzzleTextProblem(text);
  if (!problem.empty()) {
    std::cerr << problem;
    return -1;
  }
  // Loaded digits are not givens: every cell is unlocked and uncoloured.
  writeGrid(text.substr(0, kPuzzleLength), false);
  recordChange(false);
  return 0;
}

std::string App::getString() {
  std::string puzzle(kPuzzleLength, '0');
  for (int i = 0; i < static_cast<int>(kPuzzleLength); ++i) {
    const Glib::ustring text = cellAt(i / 9, i % 9).get_text();
    if (!text.empty()) puzzle[i] = static_cast<char>(text[0] & 0xff);
  }
  return puzzle;
}

int App::openPuzzle(const std::string& path) {
  std::string text;
  if (readPuzzleFile(path, text) != 0) return -1;
  // The file becomes the dialogs' preset even when its content is refused.
  fileName = path;
  return setFromString(text);
}

int App::savePuzzle(const std::string& path) {
  if (writePuzzleFile(path, getString()) != 0) return -1;
  fileName = path;
  return 0;
}
