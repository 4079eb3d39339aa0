// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "play/ReasoningWay.h"

// One sentence about a step of a way, in the player's language: the
// technique, where it works and what it rules out.
std::string ruleOutSentence(const WayStep& taken);

// The sentence that ends a way: the single, its digit and its cell. After
// steps it says that the digit follows from them; alone, what in the grid
// makes it the only choice.
std::string digitSentence(const LogicStep& single, bool afterSteps);
