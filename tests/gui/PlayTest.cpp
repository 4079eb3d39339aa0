// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include <algorithm>

#include "GuiHelpers.h"

namespace {

const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

class PlayTest : public gui::AppTest {
 protected:
  // A left click into a cell.
  void click(int row, int col) {
    GdkEvent* event = gdk_event_new(GDK_BUTTON_PRESS);
    event->button.window = GDK_WINDOW(g_object_ref(cell(row, col).get_window()->gobj()));
    event->button.button = 1;
    gtk_widget_event(GTK_WIDGET(cell(row, col).gobj()), event);
    gdk_event_free(event);
  }
  std::string state() { return look() + window.get_title(); }
  // The labels and sensitivity of the cell menu's first, second and fourth
  // items (the third is a separator).
  std::string menuOf(int row, int col) {
    Gtk::Menu menu;
    g_signal_emit_by_name(cell(row, col).gobj(), "populate-popup", menu.gobj());
    const std::vector<Gtk::Widget*> items = menu.get_children();
    std::string shown;
    for (int i : {0, 1, 3}) {
      auto* label = dynamic_cast<Gtk::Label*>(static_cast<Gtk::MenuItem*>(items.at(i))->get_child());
      shown += (label ? label->get_text() : Glib::ustring("?")) + (items[i]->is_sensitive() ? "+ " : "- ");
    }
    return shown;
  }
  std::string textColours() {
    std::string all;
    for (int c = 0; c < 81; ++c) all += gui::textColour(cell(c / 9, c % 9));
    return all;
  }
};

TEST_F(PlayTest, UndoBringsBackWhatClearGenerateAndOpenChanged) {
  gui::TempDir dir;
  gui::writeFile(dir.path("p.sudoku"), "1" + std::string(80, '0'));
  app.setTitle("0542");
  app.generateFromSeed(42, 0.5f);
  // A digit of the player's that repeats a given of its row: both red.
  int open = 0;
  while (cell(0, open).get_editable() == false) ++open;
  const Glib::ustring given = cell(0, open == 0 ? 1 : 0).get_text();
  type(0, open, given);
  ASSERT_TRUE(gui::isRed(cell(0, open)));
  const std::string before = state();
  const std::function<void()> commands[] = {[&] { app.clearPuzzle(); }, [&] { app.generatePuzzle(); },
                                            [&] { app.openPuzzle(dir.path("p.sudoku")); }};
  for (const auto& command : commands) {
    command();
    const std::string after = state();
    EXPECT_NE(after, before);
    press(GDK_z, GDK_CONTROL_MASK);
    EXPECT_EQ(state(), before);
    press(GDK_y, GDK_CONTROL_MASK);
    EXPECT_EQ(state(), after);
    app.undo();
  }
}

TEST_F(PlayTest, MenuOffersOnlyWhatCanBeDone) {
  app.setTitle("0042");
  app.generateFromSeed(42, 0.0f);
  int open = 0;
  while (cell(0, open).get_editable() == false) ++open;
  const int given = open == 0 ? 1 : 0;
  EXPECT_EQ(menuOf(0, open), "Undo+ Redo- Hint+ ");
  EXPECT_EQ(menuOf(0, given), "Undo+ Redo- Hint- ") << "a given takes no hint";
  app.undo();
  EXPECT_EQ(menuOf(0, 0), "Undo- Redo+ Hint+ ");
  type(0, 0, "5");
  EXPECT_EQ(menuOf(0, 0), "Undo+ Redo- Hint- ") << "a filled cell takes no hint";
}

TEST_F(PlayTest, ArrowsMoveThroughEveryCellAndStopAtTheEdges) {
  app.generateFromSeed(7, 0.0f);  // mostly locked givens
  const struct {
    int fromRow, fromCol;
    guint key;
    int toRow, toCol;
  } moves[] = {{0, 0, GDK_Up, 0, 0},    {0, 0, GDK_Left, 0, 0},  {0, 0, GDK_Right, 0, 1}, {0, 0, GDK_Down, 1, 0},
               {8, 8, GDK_Down, 8, 8},  {8, 8, GDK_Right, 8, 8}, {8, 8, GDK_Left, 8, 7},  {8, 8, GDK_Up, 7, 8},
               {4, 4, GDK_KP_Up, 3, 4}, {4, 4, GDK_KP_Right, 4, 5}};
  for (const auto& m : moves) {
    cell(m.fromRow, m.fromCol).grab_focus();
    press(m.key);
    EXPECT_EQ(app.focusedCell(), m.toRow * 9 + m.toCol) << m.fromRow << "," << m.fromCol << " key " << m.key;
  }
}

TEST_F(PlayTest, AClickSelectsTheDigitSoTheNextOneReplacesIt) {
  type(2, 2, "3");
  cell(5, 5).grab_focus();
  click(2, 2);
  EXPECT_EQ(app.focusedCell(), 2 * 9 + 2);
  press(GDK_7);
  press(GDK_2);
  EXPECT_EQ(cell(2, 2).get_text(), "7") << "one character: the second key is refused";
  click(2, 2);
  press(GDK_1);
  EXPECT_EQ(cell(2, 2).get_text(), "1") << "a click into the focused cell selects its digit too";
  press(GDK_Right);
  press(GDK_x);
  EXPECT_EQ(cell(2, 3).get_text(), "");
}

// Arrowing onto a given and off again, or clicking one, leaves no cell
// with a selection but the focused open cell.
TEST_F(PlayTest, OnlyTheFocusedOpenCellShowsASelection) {
  app.writeGrid("05" + std::string(79, '0'), true);  // a given at row 1, column 2
  type(0, 0, "4");
  type(0, 2, "6");
  cell(0, 0).grab_focus();
  const std::function<void()> steps[] = {[&] { press(GDK_Right); }, [&] { press(GDK_Right); },
                                         [&] { click(0, 1); }, [&] { press(GDK_Left); }};
  for (const auto& step : steps) {
    step();
    for (int c = 0; c < 81; ++c) {
      int start = 0, end = 0;
      Gtk::Entry& entry = cell(c / 9, c % 9);
      const bool wanted = c == app.focusedCell() && entry.get_editable() && !entry.get_text().empty();
      EXPECT_EQ(entry.get_selection_bounds(start, end), wanted)
          << "cell " << c << " with the focus on " << app.focusedCell();
    }
  }
}

TEST_F(PlayTest, FocusedDigitIsBlueInEveryCellAndRedStays) {
  type(0, 0, "5");
  type(0, 8, "5");
  type(4, 4, "5");
  type(4, 5, "6");
  cell(4, 4).grab_focus();
  std::string fives(81, '-');
  fives[0] = fives[8] = fives[40] = 'b';
  EXPECT_EQ(textColours(), fives);
  EXPECT_TRUE(gui::isRed(cell(0, 0)) && gui::isRed(cell(0, 8)));
  cell(1, 1).grab_focus();
  EXPECT_EQ(textColours(), std::string(81, '-'));
  EXPECT_TRUE(gui::isRed(cell(0, 0)) && gui::isRed(cell(0, 8)));
}

TEST_F(PlayTest, OnlyThePlayersCorrectFullGridTurnsGreen) {
  std::string repeat = kSolution;
  std::swap(repeat[0], repeat[1]);
  const struct {
    std::string grid;
    bool hint;  // Ctrl+H, else Solve
    bool green;
  } cases[] = {{kSolution, true, true}, {repeat, true, false}, {kSolution, false, false}};
  for (const auto& c : cases) {
    std::string gap = c.grid;
    gap[80] = '0';
    app.setFromString(gap);
    cell(8, 8).grab_focus();
    if (c.hint) {
      type(8, 8, std::string(1, c.grid[80]));  // the hint would refuse the repeat
    } else {
      app.solvePuzzle();
    }
    const std::string colours = textColours();
    EXPECT_EQ(std::count(colours.begin(), colours.end(), 'g'), c.green ? 81 : 0) << c.grid << " hint " << c.hint;
    EXPECT_EQ(window.get_accessible()->get_description().empty(), !c.green);
  }
  app.setFromString(kSolution.substr(0, 80) + "0");
  press(GDK_h, GDK_CONTROL_MASK);
  EXPECT_EQ(cell(8, 8).get_text(), kSolution.substr(80));
  EXPECT_EQ(textColours(), std::string(81, 'g'));
  press(GDK_z, GDK_CONTROL_MASK);
  EXPECT_EQ(cell(8, 8).get_text(), "");
  EXPECT_EQ(textColours().find('g'), std::string::npos);
  press(GDK_Z, GDK_CONTROL_MASK | GDK_SHIFT_MASK);
  EXPECT_EQ(textColours(), std::string(81, 'g')) << "redo brings back the player's solved grid";
}

TEST_F(PlayTest, HintOnAGridWithoutSolutionSaysSoAndFillsNothing) {
  // The bottom right cell can take no digit: its row lacks a 2, its column has one.
  const std::string grid = "034678912" + std::string(63, '0') + "143769850";
  app.setFromString(grid);
  const auto message = gui::expectMessage();
  app.hint(40);
  gui::expectFailureBox(*message);
  EXPECT_EQ(message->markup, "<b><big>No hint</big></b>\n\n"
                             "The digits entered so far cannot all be right: the grid has no solution with them.");
  EXPECT_EQ(gridText(), grid);
}

}  // namespace
