// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <optional>
#include <string>

// A seed code is what the title shows after Generate and what Load Seed
// reads back: two difficulty digits ("00" to "10") followed directly by the
// seed as a signed decimal, e.g. "05-1734022211". Players write codes down
// and share them, so a code must keep meaning the same puzzle: nothing here
// may change how a code is written or read.
//
// A one-solution code is the two difficulty digits, the letter 'u' and the
// seed, e.g. "05u1796837761": it names the puzzle that keeps only the holes
// that leave exactly one solution. Read the first way, such a text has no
// number in its seed part, so Generate never wrote one and no code that
// Generate wrote changes meaning.

// What a seed code asks for: the seed handed to srand and the difficulty,
// 0 (Easy) to 1 (Hard).
struct SeedCode {
  int seed;
  float difficulty;
  bool oneSolution = false;  // a one-solution code, "05u..."
};

// The slider position as a whole difficulty level: trunc(value * 10), 0 to
// 10 for a value from 0 to 1. Values outside [0, 1] (and NaN) count as the
// nearer end (NaN as 0), so that a code never gets more than two digits.
int sliderLevel(double sliderValue);

// The difficulty of a level: level / 10 in single precision.
float levelDifficulty(int level);

// The seed Generate takes from the clock: the low 32 bits of the time in
// seconds, as a signed number.
int seedFromTime(std::time_t now);

// The seed for a Generate after one that used lastSeed: the clock's seed, or
// lastSeed + 1 when the clock has not moved past lastSeed (clicks within one
// second), so that two Generates in a run never give the same puzzle. Seeds
// are compared as the clock's 32 bits run on, so the step from 2147483647 to
// -2147483648 in 2038 counts as moving on.
int nextSeed(std::time_t now, int lastSeed);

// The seed of a command that makes a new puzzle from the clock: the clock's,
// or nextSeed after lastSeed when a command of this run already took one.
// Remembers it in lastSeed, so that no two such commands share a seed.
int takeClockSeed(std::time_t now, std::optional<int>& lastSeed);

// The code of a level (0 to 10) and a seed: "0" and the level when it is 9
// or less, "10" for 10, then the seed in decimal with its '-' when negative.
std::string makeSeedCode(int level, int seed);

// The one-solution code of a level and a seed: the same with 'u' after the
// difficulty digits.
std::string makeOneSolutionCode(int level, int seed);

// Reads an integer the way the platform's sscanf reads "%d" on this text:
// blanks (space, \t, \n, \v, \f, \r) are skipped, one '+' or '-' is taken,
// then decimal digits up to the first other byte. A text with no digit
// there counts as 0. A number outside the 32-bit range is read as glibc
// does: first saturated to the range of long, as strtol does, then cut to
// its low 32 bits ("4294967296" gives 0, "2147483648" gives -2147483648,
// "99999999999999999999" gives -1, "-99999999999999999999" gives 0).
int readCodeNumber(const std::string& text);

// Reads a code as typed into Load Seed. The difficulty digits are its first
// two characters (fewer when it is shorter; characters of the UTF-8 text,
// not bytes), read as above, divided by 10 in single precision and clamped
// into [0, 1]; the seed is the rest from the third character on, read as
// above. A part that holds no number counts as 0, so an empty or garbled
// code still names a puzzle: the easiest level with seed 0 for an empty one.
// A text that begins with two ASCII digits and 'u' is a one-solution code:
// its difficulty is read from the digits in the same way, its seed from the
// rest after the 'u', read as above ("05u+12" and "05u 12x" give 12,
// "05u" gives 0, "05u4294967296" gives 0). Any other text keeps the reading
// above ("5u12", "05 u12", "05U12").
SeedCode readSeedCode(const std::string& text);

// How many cells digHoles is asked to hide at a difficulty:
// trunc(difficulty * 45.0) + 18 with the product in double precision, 18
// (Easy) to 63 (Hard). A difficulty outside [0, 1] (or NaN) counts as the
// nearer end (NaN as 0).
int holeTarget(float difficulty);
