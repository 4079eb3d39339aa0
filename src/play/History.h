// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <cstddef>
#include <deque>
#include <string>

#include "play/Notes.h"

// What the player sees of the grid at one moment: enough to put the window
// back exactly as it was. Cells are row-major (row*9 + col).
struct GridSnapshot {
  std::string grid = std::string(81, '0');  // '1'-'9' for a digit, '0' for an empty cell
  std::bitset<81> locked;                   // givens: not editable, drawn without a frame
  std::bitset<81> marked;                   // drawn in the conflict colour
  std::string title;                        // the text the title shows behind the program's name
  bool solved = false;                      // the player's own full grid, no digit repeated
  GridNotes notes{};                        // the player's notes, kept also under a digit

  // Same digits, givens, title and notes: the marks and the solved look follow
  // from play and are not a change of their own.
  bool sameContent(const GridSnapshot& other) const {
    return grid == other.grid && locked == other.locked && title == other.title && notes == other.notes;
  }
};

// Undo and redo over whole snapshots: a list of the states play went
// through and the position of the one shown. Nothing is written to disk.
class History {
 public:
  static constexpr std::size_t kStepLimit = 10000;

  explicit History(std::size_t stepLimit = kStepLimit);

  // The state shown now.
  const GridSnapshot& current() const { return states_[position_]; }
  // A change leads to next: the states that redo would bring back are
  // dropped, and past the step limit the oldest state goes.
  void record(const GridSnapshot& next);
  // The state shown now looks different without a change (a conflict was
  // marked, say): undo must come back to it as it now is.
  void amend(const GridSnapshot& now);

  bool canUndo() const { return position_ > 0; }
  bool canRedo() const { return position_ + 1 < states_.size(); }
  // Steps back or forward and returns the state to show; at either end
  // the state shown stays.
  const GridSnapshot& undo();
  const GridSnapshot& redo();

 private:
  std::deque<GridSnapshot> states_;
  std::size_t position_ = 0;
  std::size_t stepLimit_;
};
