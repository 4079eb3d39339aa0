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

TEST_F(PuzzleFileTest, OpensAFileOfZerosAsAnEmptyGrid) {
  load(kPuzzle);
  gui::writeFile(dir.path("empty.sudoku"), std::string(81, '0'));
  EXPECT_EQ(app.openPuzzle(dir.path("empty.sudoku")), 0);
  for (Gtk::Entry* c : app.cells) {
    EXPECT_EQ(c->get_text(), "");
    EXPECT_TRUE(c->get_editable());
    EXPECT_TRUE(c->get_has_frame());
  }
  EXPECT_EQ(app.fileName, dir.path("empty.sudoku"));
}

TEST_F(PuzzleFileTest, IgnoresWhatFollowsTheFirst81Bytes) {
  gui::writeFile(dir.path("line.sudoku"), kPuzzle + "\n" + "garbage after the puzzle");
  EXPECT_EQ(app.openPuzzle(dir.path("line.sudoku")), 0);
  EXPECT_EQ(app.getString(), kPuzzle);
}

TEST_F(PuzzleFileTest, RefusesShortFilesWithTheirLength) {
  load(kPuzzle);
  const std::string before = look();
  const struct {
    std::string bytes;
    std::string message;
  } cases[] = {
      {kPuzzle.substr(0, 80), "setFromString: puzzle string is too short, at 80characters.  Aborting.\n"},
      {"", "setFromString: puzzle string is too short, at 0characters.  Aborting.\n"},
      {kPuzzle.substr(0, 40) + std::string(1, '\0') + kPuzzle.substr(41),
       "setFromString: puzzle string is too short, at 40characters.  Aborting.\n"},
  };
  for (const auto& c : cases) {
    gui::writeFile(dir.path("short"), c.bytes);
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.openPuzzle(dir.path("short")), -1);
    EXPECT_EQ(err.text(), c.message);
    EXPECT_EQ(look(), before) << "the grid must stay as it was";
    EXPECT_EQ(app.fileName, dir.path("short")) << "a refused file still becomes the preset";
  }
}

TEST_F(PuzzleFileTest, InvalidByteLeavesTheWholeGridAsItWas) {
  load(kPuzzle);
  app.cells[40]->modify_base(Gtk::STATE_NORMAL, app.conflictColor);
  app.cells[0]->set_editable(false);
  app.cells[0]->set_has_frame(false);
  const std::string before = look();
  const struct {
    char byte;
    std::string shown;
  } cases[] = {{'x', "x"}, {'\x1b', "\\x1b"}, {'\xe9', "\\xe9"}, {'\n', "\\x0a"}, {' ', " "}};
  for (const auto& c : cases) {
    std::string text(81, '1');
    text[5] = c.byte;
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.setFromString(text), -1);
    EXPECT_EQ(err.text(), "setFromString: invalid character '" + c.shown +
                              "' encountered in puzzle string.  Aborting.\n");
    EXPECT_EQ(look(), before);
    EXPECT_FALSE(app.updating);
  }
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

TEST_F(PuzzleFileTest, SavesAnEmptyGridAsExactly81Zeros) {
  EXPECT_EQ(app.savePuzzle(dir.path("out.sudoku")), 0);
  EXPECT_EQ(gui::readFile(dir.path("out.sudoku")), std::string(81, '0'));
  EXPECT_EQ(app.fileName, dir.path("out.sudoku"));
}

TEST_F(PuzzleFileTest, SavedGridOpensWithTheSameDigitsUnlocked) {
  load(kPuzzle);
  // Locked givens, as a generated puzzle has them.
  cell(0, 0).set_editable(false);
  cell(0, 0).set_has_frame(false);
  ASSERT_EQ(app.savePuzzle(dir.path("round")), 0);
  EXPECT_EQ(gui::readFile(dir.path("round")), kPuzzle);
  load(std::string(81, '0'));
  EXPECT_EQ(app.openPuzzle(dir.path("round")), 0);
  EXPECT_EQ(app.getString(), kPuzzle);
  EXPECT_TRUE(cell(0, 0).get_editable());
  EXPECT_TRUE(cell(0, 0).get_has_frame());
}

TEST_F(PuzzleFileTest, OverwritesAnExistingFile) {
  gui::writeFile(dir.path("old"), std::string(200, '7'));
  load(kPuzzle);
  ASSERT_EQ(app.savePuzzle(dir.path("old")), 0);
  EXPECT_EQ(gui::readFile(dir.path("old")), kPuzzle);
}

TEST_F(PuzzleFileTest, MissingFileChangesNothing) {
  load(kPuzzle);
  app.fileName = "earlier.sudoku";
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.openPuzzle(dir.path("missing")), -1);
  EXPECT_EQ(err.text(), "openPuzzle: open failed!\n");
  EXPECT_EQ(app.getString(), kPuzzle);
  EXPECT_EQ(app.fileName, "earlier.sudoku");
}

TEST_F(PuzzleFileTest, UnwritablePathKeepsTheFileName) {
  app.fileName = "earlier.sudoku";
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.savePuzzle(dir.path("no/such/folder")), -1);
  EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
  EXPECT_EQ(app.fileName, "earlier.sudoku");
}

TEST_F(PuzzleFileTest, FullDiskIsAFailureNotASuccess) {
  app.fileName = "earlier.sudoku";
  load(kPuzzle);
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.savePuzzle("/dev/full"), -1);
  EXPECT_EQ(err.text(), "savePuzzle: write failed!\n");
  EXPECT_EQ(app.fileName, "earlier.sudoku");
}

}  // namespace
