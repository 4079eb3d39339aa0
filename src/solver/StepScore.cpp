// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/StepScore.h"

#include "solver/BoardGeometry.h"

int fixedScore(const LogicStep& step) {
  switch (step.technique) {
    case Technique::NakedSingle:
      return 23;
    case Technique::HiddenSingle:
      // Easier seen in a box than along a line.
      return step.groups >= 1u << firstGroup(GroupKind::Boxes) ? 12 : 15;
    case Technique::LockedCandidates:
      // Pointing (a box confines the digit to a line) before claiming.
      return (step.ruledOutCells & kGeometry.groupBits[__builtin_ctz(step.groups >> 18) + 18]).Empty() ? 26 : 28;
    case Technique::NakedPair:
      return 30;
    case Technique::XWing:
      return 32;
    case Technique::HiddenPair:
      return 34;
    case Technique::NakedTriple:
      return 36;
    case Technique::Swordfish:
      return 38;
    case Technique::HiddenTriple:
      return 40;
    case Technique::XYWing:
      return 42;
    case Technique::XYZWing:
      return 44;
    case Technique::UniqueRectangle:
      return 45;
    case Technique::NakedQuad:
      return 50;
    case Technique::Jellyfish:
      return 52;
    case Technique::HiddenQuad:
      return 54;
    default:
      return 0;
  }
}

int lengthScore(int candidates) {
  int added = 0;
  int ceiling = 4;
  bool odd = false;
  for (int length = candidates; length > ceiling; odd = !odd) {
    ++added;
    ceiling = odd ? ceiling * 4 / 3 : ceiling * 3 / 2;
  }
  return added;
}
