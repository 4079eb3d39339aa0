#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# test_catalogues.sh SOURCE BUILD: the template holds exactly the texts of
# the sources; every catalogue translates every message of the template, none
# of them fuzzy; and a German desktop shows the launcher in German.
source=$1 build=$2
. "$(dirname "$0")/../checks.sh"

"$source/scripts/make-pot.sh" "$tmp/fresh.pot" || fail "make-pot.sh"
# msgcmp DEF REF: every message of REF is in DEF. Both ways: the same set.
msgcmp --use-untranslated "$tmp/fresh.pot" "$source/po/tessary.pot" &&
  msgcmp --use-untranslated "$source/po/tessary.pot" "$tmp/fresh.pot" ||
  fail "po/tessary.pot is out of date: cmake --build build --target pot"

for language in $(cat "$source/po/LINGUAS"); do
  po=$source/po/$language.po
  # Fuzzy or untranslated messages show in the statistics beside the translated ones.
  statistics=$(msgfmt --check --statistics -o /dev/null "$po" 2>&1)
  [[ $statistics =~ ^[0-9]+\ translated\ messages\.$ ]] || fail "$language.po: $statistics"
  msgcmp "$po" "$source/po/tessary.pot" || fail "$language.po lacks messages of the template"
done

# The launcher as a German desktop reads it (a desktop takes only launchers
# whose program is on the PATH).
shown=$(env -u LANGUAGE LC_ALL=de_DE.UTF-8 PATH="$build/src/shell:$PATH" /usr/bin/python3 -c '
import sys
from gi.repository import Gio
launcher = Gio.DesktopAppInfo.new_from_filename(sys.argv[1])
print(launcher.get_generic_name() + "|" + launcher.get_description())' "$build/data/tessary.desktop")
[ "$shown" = "Sudoku-Spiel|Ein freies Su-Doku-Spiel" ] || fail "the launcher in German reads '$shown'"

finish "catalogues checked"
