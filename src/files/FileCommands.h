// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the Open and Save commands make of the names the user picks, apart
// from the file chooser itself.

// The extension Save gives a puzzle file.
constexpr const char* kPuzzleExtension = ".sudoku";

// The path Save writes to: ".sudoku" is appended when the path is empty or
// holds no '.' anywhere, folder names included; any other path is kept as
// the user chose it.
std::string withPuzzleExtension(const std::string& path);

enum class FileCommand { Open, Save };

// The markup of the message box shown when Open or Save fails: a bold,
// larger headline, an empty line and a sentence naming the file, in the
// player's language. shownName goes in as it is, so it must already be
// escaped for markup.
std::string fileFailureMarkup(FileCommand command, const std::string& shownName);
