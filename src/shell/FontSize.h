// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <climits>
#include <optional>

// The digits' size follows the cell width: sizes are Pango units, 1024 to
// the point, and widths are pixels.
constexpr int kUnitsPerPoint = 1024;

// The font size the cells should take at cellWidth, keeping fontRatio
// (Pango units per pixel of cell width, 0 while not yet measured): the
// product in single precision, truncated toward zero. Nothing (keep the
// current size) when the ratio is 0, when the product is no size a font can
// have (not finite, not positive, beyond int), or when it lies in the same
// whole point as currentSize.
// No size above largestSize is asked for, so that the digits can be kept
// to the height the window has.
std::optional<int> rescaledFontSize(float fontRatio, int cellWidth, int currentSize, int largestSize = INT_MAX);

// The largest font size at which nine rows of cells fit into rowsHeight
// pixels, from heightRatio, the font size per pixel of cell height measured
// at start (0 while not measured: no limit). A cell's height grows a little
// more slowly than its font (its frame keeps its size), so the size found
// from the start's ratio fits for every font at least as large as the
// start's. Whole points, rounded down.
int largestFittingFontSize(float heightRatio, int rowsHeight);
