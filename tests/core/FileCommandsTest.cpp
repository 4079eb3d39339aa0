// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "files/FileCommands.h"

namespace {

TEST(FileCommandsTest, AddsTheExtensionOnlyToAPathWithoutAnyDot) {
  const struct {
    std::string chosen;
    std::string saved;
  } cases[] = {
      {"/home/ann/puzzle", "/home/ann/puzzle.sudoku"},
      {"puzzle", "puzzle.sudoku"},
      {"", ".sudoku"},
      {"/home/ann/puzzle.txt", "/home/ann/puzzle.txt"},
      {"/home/ann/puzzle.sudoku", "/home/ann/puzzle.sudoku"},
      // A dot anywhere counts: in a folder name, a hidden file, a final dot.
      {"/home/ann.lee/puzzle", "/home/ann.lee/puzzle"},
      {"/home/ann/.puzzle", "/home/ann/.puzzle"},
      {"/home/ann/puzzle.", "/home/ann/puzzle."},
      {"./puzzle", "./puzzle"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(withPuzzleExtension(c.chosen), c.saved) << "chosen: '" << c.chosen << "'";
  }
}

TEST(FileCommandsTest, BuildsTheFailureMessagesFromTheirPieces) {
  EXPECT_EQ(fileFailureMarkup(FileCommand::Open, "puzzle.sudoku"),
            "<b><big>Opening failed!</big></b>\n\nThe file 'puzzle.sudoku' could not be opened.");
  EXPECT_EQ(fileFailureMarkup(FileCommand::Save, "puzzle.sudoku"),
            "<b><big>Saving failed!</big></b>\n\nThe file 'puzzle.sudoku' could not be saved.");
  EXPECT_EQ(fileFailureMarkup(FileCommand::Open, "a&amp;b"),
            "<b><big>Opening failed!</big></b>\n\nThe file 'a&amp;b' could not be opened.")
      << "the name goes in as it is given";
  EXPECT_EQ(fileFailureMarkup(FileCommand::Save, ""),
            "<b><big>Saving failed!</big></b>\n\nThe file '' could not be saved.");
}

}  // namespace
