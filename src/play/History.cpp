// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/History.h"

History::History(std::size_t stepLimit) : states_(1), stepLimit_(stepLimit) {}

void History::record(const GridSnapshot& next) {
  states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, states_.end());
  states_.push_back(next);
  if (states_.size() > stepLimit_ + 1) states_.pop_front();
  position_ = states_.size() - 1;
}

void History::amend(const GridSnapshot& now) { states_[position_] = now; }

const GridSnapshot& History::undo() {
  if (canUndo()) --position_;
  return current();
}

const GridSnapshot& History::redo() {
  if (canRedo()) ++position_;
  return current();
}
