#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make-pot.sh OUT: the template of every text Tessary shows a player, taken
# by xgettext from the sources, the launcher, the puzzle file type and the
# software-centre description (each recognised by its name).
set -euo pipefail
out=$(realpath -m "$1")
cd "$(dirname "$0")/.."
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
xgettext --from-code=UTF-8 --keyword=_ --keyword=N_ --add-comments=Translators: \
  --package-name=Tessary --copyright-holder="the Tessary developers" \
  -o "$out" "${sources[@]}" \
  data/tessary.desktop.in data/tessary-mime.xml.in data/io.github.tessary.Tessary.metainfo.xml.in
sed -i '1s/.*/# The texts Tessary shows a player, for its translations./' "$out"
