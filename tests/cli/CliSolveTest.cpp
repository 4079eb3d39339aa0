// SPDX-License-Identifier: GPL-3.0-or-later
// tessary-cli solve, run as a user runs it: its output must be what the
// Solve command writes, as the solver's model works it out, followed by the
// result lines.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "../StreamCapture.h"
#include "../TempFiles.h"
#include "../core/model/ModelSolver.h"

namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

class CliSolveTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return dir_.path(name); }
  void write(const std::string& name, const std::string& bytes) { writeFile(path(name), bytes); }

  // Runs "tessary-cli solve ARGS", with input on its standard input.
  CliRun solve(const std::string& args, const std::string& input = "") { return cli("solve " + args, input); }
  // Runs "tessary-cli WORDS", with input on its standard input.
  CliRun cli(const std::string& words, const std::string& input) {
    write("stdin", input);
    const std::string command = std::string("'") + TESSARY_CLI + "' " + words + " <'" + path("stdin") +
                                "' >'" + path("stdout") + "' 2>'" + path("stderr") + "'";
    const int raw = std::system(command.c_str());
    return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(path("stdout")), readFile(path("stderr"))};
  }

  TempDir dir_;
};

// What tessary-cli must print for one puzzle line, worked out with the
// solver's model: "conflict" when a digit repeats; else whatever the search
// prints, then the Solve command's failure report (the grid as read) and
// "unsolvable", or "solved", the grid and, with moves, the moves.
std::string expectedFor(const std::string& line, bool withMoves) {
  model::Board board;
  for (uint32_t tile = 0; tile < 81; ++tile) {
    if (line[tile] >= '1' && line[tile] <= '9' && !board.Set(tile, line[tile] - '1')) return "conflict\n";
  }
  StreamCapture out(std::cout);
  board.Print();
  const std::string asRead = out.text();
  model::MoveList moves;
  const bool solved = board.Solve(moves);
  std::string text = out.text().substr(asRead.size());
  if (!solved) return text + "NOT SOLVEABLE!\n" + asRead + "unsolvable\n";
  text += "solved ";
  for (const model::Tile& tile : board.tiles) text += static_cast<char>('1' + tile.value);
  text += "\n";
  if (!withMoves) return text;
  text += "moves\n";
  for (const model::Move& m : moves) {
    text += std::to_string(m.tile) + " " + std::to_string(m.kind) + " " + std::to_string(m.value) + " " +
            std::to_string(m.currentTry) + "\n";
  }
  return text;
}

const std::string kEasy = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string kEasySolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST_F(CliSolveTest, SolvesPuzzleSetsAsTheModel) {
  // Long searches that print boards, and mistyped grids without solution.
  for (const std::string set : {"hardest.txt", "mistyped.txt"}) {
    SCOPED_TRACE(set);
    const std::string file = std::string(PUZZLE_DIR) + "/" + set;
    std::ifstream in(file);
    std::string expected, line;
    int puzzles = 0;
    while (std::getline(in, line)) {
      expected += expectedFor(line, true);
      ++puzzles;
    }
    const CliRun run = solve("--moves '" + file + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out == expected) << "the output differs from the model's";
    EXPECT_GT(puzzles, 0);
  }
}

