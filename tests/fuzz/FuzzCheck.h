// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run when a property does not hold. abort() makes libFuzzer keep
// the input that broke it as a crash artifact, to be replayed by running the
// target on that file.
#define FUZZ_REQUIRE(condition, what)                                                          \
  do {                                                                                         \
    if (!(condition)) {                                                                        \
      std::fprintf(stderr, "\nproperty broken: %s\n  (%s)\n  at %s:%d\n", (what), #condition, \
                   __FILE__, __LINE__);                                                        \
      std::abort();                                                                            \
    }                                                                                          \
  } while (0)
