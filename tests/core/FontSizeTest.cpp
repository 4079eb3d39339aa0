// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "shell/FontSize.h"

namespace {

TEST(FontSizeTest, FollowsTheCellWidthInWholePointSteps) {
  const struct {
    float ratio;
    int width;
    int current;
    std::optional<int> size;
    const char* why;
  } cases[] = {
      {0.0f, 30, 10240, std::nullopt, "no ratio measured yet"},
      {512.0f, 20, 10300, std::nullopt, "10240 is the same whole point as 10300"},
      {512.5f, 30, 10240, 15375, "the exact product, not cut to a whole point"},
      {512.0f, 20, 20480, 10240, "a narrower cell shrinks the digits"},
      {400.05f, 20, 0, 8001, "single precision: the exact product is 8000.9998"},
      {1e30f, 30, 10240, std::nullopt, "beyond any font size"},
      {INFINITY, 30, 10240, std::nullopt, "not finite"},
      {NAN, 30, 10240, std::nullopt, "not a number"},
      {-512.0f, 20, 10240, std::nullopt, "negative"},
      {512.0f, 0, 10240, std::nullopt, "a cell without width"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rescaledFontSize(c.ratio, c.width, c.current), c.size) << c.why;
  }
}

}  // namespace
