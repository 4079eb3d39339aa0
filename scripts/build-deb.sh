#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# build-deb.sh OUT: builds the Debian package from a clean copy of the
# sources (see export-source.sh) into OUT, checks it with lintian (an
# error fails, the warnings are shown), then starts the programs of the
# unpacked package:
# the game until its window shows, and `tessary-cli --version`.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

version=$(dpkg-parsechangelog -S Version)
project=$(sed -n 's/^project(Tessary VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ "$version" != "$project" ]; then
  echo "build-deb.sh: debian/changelog is at $version, the project at $project" >&2
  exit 1
fi

# The sources as a source package holds them.
source=$work/tessary-$version
scripts/export-source.sh "$source"
echo "Building tessary $version (log: $out/build.log)"
mkdir -p "$out"
if ! (cd "$source" && DEB_BUILD_OPTIONS="nocheck parallel=${JOBS:-2}" dpkg-buildpackage -us -uc -b) \
    >"$out/build.log" 2>&1; then
  tail -30 "$out/build.log" >&2
  exit 1
fi
deb=$work/tessary_${version}_$(dpkg --print-architecture).deb
cp "$deb" "$work"/*.buildinfo "$work"/*.changes "$out"/

echo "lintian:"
lintian --fail-on error "$work"/*.changes

# The unpacked programs, as the package installs them.
root=$work/root
dpkg-deb -x "$deb" "$root"
"$root/usr/games/tessary-cli" --version
tests/with-xvfb.sh bash -c '
  "$1" & game=$!
  timeout 30 xdotool search --sync --onlyvisible --pid $game >/dev/null; shown=$?
  kill $game; wait $game 2>/dev/null
  exit $shown' _ "$root/usr/games/tessary" || { echo "the packaged tessary showed no window" >&2; exit 1; }
echo "package checked: $out/$(basename "$deb")"
