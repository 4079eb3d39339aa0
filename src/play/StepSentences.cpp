// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/StepSentences.h"

#include "play/ExplainWords.h"
#include "shell/Translation.h"
#include "solver/BoardGeometry.h"
#include "solver/DigitMask.h"

namespace {

uint32_t lowestGroup(uint32_t groups) { return static_cast<uint32_t>(__builtin_ctz(groups)); }

std::string lockedText(const LogicStep& step) {
  const uint32_t within = step.groups & ~groupsRulingOut(step);
  // Translators: %1 is the technique's name, %2 the row, column or box it looks at, %3 a digit,
  // %4 the box or line that holds every place of the digit there, %5 the cells the digit leaves.
  return compose(_("%1: in %2, %3 can only go in %4, so it is ruled out of %5."),
                 {techniqueName(step.technique), groupName(lowestGroup(within)), digitList(step.digits),
                  groupName(lowestGroup(step.groups & ~within)), cellList(step.ruledOutCells)});
}

std::string nakedText(const LogicStep& step) {
  // Translators: %1 is the technique's name, %2 the row, column or box, %3 the cells, %4 their
  // digits, %5 the cells the digits leave.
  return compose(_("%1 in %2: %3 hold only %4 between them, so those digits are ruled out of %5."),
                 {techniqueName(step.technique), groupName(lowestGroup(step.groups)), cellList(step.cells),
                  digitList(step.digits), cellList(step.ruledOutCells)});
}

std::string hiddenText(const LogicStep& step) {
  // Translators: %1 is the technique's name, %2 the row, column or box, %3 the digits, %4 the cells.
  return compose(_("%1 in %2: %3 can only go in %4, so every other digit is ruled out of those cells."),
                 {techniqueName(step.technique), groupName(lowestGroup(step.groups)), digitList(step.digits),
                  cellList(step.cells)});
}

std::string fishText(const LogicStep& step) {
  const uint32_t base = fishBase(step);
  // Translators: %1 is the technique's name, %2 a digit, %3 the rows (or columns) it looks at,
  // %4 the columns (or rows) that hold every place of the digit in them, %5 the cells it leaves.
  return compose(_("%1 on %2: in %3, %2 can only go in %4, so it is ruled out of %5."),
                 {techniqueName(step.technique), digitList(step.digits), linesName(base),
                  linesName(step.groups & ~base), cellList(step.ruledOutCells)});
}

// A cell with its candidates: "row 1, column 2 (3 or 5)".
std::string withCandidates(uint32_t cell, const WayStep& taken) {
  // Translators: %1 is a cell's name, %2 its candidates, such as "3 or 5".
  return compose(_("%1 (%2)"), {cellName(static_cast<int>(cell)), digitChoice(taken.options[cell])});
}

std::string xyWingText(const WayStep& taken) {
  const LogicStep& step = taken.step;
  std::vector<std::string> wings;
  uint32_t pivot = 0;
  forEachTile(step.cells, [&](uint32_t cell) {
    if (taken.options[cell] & step.ruledOut) {
      wings.push_back(withCandidates(cell, taken));
    } else {
      pivot = cell;
    }
  });
  // Translators: %1 is the technique's name, %2 the pivot cell with its candidates, %3 and %4 the
  // wings with theirs, %5 the digit they share, %6 the cells that see both wings.
  return compose(_("%1 with pivot %2 and wings %3 and %4: whichever digit the pivot holds, one wing holds %5, so "
                   "%5 is ruled out of %6."),
                 {techniqueName(step.technique), withCandidates(pivot, taken), wings.at(0), wings.at(1),
                  digitList(step.ruledOut), cellList(step.ruledOutCells)});
}

std::string anyText(const LogicStep& step) {
  // Translators: %1 is a technique's name, %2 the cells it looks at, %3 their digits, %4 the digits it
  // rules out and %5 the cells it rules them out of.
  return compose(_("%1 with %2 on %3 rules out %4 from %5."),
                 {techniqueName(step.technique), cellList(step.cells), digitList(step.digits),
                  digitList(step.ruledOut), cellList(step.ruledOutCells)});
}

}  // namespace

std::string ruleOutSentence(const WayStep& taken) {
  const LogicStep& step = taken.step;
  switch (step.technique) {
    case Technique::LockedCandidates:
      return lockedText(step);
    case Technique::NakedPair:
    case Technique::NakedTriple:
      return nakedText(step);
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
      return hiddenText(step);
    case Technique::XWing:
    case Technique::Swordfish:
      return fishText(step);
    case Technique::XYWing:
      return xyWingText(taken);
    default:
      return anyText(step);
  }
}

std::string digitSentence(const LogicStep& single, bool afterSteps) {
  const std::string digit = digitText(single.digit);
  if (single.technique == Technique::NakedSingle) {
    // Translators: %1 is a cell's name ("row 3, column 5"), %2 a digit.
    if (afterSteps) return compose(_("So %1 can only hold %2."), {cellName(single.cell), digit});
    // Translators: %1 is a cell's name as it begins a sentence ("Row 3, column 5"), %2 a digit.
    return compose(_("%1 can only hold %2: its row, column and box hold every other digit."),
                   {cellNameFirst(single.cell), digit});
  }
  const uint32_t group = lowestGroup(single.groups);
  const std::string cell = cellName(single.cell);
  // Translators: %1 is a row, column or box ("row 2"), %2 a cell, %3 a digit.
  if (afterSteps) return compose(_("So in %1, only %2 can hold %3."), {groupName(group), cell, digit});
  if (group < 9) return compose(_("In row %1, only %2 can hold %3."), {std::to_string(group + 1), cell, digit});
  if (group < 18) return compose(_("In column %1, only %2 can hold %3."), {std::to_string(group - 8), cell, digit});
  return compose(_("In its box, only %1 can hold %2."), {cell, digit});
}
