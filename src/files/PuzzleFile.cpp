#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "files/PuzzleText.h"
#include "shell/App.h"

namespace {

// The grid is column-major, puzzle strings are row-major.
int cellForChar(int i) { return (i % 9) * 9 + i / 9; }

// Opens a puzzle file as fopen would with mode "r" or "w", but without
// waiting: a named pipe that no program writes to reads as empty, and one
// that no program reads from cannot be opened for writing, where fopen
// would leave the window hanging for ever with the player's grid in it.
std::FILE* openWithoutWaiting(const std::string& path, bool writing) {
  const int flags = O_NONBLOCK | (writing ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY);
  const int fd = open(path.c_str(), flags, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, writing ? "w" : "r");
  if (!file) close(fd);
  return file;
}

}  // namespace

int App::setFromString(const std::string& text) {
  // The whole text is checked before any cell changes, so a bad file never
  // leaves the player's grid half overwritten.
  const std::string problem = puzzleTextProblem(text);
  if (!problem.empty()) {
    std::cerr << problem;
    return -1;
  }
  updating = true;
  // Loaded digits are not givens: every cell is unlocked and uncoloured.
  for (Gtk::Entry* cell : cells) {
    cell->set_editable(true);
    cell->set_has_frame(true);
    cell->unset_base(Gtk::STATE_NORMAL);
  }
  for (int i = 0; i < static_cast<int>(kPuzzleLength); ++i) {
    const char c = text[i];
    cells[cellForChar(i)]->set_text(c == '0' ? std::string() : std::string(1, c));
  }
  updating = false;
  return 0;
}

std::string App::getString() {
  std::string puzzle(kPuzzleLength, '0');
  for (int i = 0; i < static_cast<int>(kPuzzleLength); ++i) {
    const Glib::ustring text = cells[cellForChar(i)]->get_text();
    if (!text.empty()) puzzle[i] = static_cast<char>(text[0] & 0xff);
  }
  return puzzle;
}

int App::openPuzzle(const std::string& path) {
  std::FILE* file = openWithoutWaiting(path, false);
  if (!file) {
    std::cerr << "openPuzzle: open failed!\n";
    return -1;
  }
  char bytes[kPuzzleLength];
  const std::size_t count = std::fread(bytes, 1, kPuzzleLength, file);
  std::fclose(file);
  // The file becomes the dialogs' preset even when its content is refused.
  fileName = path;
  std::string text(bytes, count);
  text = text.substr(0, text.find('\0'));
  return setFromString(text);
}

int App::savePuzzle(const std::string& path) {
  const std::string puzzle = getString();
  std::FILE* file = openWithoutWaiting(path, true);
  if (!file) {
    std::cerr << "savePuzzle: open failed!\n";
    return -1;
  }
  const std::size_t written = std::fwrite(puzzle.data(), 1, puzzle.size(), file);
  // The bytes may only reach the disk when the file is closed (a full disk
  // shows there), so both must succeed before the save counts.
  const bool closed = std::fclose(file) == 0;
  if (written != puzzle.size() || !closed) {
    std::cerr << "savePuzzle: write failed!\n";
    return -1;
  }
  fileName = path;
  return 0;
}
