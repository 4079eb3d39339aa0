#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# test_install.sh BUILD SOURCE: installs Tessary into a temporary DESTDIR,
# checks every installed file with its validator, checks that a desktop
# opens .sudoku files with Tessary, and starts the installed program.
build=$1 source=$2
. "$(dirname "$0")/../checks.sh"
stage=$tmp

DESTDIR=$stage cmake --install "$build" --prefix /usr/local >/dev/null || { echo "FAIL: install"; exit 1; }
root=$stage/usr/local
share=$root/share
metainfo=$share/metainfo/io.github.tessary.Tessary.metainfo.xml

for file in bin/tessary bin/tessary-cli share/applications/tessary.desktop share/mime/packages/tessary.xml \
    share/metainfo/io.github.tessary.Tessary.metainfo.xml share/icons/hicolor/scalable/apps/tessary.svg \
    share/icons/hicolor/48x48/apps/tessary.png share/icons/hicolor/128x128/apps/tessary.png \
    share/man/man6/tessary.6 share/man/man6/tessary-cli.6 share/locale/de/LC_MESSAGES/tessary.mo \
    share/locale/fr/LC_MESSAGES/tessary.mo; do
  [ -f "$root/$file" ] || fail "$file is not installed"
done
[ -x "$root/bin/tessary" ] && [ -x "$root/bin/tessary-cli" ] || fail "the programs are not executable"

# The launcher
desktop=$share/applications/tessary.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
for line in "Name=Tessary" "Comment=A free Su Doku game" "Exec=tessary %f" "Icon=tessary" \
    "MimeType=application/x-tessary-puzzle;"; do
  grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done
grep -qx 'Categories=.*Game;.*LogicGame;.*' "$desktop" || fail "desktop entry categories"

# The puzzle file type, and the launcher as its handler, as a desktop sees them
xmllint --noout "$share/mime/packages/tessary.xml" || fail "MIME type XML"
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
update-desktop-database "$share/applications" 2>/dev/null || fail "update-desktop-database"
printf '%081d' 0 > "$stage/game.sudoku"
type=$(XDG_DATA_HOME=$stage/none XDG_DATA_DIRS=$share gio info -a standard::content-type "$stage/game.sudoku" |
  sed -n 's/.*standard::content-type: //p')
[ "$type" = application/x-tessary-puzzle ] || fail "a .sudoku file is seen as '$type'"
# A desktop offers only launchers whose program is on the PATH.
handler=$(PATH=$root/bin:$PATH XDG_DATA_HOME=$stage/none XDG_DATA_DIRS=$share:/usr/share gio mime application/x-tessary-puzzle | head -1)
case "$handler" in *": tessary.desktop") ;; *) fail "Tessary is not the handler for puzzle files: $handler" ;; esac

# The software-centre description
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate"
else
  xmllint --noout "$metainfo" || fail "metainfo XML"
fi

# The icon in three sizes
xmllint --noout "$share/icons/hicolor/scalable/apps/tessary.svg" || fail "SVG icon"
for size in 48 128; do
  got=$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/tessary.png")
  [ "$got" = "${size}x${size}" ] || fail "the ${size} pixel icon is $got"
done

# The manual pages: no warnings, and the sections a reader looks for
for page in tessary tessary-cli; do
  file=$share/man/man6/$page.6
  warnings=$(groff -man -ww -z "$file" 2>&1)
  [ -z "$warnings" ] || fail "$page.6: $warnings"
  text=$(MANWIDTH=80 man -l "$file" 2>/dev/null | col -b)
  for section in NAME SYNOPSIS DESCRIPTION "SEED CODES" DIAGNOSTICS "EXIT STATUS"; do
    grep -q "^$section" <<<"$text" || fail "$page.6 has no $section"
  done
done

# The installed programs run
"$root/bin/tessary-cli" --help | grep -q "tessary-cli solve" || fail "installed tessary-cli --help"
# One version everywhere: what --version prints heads the manual pages and
# is the description's release.
version=$("$root/bin/tessary-cli" --version | sed -n 's/^tessary-cli \([0-9][0-9.]*\)$/\1/p')
[ -n "$version" ] || fail "installed tessary-cli --version"
for page in tessary tessary-cli; do
  grep "^\.TH" "$share/man/man6/$page.6" | grep -qF "\"Tessary $version\"" || fail "$page.6 is not of version $version"
done
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
"$source/tests/with-xvfb.sh" dbus-run-session -- /usr/bin/python3 \
  "$source/tests/e2e/test_startup.py" "$root/bin/tessary" 2>/dev/null || fail "installed tessary"

finish "installed and checked"
