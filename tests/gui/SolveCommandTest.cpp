// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include "GuiHelpers.h"
#include "solver/sudoku-solve.h"

namespace {

using gui::StreamCapture;

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const std::string kEasy = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
// No repeats, but row 0 has no place left for a 1.
const std::string kUnsolvable =
    "003456789000000000000000000100000000000000000000000000010000000000000000000000000";

const char kFailureText[] =
    "<b><big>Solving failed!</big></b>\n\nThe problem could not be solved.  This is probably because it is "
    "insolvable.  If you are absolutely certain that the initial grid is valid, please send it to the Tessary "
    "developers.";

class SolveCommandTest : public gui::AppTest {
 protected:
  // Types a grid into the cells as the player would; '0' leaves a cell empty.
  void typeGrid(const std::string& grid) {
    for (int cell = 0; cell < 81; ++cell) {
      if (grid[cell] != '0') type(cell / 9, cell % 9, std::string(1, grid[cell]));
    }
  }

  void expectAllLocked() {
    for (Gtk::Entry* c : app.cells) {
      EXPECT_FALSE(c->get_editable());
      EXPECT_FALSE(c->get_has_frame());
      EXPECT_FALSE(gui::isMarked(*c));
    }
  }

  // Runs Solve, capturing standard output. A dialog that no test expects
  // stays up until the watchdog fails the test.
  void solve() {
    StreamCapture out(std::cout);
    app.solvePuzzle();
    output = out.text();
    gui::settle();
  }

  // What the solver makes of a grid on its own, and what it prints meanwhile.
  static std::string librarySolution(const std::string& grid, std::string* printed = nullptr) {
    Board board;
    for (uint32_t tile = 0; tile < 81; ++tile) {
      if (grid[tile] != '0') board.Set(tile, grid[tile] - '1');
    }
    MoveList moves;
    StreamCapture out(std::cout);
    const bool solved = board.Solve(moves);
    if (printed) *printed = out.text();
    if (!solved) return "";
    std::string grid81(81, '0');
    for (int tile = 0; tile < 81; ++tile) grid81[tile] = static_cast<char>('1' + board.tiles[tile].value);
    return grid81;
  }

  std::string output;
};

// The empty grid, a full one and the player's own digits: the grid shows
// the solver's solution, all locked, and the output is the solver's.
TEST_F(SolveCommandTest, SolvedGridIsTheSolversAndAllLocked) {
  for (const std::string& grid : {std::string(81, '0'), kSolution, kEasy}) {
    SCOPED_TRACE(grid);
    app.clearPuzzle();
    typeGrid(grid);
    solve();
    std::string printed;
    EXPECT_EQ(gridText(), librarySolution(grid, &printed));
    expectAllLocked();
    EXPECT_EQ(output, printed);
  }
}

TEST_F(SolveCommandTest, RepeatedDigitDoesNothing) {
  typeGrid(kEasy);
  type(0, 8, "5");  // a second 5 in row 0
  ASSERT_TRUE(gui::isRed(cell(0, 0)));
  const std::string before = look();
  solve();
  EXPECT_EQ(look(), before);
  EXPECT_TRUE(gui::isRed(cell(0, 8)));
  EXPECT_EQ(output, "");
}

TEST_F(SolveCommandTest, UnsolvableGridReportsAndStaysAsItWas) {
  typeGrid(kUnsolvable);
  const std::string before = look();
  const std::size_t windowsBefore = gui::toplevels().size();
  auto message = gui::expectMessage();
  solve();
  // The dump of the grid as read, once.
  EXPECT_EQ(output.rfind("NOT SOLVEABLE!\n", 0), 0u) << output;
  EXPECT_EQ(output.size(), 15u + 20 * 40) << output;
  gui::expectFailureBox(*message);
  EXPECT_EQ(message->markup, kFailureText);
  EXPECT_FALSE(message->dialog.hasParent);
  EXPECT_EQ(look(), before);
  EXPECT_EQ(gui::toplevels().size(), windowsBefore) << "the dialog is destroyed once answered";
}

}  // namespace
