// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The markup of every error message box: the headline in bold, larger type,
// an empty line, then one sentence. Both go in as they are, so they must
// already be escaped for markup where they hold names from outside.
inline std::string errorMarkup(const std::string& headline, const std::string& sentence) {
  return "<b><big>" + headline + "</big></b>\n\n" + sentence;
}
