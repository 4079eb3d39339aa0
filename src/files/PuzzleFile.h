// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Puzzle files on disk: the 81 bytes of a puzzle string, nothing else.
// Both operations open the file without waiting, so a named pipe with no
// program at its other end reads as empty or cannot be written, instead of
// leaving the window hanging. Failures go to standard error under the names
// of the window's file operations.

// Reads what the loader takes of a file: at most its first 81 bytes, cut at
// the first NUL byte among them; a read error gives a short text. Returns 0
// with the text, or -1 after "openPuzzle: open failed!" when the file
// cannot be opened for reading.
int readPuzzleFile(const std::string& path, std::string& text);

// Writes puzzle to path, creating the file or replacing what it held. An
// ordinary file is replaced whole: the puzzle is written to a new file in
// the same folder, flushed to the disk and renamed over the old one, which
// keeps its permissions; a symbolic link is followed to the file it names.
// Where that cannot be done (named pipes, devices, a folder that takes no
// new file) the file is written in place.
// Returns 0 once every byte is written and the file closed; -1 after
// "savePuzzle: open failed!" when it cannot be opened for writing, or after
// "savePuzzle: write failed!" when writing or closing fails (a full disk),
// the old file then being left as it was.
int writePuzzleFile(const std::string& path, const std::string& puzzle);
