// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
std::optional<int> rescaledFontSize(float fontRatio, int cellWidth, int currentSize);
