// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "play/History.h"

namespace {

// A history through the states "1".."n" (told apart by their titles),
// followed by the given steps: 'u' undo, 'r' redo, a digit a new state.
// Returns the title shown after each step.
std::string play(int n, const std::string& steps, std::size_t limit = History::kStepLimit) {
  History history(limit);
  for (int i = 1; i <= n; ++i) history.record(GridSnapshot{std::string(81, '0'), {}, {}, std::to_string(i), false});
  std::string shown;
  for (char step : steps) {
    if (step == 'u') {
      shown += history.undo().title + ",";
    } else if (step == 'r') {
      shown += history.redo().title + ",";
    } else {
      history.record(GridSnapshot{std::string(81, '0'), {}, {}, std::string(1, step), false});
      shown += history.current().title + ",";
    }
  }
  return shown;
}

TEST(HistoryTest, UndoAndRedoWalkTheStatesAndANewChangeDropsRedo) {
  EXPECT_EQ(play(3, "uuuurrrr"), "2,1,,,1,2,3,3,") << "both ends stay put";
  EXPECT_EQ(play(3, "uu9rur"), "2,1,9,9,1,9,");
  EXPECT_EQ(play(5, "uuuuuu", 3), "4,3,2,2,2,2,") << "only the newest three steps are kept";
}

TEST(HistoryTest, AmendChangesTheStateUndoReturnsTo) {
  History history;
  GridSnapshot marked;
  marked.marked.set(40);
  history.amend(marked);
  history.record(GridSnapshot{});
  EXPECT_TRUE(history.undo().marked.test(40));
}

}  // namespace
