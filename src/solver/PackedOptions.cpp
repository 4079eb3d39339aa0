// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/PackedOptions.h"

#include "solver/DigitMask.h"

namespace {

constexpr uint64_t kDigitsInEveryLane = kAllDigits | uint64_t{kAllDigits} << 16 | uint64_t{kAllDigits} << 32;

// Whether some digit lies in exactly one lane of exactly one of three
// words (lanes 0-2 used, lane 3 clear), that is in exactly one of the nine
// tiles they hold.
bool oneOfNine(uint64_t w0, uint64_t w1, uint64_t w2) {
  const uint64_t once = w0 | w1 | w2;
  const uint64_t twice = (w0 & w1) | (w2 & (w0 | w1));
  // Each lane next to the OR of the other two lanes: the words rotated by
  // one lane and by two within lanes 0-2.
  const uint64_t others = (once >> 16 | once << 32) | (once >> 32 | once << 16);
  return (once & ~twice & ~others & kDigitsInEveryLane) != 0;
}

// Nine words added up lane by lane: the digits in at least one of them,
// and in at least two.
struct LaneTally {
  uint64_t once = 0;
  uint64_t twice = 0;

  void Add(uint64_t word) {
    twice |= once & word;
    once |= word;
  }
  // Bits 0-2: whether some digit lies in lane 0, 1 or 2 of exactly one word.
  uint32_t LanesWithOne() const {
    const uint64_t one = once & ~twice;
    return static_cast<uint32_t>((one & 0x1FFu) != 0) | static_cast<uint32_t>((one & 0x1FF0000u) != 0) << 1 |
           static_cast<uint32_t>((one & 0x1FF00000000ull) != 0) << 2;
  }
};

}  // namespace

PackedOptions::PackedOptions() {
  for (uint64_t& word : words_) word = kDigitsInEveryLane;
}

uint32_t PackedOptions::GroupsWithHiddenSingle(GroupKind kind) const {
  const uint64_t* const w = words_;
  // Group i of the kind, as bit i, from the three words that hold it.
  auto lone = [w](uint32_t i, uint32_t a, uint32_t b, uint32_t c) {
    return static_cast<uint32_t>(oneOfNine(w[a], w[b], w[c])) << i;
  };
  switch (kind) {
    case GroupKind::Rows:
      // A row is three consecutive words.
      return lone(0, 0, 1, 2) | lone(1, 3, 4, 5) | lone(2, 6, 7, 8) | lone(3, 9, 10, 11) | lone(4, 12, 13, 14) |
             lone(5, 15, 16, 17) | lone(6, 18, 19, 20) | lone(7, 21, 22, 23) | lone(8, 24, 25, 26);
    case GroupKind::Boxes:
      // A box is the same word of three rows in a row.
      return lone(0, 0, 3, 6) | lone(1, 1, 4, 7) | lone(2, 2, 5, 8) | lone(3, 9, 12, 15) | lone(4, 10, 13, 16) |
             lone(5, 11, 14, 17) | lone(6, 18, 21, 24) | lone(7, 19, 22, 25) | lone(8, 20, 23, 26);
    case GroupKind::Columns:
      break;
  }
  // A column is one lane of the same word in each row: the words at the
  // same place in every row hold three columns side by side.
  LaneTally thirds[3];
  for (uint32_t row = 0; row < 9; ++row) {
    thirds[0].Add(w[row * 3]);
    thirds[1].Add(w[row * 3 + 1]);
    thirds[2].Add(w[row * 3 + 2]);
  }
  return thirds[0].LanesWithOne() | thirds[1].LanesWithOne() << 3 | thirds[2].LanesWithOne() << 6;
}
