#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# test_export_source.sh SOURCE: the package's sources are exported from a
# tree without .git, as a release tarball unpacks, and hold every file of it
# but the folders a build makes.
source=$1
. "$(dirname "$0")/../checks.sh"
tree=$tmp/tessary
mkdir "$tree"
(cd "$source" && git ls-files -z | xargs -0 tar -c) | tar -x -C "$tree" || fail "copying the tree"
mkdir -p "$tree/build/src" "$tree/build-deb" && touch "$tree/build/src/made.o" "$tree/build-deb/made.deb"
"$tree/scripts/export-source.sh" "$tmp/exported" || fail "export-source.sh failed without .git"
diff <(cd "$tree" && find . -path ./build -prune -o -path ./build-deb -prune -o -type f -print | sort) \
  <(cd "$tmp/exported" && find . -type f | sort) >"$tmp/diff" || fail "the exported files differ: $(head -5 "$tmp/diff")"
finish "export-source.sh: the tree without .git exported whole, without builds"
