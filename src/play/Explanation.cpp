// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Explanation.h"

#include <map>
#include <vector>

#include "play/ExplainWords.h"
#include "play/ReasoningWay.h"
#include "play/StepSentences.h"
#include "shell/Translation.h"

namespace {

// Ways longer than this show their first steps and count the rest.
constexpr std::size_t kLongestShown = 8;
constexpr std::size_t kShownOfLong = 6;

// The steps of a way not told one by one: how many, and by which techniques.
std::string remainingSteps(const std::vector<WayStep>& steps) {
  std::map<Technique, int> used;
  for (const WayStep& taken : steps) ++used[taken.step.technique];
  std::vector<std::string> names;
  for (const auto& [technique, count] : used) {
    // Translators: a technique used more than once, such as "X-wing ×2".
    names.push_back(count > 1 ? compose(_("%1 ×%2"), {techniqueName(technique), std::to_string(count)})
                              : techniqueName(technique));
  }
  // Translators: %1 is a number of steps, at least two, %2 the techniques they use.
  return compose(_("%1 more steps follow: %2."), {std::to_string(steps.size()), wordList(names)});
}

std::string wayText(const std::vector<WayStep>& way) {
  const std::vector<WayStep> ruling(way.begin(), way.end() - 1);
  const std::size_t shown = way.size() > kLongestShown ? kShownOfLong : ruling.size();
  std::string text;
  for (std::size_t i = 0; i < shown; ++i) text += ruleOutSentence(ruling[i]) + "\n";
  if (shown < ruling.size()) text += remainingSteps({ruling.begin() + shown, ruling.end()}) + "\n";
  return text + digitSentence(way.back().step, !ruling.empty());
}

std::bitset<81> marks(TileSet cells) {
  std::bitset<81> marked;
  forEachTile(cells, [&](uint32_t cell) { marked.set(cell); });
  return marked;
}

}  // namespace

Explanation explainGrid(const std::string& grid) {
  const ReasoningWay way = wayToNextDigit(grid);
  switch (way.end) {
    case ReasoningWay::End::Wrong:
      return Explanation{_("The digits entered so far cannot all be right."), -1, {}};
    case ReasoningWay::End::Full:
      return Explanation{_("Every cell already holds a digit."), -1, {}};
    case ReasoningWay::End::Stalled:
      return Explanation{_("Reasoning finds no next step here; a hint (Ctrl+H) fills in one digit."), -1, {}};
    case ReasoningWay::End::Digit:
      break;
  }
  return Explanation{wayText(way.steps), way.steps.back().step.cell, marks(way.steps.front().step.cells)};
}