TEST_F(CliSolveTest, ReadsStandardInputWithDotsForEmptyCells) {
  std::string dotted = kEasy;
  for (char& c : dotted) c = c == '0' ? '.' : c;
  const CliRun run = solve("", kEasy + "\n" + dotted + "\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "solved " + kEasySolved + "\nsolved " + kEasySolved + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(solve("-", kEasy).out, "solved " + kEasySolved + "\n");
}

TEST_F(CliSolveTest, ReportsEachLineThatIsNotAPuzzle) {
  std::string control = kEasy;
  control[10] = '\x1b';
  write("mixed.txt", kEasy + "\n" + kEasy.substr(0, 80) + "\n" + control + "\n\n" + kEasy + "x\n" + kEasy + "\n" +
                        "05 " + control + "\n");
  const CliRun run = solve("'" + path("mixed.txt") + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "solved " + kEasySolved + "\nsolved " + kEasySolved + "\n");
  const std::string file = path("mixed.txt");
  EXPECT_EQ(run.err, "tessary-cli solve: " + file + ":2: not a puzzle: expected 81 characters, found 80\n" +
                         "tessary-cli solve: " + file + ":3: not a puzzle: character '\\x1b' at column 11\n" +
                         "tessary-cli solve: " + file + ":5: not a puzzle: expected 81 characters, found 82\n" +
                         "tessary-cli solve: " + file + ":7: not a puzzle: character '\\x1b' at column 14\n");
}

// A line longer than any puzzle list holds ends the reading of its input,
// read no further than that line, while the files after it are still read.
TEST_F(CliSolveTest, StopsReadingAnInputAtAnOverlongLine) {
  write("long.txt", std::string(2000, '0') + "\n" + kEasy + "\n");
  write("one.txt", kEasy + "\n");
  for (const std::string& input : {path("long.txt"), std::string("/dev/zero")}) {
    SCOPED_TRACE(input);
    // Memory kept low: an input read whole would not fit.
    const std::string command = "ulimit -v 200000; '" + std::string(TESSARY_CLI) + "' count '" + input + "' '" +
                                path("one.txt") + "' >'" + path("stdout") + "' 2>'" + path("stderr") + "'";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_EQ(readFile(path("stdout")), "1\n");
    EXPECT_EQ(readFile(path("stderr")), "tessary-cli count: " + input + ":1: not a puzzle: longer than 1000 bytes\n");
  }
}

TEST_F(CliSolveTest, TakesWhatGeneratePrints) {
  // "generate CODE | solve": the code, a blank and the puzzle on one line.
  const std::string generated = path("generated");
  ASSERT_EQ(std::system((std::string("'") + TESSARY_CLI + "' generate 05-1 >'" + generated + "'").c_str()), 0);
  const std::string line = readFile(generated);
  ASSERT_EQ(line.size(), 4 + 1 + 81 + 1u);
  const std::string puzzle = line.substr(5, 81);
  // Empty lines and blanks at the end of a line, as editors leave them, are no puzzles to refuse.
  const CliRun run = solve("", line + "\n" + kEasy + " \t\r\n \n" + " 05-1 " + puzzle + "  \n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, expectedFor(puzzle, false) + "solved " + kEasySolved + "\n" + expectedFor(puzzle, false));
}

TEST_F(CliSolveTest, ReportsConflictsAndGridsWithoutSolution) {
  std::string repeat = kEasy;
  repeat[8] = '5';  // a second 5 in row 0
  // Row 0 still needs a 1, but the 1s of columns 0 and 1 leave it no place.
  std::string unsolvable = "..3456789" + std::string(72, '.');
  unsolvable[27] = unsolvable[55] = '1';
  const CliRun run = solve("", repeat + "\n" + unsolvable + "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "conflict\n" + expectedFor(unsolvable, false));
}

TEST_F(CliSolveTest, RefusesMissingFilesAndUnknownOptions) {
  write("one.txt", kEasy + "\n");
  CliRun run = solve("'" + path("none.txt") + "' '" + path("one.txt") + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "solved " + kEasySolved + "\n");
  EXPECT_EQ(run.err, "tessary-cli solve: cannot read " + path("none.txt") + "\n");

  run = solve("--verbose");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "tessary-cli solve: unknown option '--verbose'\n");
}

TEST_F(CliSolveTest, RatesEachPuzzleAndTellsItsSteps) {
  std::string oneOpen = kEasySolved;
  oneOpen[0] = '.';
  // intermediate.txt, line 1, after the singles it allows: a box's 5s all in its row.
  const std::string locked = "200008400685314729340200806000700284452806007708420000820107000000502078570080042";
  const CliRun run = cli("rate --steps", oneOpen + "\n" + kEasy.substr(0, 80) + "3\n" + locked + "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string expected =
      "naked-single\nstep naked-single cells r1c1 digits 5 places r1c1=5\nconflict\nlocked-candidates\n"
      "step locked-candidates cells r6c7,r6c8,r6c9 digits 5 rules-out 5 from r6c6\n";
  EXPECT_EQ(run.out.substr(0, expected.size()), expected);
  EXPECT_EQ(cli("rate", locked + "\n").out, "locked-candidates\n");
  EXPECT_EQ(cli("rate --moves", "").err, "tessary-cli rate: unknown option '--moves'\n");
}

}  // namespace
