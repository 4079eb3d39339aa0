// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// Reads the command line of a command that takes options and then puzzle
// files. A word is an option when it begins with '-' (a lone "-" names
// standard input) and no "--" came before it; option gets its index, may
// step past the option's value, and returns the exit status to stop with,
// or -1 to go on. The other words are the files. Returns -1 when the whole
// command line was read, else the status option stopped with.
int readCommandLine(int argc, char** argv, std::vector<std::string>& files, const std::function<int(int& i)>& option);

// Reads puzzles, one per line and each perhaps after a seed code and a
// blank, as generate prints them, from the files or, without any, from
// standard input ("-" names it too), and hands each puzzle's 81 characters
// to handle. Empty lines and blanks at a line's end are passed over. A line
// that is not a puzzle, and a file that cannot be read, are reported on
// standard error as "tessary-cli COMMAND: ..." and skipped. Returns the exit
// status: 0, or 1 when anything was reported.
int forEachPuzzle(const std::vector<std::string>& files, const std::string& command,
                  const std::function<void(const std::string&)>& handle);
