// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libintl.h>

// The texts a player reads, in the player's language where Tessary has a
// catalogue for it. Standard output and standard error stay in English:
// scripts read them.
#define _(text) gettext(text)
// Marks a text for the catalogue where it is only translated later.
#define N_(text) text

// Looks for the catalogues of the text domain "tessary" in localeDir
// (LANG/LC_MESSAGES/tessary.mo), in UTF-8 whatever the locale's character
// set, as the toolkit takes every text. The locale itself is set by the
// toolkit's start-up.
inline void bindTranslations(const char* localeDir) {
  bindtextdomain("tessary", localeDir);
  bind_textdomain_codeset("tessary", "UTF-8");
  textdomain("tessary");
}
