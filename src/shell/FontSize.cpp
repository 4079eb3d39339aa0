// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FontSize.h"

#include <algorithm>
#include <climits>

std::optional<int> rescaledFontSize(float fontRatio, int cellWidth, int currentSize, int largestSize) {
  if (fontRatio == 0.0f) return std::nullopt;
  // In single precision and truncated, as the ratio itself was measured.
  const float product = fontRatio * static_cast<float>(cellWidth);
  // A ratio measured on a cell that had no width yet would ask for a size
  // no font can have; the digits then keep the size they have.
  if (!(product > 0.0f && product < static_cast<float>(INT_MAX))) return std::nullopt;
  const int target = std::min(static_cast<int>(product), largestSize);
  // Restyling 81 cells makes the toolkit renegotiate every size, so only a
  // change of whole points is worth it.
  if (target / kUnitsPerPoint == currentSize / kUnitsPerPoint) return std::nullopt;
  return target;
}

int largestFittingFontSize(float heightRatio, int rowsHeight) {
  if (!(heightRatio > 0.0f)) return INT_MAX;
  const float size = heightRatio * static_cast<float>(rowsHeight) / 9.0f;
  if (!(size < static_cast<float>(INT_MAX))) return INT_MAX;
  // Whole points down: a font of the start's size fits the rows it had then.
  return size > 0.0f ? static_cast<int>(size) / kUnitsPerPoint * kUnitsPerPoint : 0;
}
