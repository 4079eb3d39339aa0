// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Explanation.h"

#include <vector>

#include "shell/Translation.h"
#include "solver/DigitMask.h"
#include "solver/LogicRater.h"

namespace {

// A translated text with its placeholders %1 to %9 replaced by the words,
// so that each language puts them where its sentence needs them.
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

std::string number(int n) { return std::to_string(n); }

std::string digitText(int digit) { return number(digit + 1); }

// A cell's name inside a sentence; the cells' accessible names are the
// same words as they begin one.
std::string cellName(int cell) {
  // Translators: a cell's name inside a sentence: %1 is its row, %2 its column, each from 1 to 9.
  return compose(_("row %1, column %2"), {number(cell / 9 + 1), number(cell % 9 + 1)});
}

// Items as a list: "a; b and c" for cells, whose names hold commas, and
// "1, 2 and 3" for digits.
std::string listOf(const std::vector<std::string>& items, const char* separator) {
  std::string text = items.empty() ? std::string() : items.front();
  for (std::size_t i = 1; i < items.size(); ++i) {
    // Translators: the last two items of a list, such as "4, 7 and 9".
    text = i + 1 < items.size() ? text + separator + items[i] : compose(_("%1 and %2"), {text, items[i]});
  }
  return text;
}

std::string cellList(TileSet cells) {
  std::vector<std::string> names;
  forEachTile(cells, [&](uint32_t cell) { names.push_back(cellName(static_cast<int>(cell))); });
  return listOf(names, "; ");
}

std::string digitList(unsigned digits) {
  std::vector<std::string> names;
  forEachDigit(digits, [&](int d) { names.push_back(digitText(d)); });
  return listOf(names, ", ");
}

const char* techniqueName(Technique technique) {
  // Translators: the solving techniques, under the names puzzle books give them.
  static const char* const kNames[] = {N_("Locked candidates"),
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
  return _(kNames[static_cast<int>(technique) - static_cast<int>(Technique::LockedCandidates)]);
}

// A single, told by what makes the digit the only choice.
std::string placementText(const LogicStep& step) {
  const std::string cell = cellName(step.cell);
  const std::string digit = digitText(step.digit);
  if (step.technique == Technique::NakedSingle) {
    // Translators: %1 is a cell's name as it begins a sentence ("Row 3, column 5"), %2 a digit.
    return compose(_("%1 can only hold %2: its row, column and box hold every other digit."),
                   {compose(_("Row %1, column %2"), {number(step.cell / 9 + 1), number(step.cell % 9 + 1)}), digit});
  }
  const int group = __builtin_ctz(step.groups);
  if (group < 9) return compose(_("In row %1, only %2 can hold %3."), {number(group + 1), cell, digit});
  if (group < 18) return compose(_("In column %1, only %2 can hold %3."), {number(group - 8), cell, digit});
  return compose(_("In its box, only %1 can hold %2."), {cell, digit});
}

// A step that rules candidates out, then the first placement after it.
std::string ruleOutText(const LogicStep& step, const LogicStep* placement) {
  // Translators: %1 is a technique's name, %2 the cells it looks at, %3 their digits, %4 the digits it
  // rules out and %5 the cells it rules them out of.
  std::string text = compose(_("%1 with %2 on %3 rules out %4 from %5."),
                             {techniqueName(step.technique), cellList(step.cells), digitList(step.digits),
                              digitList(step.ruledOut), cellList(step.ruledOutCells)});
  if (placement) {
    // Translators: %1 is a digit, %2 the cell it goes in.
    text += " " + compose(_("That leads to %1 in %2."), {digitText(placement->digit), cellName(placement->cell)});
  }
  return text;
}

}  // namespace

Explanation explainGrid(const std::string& grid) {
  std::vector<LogicStep> steps;
  const Rating rating = rateGrid(grid.c_str(), &steps);
  if (rating.technique == Technique::Conflict || rating.technique == Technique::NoSolution) {
    return Explanation{_("The digits entered so far cannot all be right."), -1};
  }
  // Only a full grid rates below Search without a step.
  if (steps.empty() && rating.technique < Technique::Search)
    return Explanation{_("Every cell already holds a digit."), -1};
  if (steps.empty()) {
    return Explanation{_("Reasoning alone finds no next step here. Hint fills a cell with the digit Solve would show."),
                       -1};
  }
  const LogicStep* placement = nullptr;
  for (const LogicStep& step : steps) {
    if (step.cell >= 0) {
      placement = &step;
      break;
    }
  }
  const LogicStep& first = steps.front();
  const std::string text = first.cell >= 0 ? placementText(first) : ruleOutText(first, placement);
  return Explanation{text, placement ? placement->cell : -1};
}
