// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PuzzleFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "files/PuzzleText.h"

namespace {

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

int readPuzzleFile(const std::string& path, std::string& text) {
  std::FILE* file = openWithoutWaiting(path, false);
  if (!file) {
    std::cerr << "openPuzzle: open failed!\n";
    return -1;
  }
  char bytes[kPuzzleLength];
  const std::size_t count = std::fread(bytes, 1, kPuzzleLength, file);
  std::fclose(file);
  const std::string got(bytes, count);
  text = got.substr(0, got.find('\0'));
  return 0;
}

int writePuzzleFile(const std::string& path, const std::string& puzzle) {
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
  return 0;
}
