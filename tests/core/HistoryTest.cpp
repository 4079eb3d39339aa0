// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "play/History.h"

namespace {

// A state told apart by its title alone.
GridSnapshot state(int n) {
  GridSnapshot s;
  s.title = std::to_string(n);
  return s;
}

TEST(HistoryTest, UndoAndRedoWalkTheStatesInOrder) {
  History history;
  EXPECT_FALSE(history.canUndo());
  for (int n = 1; n <= 3; ++n) history.record(state(n));
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.undo().title, "2");
  EXPECT_EQ(history.undo().title, "1");
  EXPECT_EQ(history.undo().title, "");
  EXPECT_EQ(history.undo().title, "") << "the first state stays at the start";
  EXPECT_EQ(history.redo().title, "1");
  EXPECT_EQ(history.redo().title, "2");
  EXPECT_EQ(history.redo().title, "3");
  EXPECT_EQ(history.redo().title, "3") << "the last state stays at the end";
}

TEST(HistoryTest, NewChangeAfterUndoDropsTheRedoSteps) {
  History history;
  for (int n = 1; n <= 3; ++n) history.record(state(n));
  history.undo();
  history.undo();
  history.record(state(9));
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.undo().title, "1");
  EXPECT_EQ(history.redo().title, "9");
}

TEST(HistoryTest, KeepsTheNewestStepsUpToItsLimit) {
  History history(3);
  for (int n = 1; n <= 5; ++n) history.record(state(n));
  int steps = 0;
  while (history.canUndo()) {
    history.undo();
    ++steps;
  }
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(history.current().title, "2");
}

TEST(HistoryTest, AmendChangesTheStateUndoReturnsTo) {
  History history;
  history.record(state(1));
  GridSnapshot marked = state(1);
  marked.marked.set(40);
  history.amend(marked);
  history.record(state(2));
  EXPECT_TRUE(history.undo().marked.test(40));
  EXPECT_FALSE(history.undo().marked.any());
}

}  // namespace
