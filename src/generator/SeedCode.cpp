// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/SeedCode.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace {

bool isCodeBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The byte offset just after the first `count` characters of a UTF-8 text:
// a character is a lead byte with the continuation bytes (10xxxxxx) after it.
std::size_t afterCharacters(const std::string& text, int count) {
  std::size_t at = 0;
  for (int taken = 0; taken < count && at < text.size(); ++taken) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  }
  return at;
}

// A one-solution code: two ASCII digits and 'u'. Read the designed way, the
// seed part of such a text begins with the 'u' and holds no number, so no
// code Generate wrote has this form.
bool isOneSolutionCode(const std::string& text) {
  return text.size() >= 3 && isDigit(text[0]) && isDigit(text[1]) && text[2] == 'u';
}

}  // namespace

int sliderLevel(double sliderValue) {
  if (!(sliderValue > 0.0)) return 0;
  if (sliderValue >= 1.0) return 10;
  return static_cast<int>(sliderValue * 10.0);
}

float levelDifficulty(int level) { return static_cast<float>(level) / 10.0f; }

int seedFromTime(std::time_t now) {
  // Unsigned to signed keeps the bit pattern (two's complement, and defined
  // so since C++20; GCC has always done it).
  return static_cast<int32_t>(static_cast<uint32_t>(now));
}

int nextSeed(std::time_t now, int lastSeed) {
  const uint32_t clock = static_cast<uint32_t>(seedFromTime(now));
  const uint32_t last = static_cast<uint32_t>(lastSeed);
  // Ahead of the last seed by less than half the 32-bit circle: moved on.
  const bool movedOn = clock - last - 1U < 0x80000000U;
  return static_cast<int32_t>(movedOn ? clock : last + 1U);
}

int takeClockSeed(std::time_t now, std::optional<int>& lastSeed) {
  lastSeed = lastSeed ? nextSeed(now, *lastSeed) : seedFromTime(now);
  return *lastSeed;
}

std::string makeSeedCode(int level, int seed) {
  // std::to_string never groups digits, whatever locale a stream might carry:
  // a code written as "051,234" would read back as seed 1.
  return (level <= 9 ? "0" : "") + std::to_string(level) + std::to_string(seed);
}

std::string makeOneSolutionCode(int level, int seed) {
  // The difficulty digits are always two characters.
  return makeSeedCode(level, seed).insert(2, "u");
}

int readCodeNumber(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && isCodeBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  // The magnitude saturates at that of LONG_MIN (negative) or LONG_MAX, as
  // strtol does, so that no digit string can overflow.
  const unsigned long limit =
      negative ? static_cast<unsigned long>(LONG_MAX) + 1UL : static_cast<unsigned long>(LONG_MAX);
  unsigned long magnitude = 0;
  for (; at < text.size() && isDigit(text[at]); ++at) {
    const unsigned long digit = static_cast<unsigned long>(text[at] - '0');
    magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
  }
  // Unsigned arithmetic wraps: this is the two's complement of the long value
  // (negation of the saturated LONG_MIN included), whose low 32 bits %d keeps.
  const unsigned long bits = negative ? 0UL - magnitude : magnitude;
  return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

SeedCode readSeedCode(const std::string& text) {
  const std::size_t split = afterCharacters(text, 2);
  float difficulty = levelDifficulty(readCodeNumber(text.substr(0, split)));
  if (difficulty > 1.0f) difficulty = 1.0f;
  if (difficulty < 0.0f) difficulty = 0.0f;
  if (isOneSolutionCode(text)) return SeedCode{readCodeNumber(text.substr(3)), difficulty, true};
  return SeedCode{readCodeNumber(text.substr(split)), difficulty};
}

int holeTarget(float difficulty) {
  if (!(difficulty > 0.0f)) difficulty = 0.0f;
  if (difficulty > 1.0f) difficulty = 1.0f;
  return static_cast<int>(static_cast<double>(difficulty) * 45.0) + 18;
}
