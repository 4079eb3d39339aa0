// SPDX-License-Identifier: GPL-3.0-or-later
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "generator/SeedCode.h"

namespace {

const int kSeeds[] = {INT_MIN, -1734022211, -100, -1, 0, 1, 7, 86400, 1734022211, INT_MAX};

TEST(SeedCodeTest, WritesTwoDifficultyDigitsThenTheSeed) {
  const char* const prefixes[11] = {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
  for (int level = 0; level <= 10; ++level) {
    EXPECT_EQ(makeSeedCode(level, 1734022211), std::string(prefixes[level]) + "1734022211");
  }
  EXPECT_EQ(makeSeedCode(5, 0), "050");
  EXPECT_EQ(makeSeedCode(5, -42), "05-42");
  EXPECT_EQ(makeSeedCode(10, INT_MIN), "10-2147483648");
  EXPECT_EQ(makeSeedCode(0, INT_MAX), "002147483647");
}

TEST(SeedCodeTest, SliderPositionsGiveWholeLevels) {
  EXPECT_EQ(sliderLevel(0.0), 0);
  EXPECT_EQ(sliderLevel(0.5), 5);
  EXPECT_EQ(sliderLevel(0.99), 9);
  EXPECT_EQ(sliderLevel(1.0), 10);
  EXPECT_EQ(sliderLevel(0.09), 0);
  EXPECT_EQ(sliderLevel(0.3), 3);  // 0.3 * 10 is 3 exactly in double precision
  EXPECT_EQ(sliderLevel(0.7), 7);
  EXPECT_EQ(sliderLevel(0.29999), 2);
  // What the slider's own steps of 0.01 reach, starting from 0.5.
  double value = 0.5;
  for (int step = 0; step < 20; ++step) value += 0.01;
  EXPECT_EQ(sliderLevel(value), static_cast<int>(value * 10.0));
  // Nothing outside the slider's range makes a code of more than two digits.
  EXPECT_EQ(sliderLevel(-0.5), 0);
  EXPECT_EQ(sliderLevel(7.0), 10);
  EXPECT_EQ(sliderLevel(std::nan("")), 0);
}

TEST(SeedCodeTest, HoleTargetsFollowTheDifficultyTable) {
  const int targets[11] = {18, 22, 27, 31, 36, 40, 45, 49, 54, 58, 63};
  for (int level = 0; level <= 10; ++level) {
    EXPECT_EQ(levelDifficulty(level), static_cast<float>(level) / 10.0f);
    EXPECT_EQ(holeTarget(levelDifficulty(level)), targets[level]) << "level " << level;
  }
  EXPECT_EQ(holeTarget(-1.0f), 18);
  EXPECT_EQ(holeTarget(3.0f), 63);
  EXPECT_EQ(holeTarget(std::nanf("")), 18);
}

TEST(SeedCodeTest, ClockSeedsAreTheLow32BitsAsASignedNumber) {
  EXPECT_EQ(seedFromTime(0), 0);
  EXPECT_EQ(seedFromTime(1734022211), 1734022211);
  EXPECT_EQ(seedFromTime(static_cast<std::time_t>(2147483648LL)), INT_MIN);
  EXPECT_EQ(seedFromTime(static_cast<std::time_t>(4294967295LL)), -1);
  EXPECT_EQ(seedFromTime(static_cast<std::time_t>(4294967296LL + 5)), 5);
  EXPECT_EQ(seedFromTime(static_cast<std::time_t>(-1)), -1);
  // A Generate within the second of the last one, or with the clock turned
  // back, takes the next seed; in 2038 the seeds run on past the wrap.
  EXPECT_EQ(nextSeed(1734022212, 1734022211), 1734022212);
  EXPECT_EQ(nextSeed(1734022211, 1734022211), 1734022212);
  EXPECT_EQ(nextSeed(1734022211, 1734022213), 1734022214);
  EXPECT_EQ(nextSeed(static_cast<std::time_t>(2147483647LL), INT_MAX), INT_MIN);
  EXPECT_EQ(nextSeed(static_cast<std::time_t>(2147483648LL), INT_MAX), INT_MIN);
  EXPECT_EQ(nextSeed(static_cast<std::time_t>(2147483649LL), INT_MAX), INT_MIN + 1);
}

TEST(SeedCodeTest, EveryCodeReadsBackToItsLevelAndSeed) {
  for (int level = 0; level <= 10; ++level) {
    for (int seed : kSeeds) {
      const std::string code = makeSeedCode(level, seed);
      const SeedCode read = readSeedCode(code);
      EXPECT_EQ(read.seed, seed) << code;
      EXPECT_EQ(read.difficulty, levelDifficulty(level)) << code;
    }
  }
}

TEST(SeedCodeTest, ClampsTheDifficultyDigits) {
  EXPECT_EQ(readSeedCode("99123").difficulty, 1.0f);
  EXPECT_EQ(readSeedCode("11123").difficulty, 1.0f);
  EXPECT_EQ(readSeedCode("-5123").difficulty, 0.0f);
  EXPECT_EQ(readSeedCode("-5123").seed, 123);
  EXPECT_EQ(readSeedCode("+7-8").difficulty, 0.7f);
  EXPECT_EQ(readSeedCode("+7-8").seed, -8);
  EXPECT_EQ(readSeedCode("99-2147483648").seed, INT_MIN);
}

TEST(SeedCodeTest, PartsWithoutANumberCountAsZero) {
  const SeedCode empty = readSeedCode("");
  EXPECT_EQ(empty.seed, 0);
  EXPECT_EQ(empty.difficulty, 0.0f);
  // One character: the difficulty digit alone, no seed.
  EXPECT_EQ(readSeedCode("7").difficulty, 0.7f);
  EXPECT_EQ(readSeedCode("7").seed, 0);
  EXPECT_EQ(readSeedCode("x").difficulty, 0.0f);
  // Letters stop a part where they begin.
  EXPECT_EQ(readSeedCode("ab12").difficulty, 0.0f);
  EXPECT_EQ(readSeedCode("ab12").seed, 12);
  EXPECT_EQ(readSeedCode("05xyz").seed, 0);
  EXPECT_EQ(readSeedCode("05xyz").difficulty, 0.5f);
  EXPECT_EQ(readSeedCode("0512abc").seed, 12);
  EXPECT_EQ(readSeedCode("5a9").difficulty, 0.5f);
  EXPECT_EQ(readSeedCode("5a9").seed, 9);
  EXPECT_EQ(readSeedCode("05-").seed, 0);
  EXPECT_EQ(readSeedCode("--5").difficulty, 0.0f);
  EXPECT_EQ(readSeedCode("--5").seed, 5);
  // Digits of other scripts are no number.
  EXPECT_EQ(readSeedCode("\xd9\xa0\xd9\xa5\xd9\xa1\xd9\xa2\xd9\xa3").seed, 0);
  EXPECT_EQ(readSeedCode("\xd9\xa0\xd9\xa5\xd9\xa1\xd9\xa2\xd9\xa3").difficulty, 0.0f);
  EXPECT_EQ(readSeedCode("07\xd9\xa3\xd9\xa3").difficulty, 0.7f);
  EXPECT_EQ(readSeedCode("07\xd9\xa3\xd9\xa3").seed, 0);
}

TEST(SeedCodeTest, SkipsLeadingBlanksInEachPart) {
  EXPECT_EQ(readSeedCode(" 5123").difficulty, 0.5f);
  EXPECT_EQ(readSeedCode(" 5123").seed, 123);
  EXPECT_EQ(readSeedCode("05  42").seed, 42);
  EXPECT_EQ(readSeedCode("\t5\n-9").seed, -9);
  // Two blanks fill the difficulty part: nothing is read from it.
  EXPECT_EQ(readSeedCode("  0599").difficulty, 0.0f);
  EXPECT_EQ(readSeedCode("  0599").seed, 599);
  EXPECT_EQ(readSeedCode("05 1 2").seed, 1);
}

TEST(SeedCodeTest, SplitsAfterTwoCharactersNotTwoBytes) {
  // "é" is two bytes but one character: the difficulty part is "é5".
  EXPECT_EQ(readSeedCode("\xc3\xa9" "512").difficulty, 0.0f);
  EXPECT_EQ(readSeedCode("\xc3\xa9" "512").seed, 12);
  EXPECT_EQ(readSeedCode("0\xe2\x82\xac" "77").seed, 77);
}

// Two ASCII digits and 'u' begin a one-solution code, its seed read from the
// rest as any seed is; any other text keeps its reading.
TEST(SeedCodeTest, ReadsOneSolutionCodesAndNothingElseAsThem) {
  const struct {
    const char* text;
    bool oneSolution;
    int seed;
    float difficulty;
  } cases[] = {
      {"05u1796837761", true, 1796837761, 0.5f},                          {"05u-3", true, -3, 0.5f},
      {"99u007", true, 7, 1.0f},       {"10u-2147483648", true, INT_MIN, 1.0f},
      {"05u", true, 0, 0.5f},          {"05u12x", true, 12, 0.5f},        {"05u+12", true, 12, 0.5f},
      {"05u 12", true, 12, 0.5f},      {"05u2147483648", true, INT_MIN, 0.5f},
      {"05u4294967296", true, 0, 0.5f},                                   {"05u-2147483649", true, INT_MAX, 0.5f},
      {"5u12", false, 12, 0.5f},       {"05 u12", false, 0, 0.5f},        {"05U12", false, 0, 0.5f},
  };
  for (const auto& c : cases) {
    const SeedCode read = readSeedCode(c.text);
    EXPECT_TRUE(read.oneSolution == c.oneSolution && read.seed == c.seed && read.difficulty == c.difficulty)
        << c.text;
  }
  EXPECT_EQ(makeOneSolutionCode(5, 1796837761), "05u1796837761");
  EXPECT_EQ(makeOneSolutionCode(10, -5), "10u-5");
}

// The reader against the platform's own sscanf("%d") wherever sscanf's
// result is defined (the number fits in 32 bits); where sscanf converts
// nothing, the reader gives 0.
TEST(ReadCodeNumberTest, AgreesWithSscanfInRange) {
  const char* const texts[] = {
      "0", "7", "-7", "+7", "007", "-0", "2147483647", "-2147483648", "  42", "\t\n\v\f\r-3", "12ab",
      "1,234", "0x1f", "1e5", "- 5", "+-5", "-", "+", "", " ", "abc", "5 6", "\xc2\xa0" "5", "3.9",
      "00000000000000000000000000012"};
  for (const char* text : texts) {
    int expected = 0;
    std::sscanf(text, "%d", &expected);
    EXPECT_EQ(readCodeNumber(text), expected) << '"' << text << '"';
  }
  std::srand(2718);
  const char pieces[][4] = {" ", "\t", "+", "-", "0", "9", "x", ".", "--"};
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int count = std::rand() % 4;
    for (int i = 0; i < count; ++i) text += pieces[std::rand() % 9];
    text += std::to_string(std::rand() % 200000 - 100000);
    if (std::rand() % 2) text += pieces[std::rand() % 9];
    int expected = 0;
    std::sscanf(text.c_str(), "%d", &expected);
    EXPECT_EQ(readCodeNumber(text), expected) << '"' << text << '"';
  }
}

// Outside 32 bits sscanf's result is undefined by the language; glibc 2.36
// on x86-64 was seen to saturate to the 64-bit long as strtol does and keep
// the low 32 bits. These are the values it gave.
TEST(ReadCodeNumberTest, ReadsOverflowAsGlibcDoes) {
  EXPECT_EQ(readCodeNumber("2147483648"), INT_MIN);
  EXPECT_EQ(readCodeNumber("-2147483649"), INT_MAX);
  EXPECT_EQ(readCodeNumber("4294967295"), -1);
  EXPECT_EQ(readCodeNumber("4294967296"), 0);
  EXPECT_EQ(readCodeNumber("12345678901"), -539222987);
  EXPECT_EQ(readCodeNumber("9223372036854775807"), -1);
  EXPECT_EQ(readCodeNumber("9223372036854775808"), -1);
  EXPECT_EQ(readCodeNumber("99999999999999999999"), -1);
  EXPECT_EQ(readCodeNumber("-9223372036854775808"), 0);
  EXPECT_EQ(readCodeNumber("-9223372036854775809"), 0);
  EXPECT_EQ(readCodeNumber("-99999999999999999999"), 0);
  EXPECT_EQ(readCodeNumber(std::string(5000, '9')), -1);
  EXPECT_EQ(readSeedCode("0512345678901").seed, -539222987);
}

}  // namespace
