#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check-count.sh TESSARY_CLI PUZZLE_DIR COUNTS_DIR: tessary-cli count gives,
# for every puzzle set, the counts recorded for it (limit 2), and stops at a
# limit given on the command line.
set -eu
cli=$1
for set in "$2"/*.txt; do
  "$cli" count "$set" | cmp - "$3/$(basename "$set")"
done
empty=000000000000000000000000000000000000000000000000000000000000000000000000000000000
[ "$(echo "$empty" | "$cli" count --limit 7)" = "7+" ]
