// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include <ctime>
#include <algorithm>
#include <functional>
#include <string>

#include "GuiHelpers.h"
#include "generator/SeedCode.h"

namespace {

// A code whose puzzle's first row is 9_8235__7, and 918235647 when solved;
// no 4 or 6 stands in the columns or boxes of its open cells 1 and 7.
const char kCode[] = "05u1796837761";

class OneSolutionTest : public gui::AppTest {
 protected:
  // Runs an item of cell 0's menu by its label; false when it is greyed out.
  bool choose(const Glib::ustring& label) {
    Gtk::Menu menu;
    g_signal_emit_by_name(cell(0, 0).gobj(), "populate-popup", menu.gobj());
    for (Gtk::Widget* widget : menu.get_children()) {
      auto* item = dynamic_cast<Gtk::MenuItem*>(widget);
      auto* text = item ? dynamic_cast<Gtk::Label*>(item->get_child()) : nullptr;
      if (!text || text->get_text() != label) continue;
      if (!item->is_sensitive()) return false;
      item->activate();
      return true;
    }
    ADD_FAILURE() << "no menu item " << label;
    return false;
  }
  std::string state() { return look() + window.get_title(); }
  // Every digit a locked, frameless given; every other cell open and framed.
  void expectGivensLocked() {
    for (int c = 0; c < 81; ++c) {
      const bool given = !cell(c / 9, c % 9).get_text().empty();
      EXPECT_EQ(gui::lookOf(cell(c / 9, c % 9)).substr(given ? 1 : 0), given ? "---" : "ef-") << c;
    }
  }
  std::string titleCode() {
    const std::string title = window.get_title();
    return title.size() > 10 ? title.substr(9, title.size() - 10) : std::string();
  }
};

TEST_F(OneSolutionTest, CtrlNAndTheMenuItemMakeALockedOneSolutionPuzzleInOneStep) {
  const std::function<void()> commands[] = {[&] { press(GDK_n, GDK_CONTROL_MASK); },
                                            [&] { EXPECT_TRUE(choose("New Puzzle With One Solution")); }};
  app.difficulty->set_value(0.8);
  for (const auto& command : commands) {
    app.generatePuzzle();
    const int generated = readSeedCode(titleCode()).seed;
    const std::string before = state();
    const int clockBefore = seedFromTime(std::time(nullptr));
    command();
    const int clockAfter = seedFromTime(std::time(nullptr));
    const std::string code = titleCode();
    EXPECT_EQ(code.substr(0, 3), "08u");
    // The clock's second, never the seed Generate took within it.
    const int seed = readSeedCode(code).seed;
    EXPECT_TRUE(seed == std::max(clockBefore, generated + 1) || seed == std::max(clockAfter, generated + 1)) << code;
    EXPECT_EQ(gridText(), gui::puzzleOf(code));
    expectGivensLocked();
    const std::string after = state();
    press(GDK_z, GDK_CONTROL_MASK);
    EXPECT_EQ(state(), before);
    press(GDK_y, GDK_CONTROL_MASK);
    EXPECT_EQ(state(), after);
  }
}

TEST_F(OneSolutionTest, LoadSeedBuildsAOneSolutionCodesPuzzle) {
  for (const std::string code : {"10u-5", kCode}) {
    loadSeedTyping(code);
    EXPECT_EQ(window.get_title(), "Tessary (" + code + ")");
    EXPECT_EQ(gridText(), gui::puzzleOf(code));
    expectGivensLocked();
  }
}

TEST_F(OneSolutionTest, CheckDigitsTurnsWrongDigitsRedUntilTheGridChanges) {
  loadSeedTyping(kCode);
  EXPECT_FALSE(choose("Check Digits")) << "greyed out before any digit is entered";
  type(0, 7, "4");  // right
  type(0, 1, "6");  // wrong (1 is right), though it repeats nothing
  const std::string before = state();
  EXPECT_TRUE(choose("Check Digits"));
  EXPECT_EQ(gui::textColour(cell(0, 1)), 'r');
  EXPECT_EQ(gui::textColour(cell(0, 7)), '-');
  EXPECT_EQ(state(), before);
  cell(0, 1).grab_focus();
  cell(0, 7).grab_focus();
  EXPECT_EQ(gui::textColour(cell(0, 1)), 'r') << "the red outlasts a move of the focus";
  press(GDK_z, GDK_CONTROL_MASK);
  EXPECT_EQ(cell(0, 1).get_text(), "") << "the check was no step of its own";
  press(GDK_y, GDK_CONTROL_MASK);
  EXPECT_EQ(gui::textColour(cell(0, 1)), '-') << "gone with the change, not back with the grid";
}

TEST_F(OneSolutionTest, CheckDigitsSaysWhatTheDigitsSoFarAmountTo) {
  const struct {
    std::string code;  // empty for a cleared grid, without givens
    int cell;
    const char* digit;
    const char* message;
  } cases[] = {
      {kCode, 1, "1", "All digits are right so far."},
      // Several solutions; row 0 starts 002356000, so a 2 in it repeats a given.
      {"10-5", 0, "2", "The digits entered so far cannot all be right."},
      {"", 40, "5", "The digits entered so far fit a solution."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    if (c.code.empty()) {
      app.clearPuzzle();
    } else {
      loadSeedTyping(c.code);
    }
    type(c.cell / 9, c.cell % 9, c.digit);
    const auto message = gui::expectMessage();
    EXPECT_TRUE(choose("Check Digits"));
    EXPECT_TRUE(message->seen);
    EXPECT_EQ(message->type, Gtk::MESSAGE_INFO);
    EXPECT_EQ(message->markup, c.message);
  }
}

}  // namespace
