// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiHelpers.h"

namespace {

using gui::StreamCapture;
using gui::TempDir;

const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

class PuzzleFileTest : public gui::AppTest {
 protected:
  // Loads a puzzle through the loader, checking that it was accepted.
  void load(const std::string& puzzle) { ASSERT_EQ(app.setFromString(puzzle), 0); }

  TempDir dir;
};

TEST_F(PuzzleFileTest, LoadsDigitsRowMajor) {
  load(kPuzzle);
  EXPECT_EQ(cell(0, 0).get_text(), "5");
  EXPECT_EQ(cell(0, 1).get_text(), "3");
  EXPECT_EQ(cell(0, 2).get_text(), "");
  EXPECT_EQ(cell(1, 0).get_text(), "6");
  EXPECT_EQ(cell(8, 8).get_text(), "9");
  EXPECT_EQ(app.getString(), kPuzzle);
  for (Gtk::Entry* c : app.cells) {
    EXPECT_TRUE(c->get_editable());
    EXPECT_TRUE(c->get_has_frame());
  }
  EXPECT_FALSE(app.updating);
}

// A refused file becomes the dialogs' preset, but none of it reaches the grid.
TEST_F(PuzzleFileTest, RefusedContentLeavesTheGridAndNamesTheFile) {
  load(kPuzzle);
  const std::string before = look();
  gui::writeFile(dir.path("short"), kPuzzle.substr(0, 80));
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.openPuzzle(dir.path("short")), -1);
  EXPECT_EQ(err.text(), "setFromString: puzzle string is too short, at 80characters.  Aborting.\n");
  EXPECT_EQ(look(), before);
  EXPECT_EQ(app.fileName, dir.path("short"));
}

TEST_F(PuzzleFileTest, InvalidByteLeavesTheWholeGridAsItWas) {
  load(kPuzzle);
  app.cells[40]->modify_base(Gtk::STATE_NORMAL, app.conflictColor);
  app.cells[0]->set_editable(false);
  app.cells[0]->set_has_frame(false);
  const std::string before = look();
  std::string text(81, '1');
  text[5] = '\x1b';
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.setFromString(text), -1);
  EXPECT_EQ(err.text(), "setFromString: invalid character '\\x1b' encountered in puzzle string.  Aborting.\n");
  EXPECT_EQ(look(), before);
  EXPECT_FALSE(app.updating);
}

TEST_F(PuzzleFileTest, LoadingUnlocksAndUncoloursEveryCell) {
  for (Gtk::Entry* c : app.cells) {
    c->set_editable(false);
    c->set_has_frame(false);
    c->modify_base(Gtk::STATE_NORMAL, app.conflictColor);
  }
  load(kPuzzle);
  for (Gtk::Entry* c : app.cells) {
    EXPECT_TRUE(c->get_editable());
    EXPECT_TRUE(c->get_has_frame());
    EXPECT_FALSE(gui::isMarked(*c));
  }
}

TEST_F(PuzzleFileTest, SavedGridOpensWithTheSameDigitsUnlocked) {
  load(kPuzzle);
  // Locked givens, as a generated puzzle has them.
  cell(0, 0).set_editable(false);
  cell(0, 0).set_has_frame(false);
  ASSERT_EQ(app.savePuzzle(dir.path("round")), 0);
  EXPECT_EQ(gui::readFile(dir.path("round")), kPuzzle);
  EXPECT_EQ(app.fileName, dir.path("round"));
  load(std::string(81, '0'));
  app.fileName.clear();
  EXPECT_EQ(app.openPuzzle(dir.path("round")), 0);
  EXPECT_EQ(app.getString(), kPuzzle);
  EXPECT_EQ(app.fileName, dir.path("round"));
  EXPECT_TRUE(cell(0, 0).get_editable());
  EXPECT_TRUE(cell(0, 0).get_has_frame());
}

// A file that cannot be opened changes nothing, so the dialogs still offer
// the earlier file.
TEST_F(PuzzleFileTest, FilesThatCannotBeOpenedKeepTheGridAndTheFileName) {
  load(kPuzzle);
  app.fileName = "earlier.sudoku";
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.openPuzzle(dir.path("missing")), -1);
  EXPECT_EQ(app.savePuzzle(dir.path("no/such/folder")), -1);
  EXPECT_EQ(err.text(), "openPuzzle: open failed!\nsavePuzzle: open failed!\n");
  EXPECT_EQ(app.getString(), kPuzzle);
  EXPECT_EQ(app.fileName, "earlier.sudoku");
}

}  // namespace
