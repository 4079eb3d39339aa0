// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FontSize.h"

#include <climits>

std::optional<int> rescaledFontSize(float fontRatio, int cellWidth, int currentSize) {
  if (fontRatio == 0.0f) return std::nullopt;
  // In single precision and truncated, as the ratio itself was measured.
  const float product = fontRatio * static_cast<float>(cellWidth);
  // A ratio measured on a cell that had no width yet would ask for a size
  // no font can have; the digits then keep the size they have.
  if (!(product > 0.0f && product < static_cast<float>(INT_MAX))) return std::nullopt;
  const int target = static_cast<int>(product);
  // Restyling 81 cells makes the toolkit renegotiate every size, so only a
  // change of whole points is worth it.
  if (target / kUnitsPerPoint == currentSize / kUnitsPerPoint) return std::nullopt;
  return target;
}
