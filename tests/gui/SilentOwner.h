// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct _XDisplay;

// Another program that owns the clipboard and never answers: it has a
// connection of its own to the display, which is never read.
class SilentOwner {
 public:
  SilentOwner();
  ~SilentOwner();
  SilentOwner(const SilentOwner&) = delete;
  SilentOwner& operator=(const SilentOwner&) = delete;

 private:
  _XDisplay* display_;
};
