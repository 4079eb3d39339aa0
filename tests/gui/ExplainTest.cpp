// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include "GuiHelpers.h"

namespace {

const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

using ExplainTest = gui::AppTest;

TEST_F(ExplainTest, TellsTheNextStepAndFocusesTheCellItFills) {
  window.show();
  const struct {
    const char* what;
    std::string grid;
    std::string text;
    int focus;  // -1: the focus stays where it was
  } cases[] = {
      {"naked single", "0" + kSolution.substr(1),
       "Row 1, column 1 can only hold 5: its row, column and box hold every other digit.", 0},
      // easy.txt, line 1.
      {"hidden single", "051040000000006009040230005714000000020007000096500001007301000000000200030604010",
       "In row 2, only row 2, column 5 can hold 5.", 1 * 9 + 4},
      // intermediate.txt, line 1, after the singles it allows.
      {"locked candidates", "200008400685314729340200806000700284452806007708420000820107000000502078570080042",
       "Locked candidates with row 6, column 7; row 6, column 8 and row 6, column 9 on 5 rules out 5 from "
       "row 6, column 6. That leads to 1 in row 5, column 8.",
       4 * 9 + 7},
      // Row 9 lacks a 2 that column 9 already holds.
      {"no solution", "034678912" + std::string(63, '0') + "143769850",
       "The digits entered so far cannot all be right.", -1},
      {"full grid", kSolution, "Every cell already holds a digit.", -1},
      {"no step", std::string(81, '0'),
       "Reasoning alone finds no next step here. Hint fills a cell with the digit Solve would show.", -1},
  };
  for (const auto& c : cases) {
    app.setFromString(c.grid);
    cell(8, 8).grab_focus();
    const auto message = gui::expectMessage();
    // The first through a filled cell's menu, the others by the keys.
    &c == cases ? (void)choose("Explain", 40) : press(GDK_H, GDK_CONTROL_MASK | GDK_SHIFT_MASK);
    EXPECT_TRUE(message->seen) << c.what;
    EXPECT_EQ(message->type, Gtk::MESSAGE_INFO) << c.what;
    EXPECT_EQ(message->markup, c.text) << c.what;
    EXPECT_EQ(app.focusedCell(), c.focus < 0 ? 80 : c.focus) << c.what;
    EXPECT_EQ(gridText(), c.grid) << c.what << ": Explain fills nothing";
  }
}

}  // namespace
