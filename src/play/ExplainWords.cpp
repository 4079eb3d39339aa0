// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ExplainWords.h"

#include <iterator>

#include "shell/Translation.h"
#include "solver/DigitMask.h"

namespace {

std::string number(int n) { return std::to_string(n); }

// Items as a list whose last two join in the pattern: "a; b and c" for
// cells, whose names hold commas, and "1, 2 and 3" for digits.
std::string listOf(const std::vector<std::string>& items, const char* separator, const char* lastTwo) {
  std::string text = items.empty() ? std::string() : items.front();
  for (std::size_t i = 1; i < items.size(); ++i) {
    text = i + 1 < items.size() ? text + separator + items[i] : compose(lastTwo, {text, items[i]});
  }
  return text;
}

std::vector<std::string> digitWords(unsigned digits) {
  std::vector<std::string> words;
  forEachDigit(digits, [&](int d) { words.push_back(digitText(d)); });
  return words;
}

}  // namespace

std::string compose(const char* pattern, const std::vector<std::string>& words) {
  std::string text;
  for (const char* p = pattern; *p != '\0'; ++p) {
    const std::size_t n = p[1] >= '1' && p[1] <= '9' ? static_cast<std::size_t>(p[1] - '1') : words.size();
    if (*p == '%' && n < words.size()) {
      text += words[n];
      ++p;
    } else {
      text += *p;
    }
  }
  return text;
}

std::string digitText(int digit) { return number(digit + 1); }

// The cells' accessible names begin with the same words.
std::string cellName(int cell) {
  // Translators: a cell's name inside a sentence: %1 is its row, %2 its column, each from 1 to 9.
  return compose(_("row %1, column %2"), {number(cell / 9 + 1), number(cell % 9 + 1)});
}

std::string cellNameFirst(int cell) {
  return compose(_("Row %1, column %2"), {number(cell / 9 + 1), number(cell % 9 + 1)});
}

std::string groupName(uint32_t group) {
  const std::string index = number(static_cast<int>(group % 9) + 1);
  // Translators: a row, a column and a box inside a sentence; %1 is its number from 1 to 9, boxes
  // counted row by row from the top left.
  if (group < 9) return compose(_("row %1"), {index});
  if (group < 18) return compose(_("column %1"), {index});
  return compose(_("box %1"), {index});
}

std::string cellList(TileSet cells) {
  std::vector<std::string> names;
  forEachTile(cells, [&](uint32_t cell) { names.push_back(cellName(static_cast<int>(cell))); });
  // Translators: the last two items of a list, such as "4, 7 and 9".
  return listOf(names, "; ", _("%1 and %2"));
}

std::string wordList(const std::vector<std::string>& words) { return listOf(words, ", ", _("%1 and %2")); }

std::string digitList(unsigned digits) { return wordList(digitWords(digits)); }

std::string digitChoice(unsigned digits) {
  // Translators: the last two of a cell's candidates, such as "3, 5 or 8".
  return listOf(digitWords(digits), ", ", _("%1 or %2"));
}

std::string linesName(uint32_t lines) {
  std::vector<std::string> numbers;
  for (int g = 0; g < 18; ++g) {
    if ((lines >> g) & 1u) numbers.push_back(number(g % 9 + 1));
  }
  // Translators: two or more rows or columns; %1 is their numbers, such as "2, 5 and 7".
  return compose(lines & 0x1FFu ? _("rows %1") : _("columns %1"), {wordList(numbers)});
}

std::string techniqueName(Technique technique) {
  // Translators: the solving techniques, under the names puzzle books give them.
  static const char* const kNames[] = {N_("Naked single"),
                                       N_("Hidden single"),
                                       N_("Locked candidates"),
                                       N_("Naked pair"),
                                       N_("Hidden pair"),
                                       N_("Naked triple"),
                                       N_("Hidden triple"),
                                       N_("X-wing"),
                                       N_("Swordfish"),
                                       N_("XY-wing"),
                                       N_("XYZ-wing"),
                                       N_("Unique rectangle"),
                                       N_("Naked quad"),
                                       N_("Jellyfish"),
                                       N_("Hidden quad"),
                                       N_("W-wing"),
                                       N_("X-chain"),
                                       N_("XY-chain"),
                                       N_("Alternating inference chain"),
                                       N_("Forcing chain"),
                                       N_("Cell forcing chain"),
                                       N_("Unit forcing chain"),
                                       N_("Dynamic forcing chain"),
                                       N_("Nested forcing chain")};
  static_assert(std::size(kNames) == static_cast<std::size_t>(Technique::Search), "a name for every technique");
  return _(kNames[static_cast<int>(technique)]);
}
