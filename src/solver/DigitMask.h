// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Nine digits as the bits 0-8 of a mask, bit d for digit d.

inline constexpr unsigned kAllDigits = 0x1FFu;

// The lowest digit of a non-empty mask.
inline int32_t lowestDigit(unsigned digits) { return __builtin_ctz(digits); }

// Calls visit for each digit of the mask, lowest first.
template <typename Visit>
void forEachDigit(unsigned digits, Visit visit) {
  for (unsigned rest = digits; rest != 0; rest &= rest - 1) visit(lowestDigit(rest));
}

// How many digits each of the 512 masks holds: a table, since the board
// counts a tile's options this way on every Unset.
struct DigitCounts {
  uint8_t of[512] = {};
};
constexpr DigitCounts makeDigitCounts() {
  DigitCounts counts;
  for (unsigned mask = 1; mask < 512; ++mask) counts.of[mask] = static_cast<uint8_t>(counts.of[mask >> 1] + (mask & 1));
  return counts;
}
inline constexpr DigitCounts kDigitCounts = makeDigitCounts();

inline int32_t digitCount(unsigned digits) { return kDigitCounts.of[digits & kAllDigits]; }
