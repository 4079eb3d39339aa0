// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <sstream>
#include <string>

// Captures what a stream receives while it lives: the program writes its
// diagnostics through std::cout and std::cerr.
class StreamCapture {
 public:
  explicit StreamCapture(std::ostream& stream) : stream_(stream), saved_(stream.rdbuf(captured_.rdbuf())) {}
  ~StreamCapture() { stream_.rdbuf(saved_); }
  std::string text() const { return captured_.str(); }

 private:
  std::ostream& stream_;
  std::ostringstream captured_;
  std::streambuf* saved_;
};
