// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PuzzleLines.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

#include "files/PuzzleText.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Where the puzzle of a line begins: after its last blank, so that a line as
// "generate" prints it (the code, a blank, the puzzle) gives its puzzle. The
// line has no blanks at its end.
std::size_t puzzleStart(const std::string& line) {
  std::size_t start = line.size();
  while (start > 0 && !isBlank(line[start - 1])) --start;
  return start;
}

// Why the puzzle of a line, from start on, is not one (81 characters,
// '1'-'9', '0' or '.'), or the empty string when it is one. Columns count
// from the start of the line.
std::string puzzleProblem(const std::string& line, std::size_t start) {
  if (line.size() - start != kPuzzleLength) {
    return "expected 81 characters, found " + std::to_string(line.size() - start);
  }
  for (std::size_t i = start; i < line.size(); ++i) {
    const char c = line[i];
    if ((c < '0' || c > '9') && c != '.') {
      return "character '" + printableByte(static_cast<unsigned char>(c)) + "' at column " + std::to_string(i + 1);
    }
  }
  return std::string();
}

// No list of puzzles has a longer line: a longer one means the input is
// something else (a binary file, /dev/zero), read no further.
constexpr std::size_t kLongestLine = 1000;

enum class LineRead { Line, End, TooLong };

// Reads the next line, without its line end, into line; stops at its
// 1001st byte, so that an endless line costs no more than that.
LineRead readLine(std::istream& in, std::string& line) {
  line.clear();
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    if (c == '\n') return LineRead::Line;
    if (line.size() == kLongestLine) return LineRead::TooLong;
    line += static_cast<char>(c);
  }
  return line.empty() ? LineRead::End : LineRead::Line;
}

// Every line of one input; false if any line was not a puzzle.
bool readPuzzles(std::istream& in, const std::string& name, const std::string& command,
                 const std::function<void(const std::string&)>& handle) {
  bool allPuzzles = true;
  std::string line;
  for (long number = 1;; ++number) {
    const LineRead read = readLine(in, line);
    if (read == LineRead::End) break;
    if (read == LineRead::TooLong) {
      std::cout.flush();
      std::cerr << "tessary-cli " << command << ": " << name << ":" << number << ": not a puzzle: longer than "
                << kLongestLine << " bytes\n";
      return false;
    }
    // Blanks at the end of a line (a carriage return among them) and empty
    // lines are what editors and "echo" leave behind, not puzzles to refuse.
    while (!line.empty() && isBlank(line.back())) line.pop_back();
    if (line.empty()) continue;
    const std::size_t start = puzzleStart(line);
    const std::string problem = puzzleProblem(line, start);
    if (!problem.empty()) {
      std::cout.flush();
      std::cerr << "tessary-cli " << command << ": " << name << ":" << number << ": not a puzzle: " << problem
                << "\n";
      allPuzzles = false;
      continue;
    }
    handle(line.substr(start));
  }
  return allPuzzles;
}

}  // namespace

int readCommandLine(int argc, char** argv, std::vector<std::string>& files, const std::function<int(int& i)>& option) {
  bool options = true;
  for (int i = 0; i < argc; ++i) {
    const std::string word = argv[i];
    if (options && word == "--") {
      options = false;
    } else if (options && word.size() > 1 && word[0] == '-') {
      const int status = option(i);
      if (status >= 0) return status;
    } else {
      files.push_back(word);
    }
  }
  return -1;
}

int forEachPuzzle(const std::vector<std::string>& files, const std::string& command,
                  const std::function<void(const std::string&)>& handle) {
  int status = 0;
  for (const std::string& file : files.empty() ? std::vector<std::string>{"-"} : files) {
    if (file == "-" && fcntl(STDIN_FILENO, F_GETFD) == -1) {
      std::cerr << "tessary-cli " << command << ": cannot read standard input: " << std::strerror(errno) << "\n";
      status = 1;
      continue;
    }
    if (file == "-") {
      if (!readPuzzles(std::cin, "standard input", command, handle)) status = 1;
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cout.flush();
      std::cerr << "tessary-cli " << command << ": cannot read " << file << "\n";
      status = 1;
      continue;
    }
    if (!readPuzzles(in, file, command, handle)) status = 1;
    if (in.bad()) {
      std::cerr << "tessary-cli " << command << ": read error in " << file << "\n";
      status = 1;
    }
  }
  std::cout.flush();
  return status;
}
