// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include <algorithm>
#include <climits>
#include <ctime>

#include "GuiHelpers.h"
#include "generator/DifficultyBands.h"
#include "generator/LevelPuzzle.h"
#include "generator/SeedCode.h"

namespace {

class OneSolutionTest : public gui::AppTest {
 protected:
  std::string code() { return std::string(window.get_title()).substr(9, window.get_title().size() - 10); }
};

TEST_F(OneSolutionTest, CtrlNAndTheMenuItemMakeALockedOneSolutionPuzzleOfTheLevelInOneStep) {
  int previous = INT_MIN;
  for (int level : {0, 10}) {
    for (bool byKey : {true, false}) {
      app.difficulty->set_value(level / 10.0);
      app.generatePuzzle();
      const std::string before = look() + window.get_title();
      const int clock = seedFromTime(std::time(nullptr));
      byKey ? press(GDK_n, GDK_CONTROL_MASK) : (void)choose("New Puzzle With One Solution");
      // The first fitting seed from the clock's second, or from past the
      // last one this command found within it.
      const int seed = readSeedCode(code()).seed;
      Placement placements[kCellCount];
      unsigned char shown[kCellCount];
      EXPECT_TRUE(seed == firstFittingSeed(level, std::max(clock, previous + 1), placements, shown) ||
                  seed == firstFittingSeed(level, std::max(clock + 1, previous + 1), placements, shown))
          << code();
      previous = seed;
      EXPECT_EQ(code(), makeOneSolutionCode(level, seed));
      EXPECT_EQ(gridText(), gui::puzzleOf(code()));
      EXPECT_TRUE(fitsLevel(level, rateGrid(gridText().c_str()))) << code();
      for (int c = 0; c < 81; ++c) EXPECT_EQ(cell(c / 9, c % 9).get_editable(), gridText()[c] == '0') << c;
      press(GDK_z, GDK_CONTROL_MASK);
      EXPECT_EQ(look() + window.get_title(), before);
    }
  }
}

TEST_F(OneSolutionTest, LoadSeedAndCheckDigits) {
  // One solution, whose first row is 918235647 (shown: 9_8235__7), and no 4
  // or 6 stands in the columns and boxes of cells 1 and 7.
  loadSeedTyping("05u1796837761");
  EXPECT_EQ(window.get_title(), "Tessary (05u1796837761)");
  EXPECT_EQ(gridText(), gui::puzzleOf("05u1796837761"));
  type(0, 7, "4");
  auto message = gui::expectMessage();
  choose("Check Digits");
  EXPECT_EQ(message->type, Gtk::MESSAGE_INFO);
  EXPECT_EQ(message->markup, "All digits are right so far.");
  type(0, 1, "6");
  choose("Check Digits");
  EXPECT_EQ(gui::textColour(cell(0, 1)), 'r');
  EXPECT_EQ(gui::textColour(cell(0, 7)), '-');
  press(GDK_z, GDK_CONTROL_MASK);
  EXPECT_EQ(cell(0, 1).get_text(), "") << "the check was no step of its own";
  loadSeedTyping("10-5");  // several solutions, the top row 002356000
  type(0, 0, "2");
  message = gui::expectMessage();
  choose("Check Digits");
  EXPECT_EQ(message->markup, "The digits entered so far cannot all be right.");
}

}  // namespace
