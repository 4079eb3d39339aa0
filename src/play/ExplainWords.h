// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/LogicRater.h"
#include "solver/TileSet.h"

// The words Explain's sentences are made of, in the player's language.

// A translated pattern with its placeholders %1 to %9 replaced by the
// words, so that each language puts them where its sentence needs them.
std::string compose(const char* pattern, const std::vector<std::string>& words);

// A digit 0-8 as the player reads it, 1-9.
std::string digitText(int digit);
// A cell (0-80) inside a sentence, "row 3, column 5", and as it begins one.
std::string cellName(int cell);
std::string cellNameFirst(int cell);
// A row, column or box (0-26): "row 3", "column 7", "box 4".
std::string groupName(uint32_t group);
// Cells as a list: "row 1, column 2; row 1, column 5 and row 4, column 2".
std::string cellList(TileSet cells);
// Words as a list: "a, b and c".
std::string wordList(const std::vector<std::string>& words);
// Digits as a list, "1, 5 and 8", or as choices, "3 or 5".
std::string digitList(unsigned digits);
std::string digitChoice(unsigned digits);
// The rows (or the columns) of a mask of groups: "rows 2 and 7".
std::string linesName(uint32_t lines);
// A technique's name as puzzle books give it, beginning a sentence.
std::string techniqueName(Technique technique);
