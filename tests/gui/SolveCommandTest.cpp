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

// What a dialog looked like while it was up.
struct SeenDialog {
  Glib::ustring text;
  bool markup = false;
  Gtk::MessageType type = Gtk::MESSAGE_OTHER;
  bool modal = false;
  bool hasParent = true;
  std::vector<int> responses;
};

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

  // Runs Solve, capturing standard output and every dialog it shows; each
  // dialog is answered with OK.
  void solve() {
    dialogs.clear();
    sigc::connection watcher = Glib::signal_timeout().connect(
        [this] {
          if (Gtk::Dialog* dialog = gui::modalDialog()) {
            SeenDialog seen;
            seen.text = gui::messageText(*dialog);
            if (auto* message = dynamic_cast<Gtk::MessageDialog*>(dialog)) {
              seen.markup = message->property_use_markup();
              seen.type = message->property_message_type();
            }
            seen.modal = dialog->get_modal();
            seen.hasParent = dialog->get_transient_for() != nullptr;
            for (Gtk::Widget* button : dialog->get_action_area()->get_children()) {
              seen.responses.push_back(dialog->get_response_for_widget(*button));
            }
            dialogs.push_back(seen);
            dialog->response(Gtk::RESPONSE_OK);
          }
          return true;
        },
        10);
    {
      StreamCapture out(std::cout);
      app.solvePuzzle();
      output = out.text();
    }
    watcher.disconnect();
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

  static guint toplevels() {
    GList* tops = gtk_window_list_toplevels();
    const guint n = g_list_length(tops);
    g_list_free(tops);
    return n;
  }

  std::string output;
  std::vector<SeenDialog> dialogs;
};

TEST_F(SolveCommandTest, EmptyGridIsSolvedAndLocked) {
  solve();
  std::string printed;
  EXPECT_EQ(gridText(), librarySolution(std::string(81, '0'), &printed));
  expectAllLocked();
  EXPECT_TRUE(dialogs.empty());
  EXPECT_EQ(output, printed);
}

TEST_F(SolveCommandTest, FullValidGridIsShownAgainLocked) {
  typeGrid(kSolution);
  solve();
  EXPECT_EQ(gridText(), kSolution);
  expectAllLocked();
  EXPECT_EQ(output, "");
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(SolveCommandTest, PlayersDigitsStayAndAreLockedWithTheRest) {
  typeGrid(kEasy);
  solve();
  const std::string solved = gridText();
  EXPECT_EQ(solved, librarySolution(kEasy));
  for (int tile = 0; tile < 81; ++tile) {
    if (kEasy[tile] != '0') {
      EXPECT_EQ(solved[tile], kEasy[tile]) << tile;
    }
  }
  expectAllLocked();
  EXPECT_EQ(output, "");
  EXPECT_TRUE(dialogs.empty());
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
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(SolveCommandTest, UnsolvableGridReportsAndStaysAsItWas) {
  typeGrid(kUnsolvable);
  const std::string before = look();
  const guint windowsBefore = toplevels();
  solve();
  EXPECT_EQ(output,
            "NOT SOLVEABLE!\n"
            "    A   B   C   D   E   F   G   H   I  \n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "1 |   |   | 3 | 4 | 5 | 6 | 7 | 8 | 9 |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "2 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "3 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "4 | 1 |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "5 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "6 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "7 |   | 1 |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "8 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "9 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n");
  ASSERT_EQ(dialogs.size(), 1u);
  const SeenDialog& dialog = dialogs[0];
  EXPECT_EQ(dialog.text, kFailureText);
  EXPECT_TRUE(dialog.markup);
  EXPECT_EQ(dialog.type, Gtk::MESSAGE_ERROR);
  EXPECT_TRUE(dialog.modal);
  EXPECT_FALSE(dialog.hasParent);
  EXPECT_EQ(dialog.responses, std::vector<int>{Gtk::RESPONSE_OK});
  EXPECT_EQ(look(), before);
  EXPECT_EQ(toplevels(), windowsBefore) << "the dialog is destroyed once answered";
}

}  // namespace
