// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "files/PuzzleText.h"

namespace {

TEST(PuzzleTextTest, AcceptsDigitsAndIgnoresWhatFollows) {
  EXPECT_EQ(puzzleTextProblem(std::string(81, '0')), "");
  EXPECT_EQ(puzzleTextProblem(std::string(81, '9') + "\nanything\xff"), "");
}

TEST(PuzzleTextTest, RefusesShortTextWithItsLength) {
  EXPECT_EQ(puzzleTextProblem(std::string(80, '1')),
            "setFromString: puzzle string is too short, at 80characters.  Aborting.\n");
  EXPECT_EQ(puzzleTextProblem(""), "setFromString: puzzle string is too short, at 0characters.  Aborting.\n");
}

TEST(PuzzleTextTest, NamesTheFirstInvalidByte) {
  std::string text(81, '5');
  text[80] = '/';
  text[79] = ':';
  EXPECT_EQ(puzzleTextProblem(text),
            "setFromString: invalid character ':' encountered in puzzle string.  Aborting.\n");
}

TEST(PuzzleTextTest, EscapesBytesThatAreNotPrintable) {
  EXPECT_EQ(printableByte('a'), "a");
  EXPECT_EQ(printableByte(' '), " ");
  EXPECT_EQ(printableByte('~'), "~");
  EXPECT_EQ(printableByte(0x00), "\\x00");
  EXPECT_EQ(printableByte(0x1b), "\\x1b");
  EXPECT_EQ(printableByte(0x7f), "\\x7f");
  EXPECT_EQ(printableByte(0xff), "\\xff");
  std::string text(81, '0');
  text[0] = '\x07';
  EXPECT_EQ(puzzleTextProblem(text),
            "setFromString: invalid character '\\x07' encountered in puzzle string.  Aborting.\n");
}

}  // namespace
