#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench.sh BUILD: runs every benchmark and prints its figures.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tests/with-xvfb.sh" "$build/bench/cell_changed_bench"
"$build/bench/generate_bench"
# Puzzles with one solution, 200 seeds per level, beside qqwing generating.
"$build/bench/one_solution_bench" 200
# New Puzzle With One Solution, 200 tries per level, beside qqwing and Solo
# generating puzzles of comparable levels.
"$build/bench/level_puzzle_bench" 200
# The puzzle sets lie beside the source tree; the one grid that takes
# longest to refute gets ten minutes of CPU time at most on each side.
"$build/bench/solver_bench" "$root/tests/data/puzzles" 600
# Counting solutions: qqwing counts every one, so its runs stop at a minute.
"$build/bench/count_bench" "$root/tests/data/puzzles" 60
# The rater on every set, and its agreement with qqwing on 125 puzzles of each
# of qqwing's levels.
"$build/bench/rater_bench" "$root/tests/data/puzzles" 125
# The counter in the process against tdoku, and the sparse grids without a
# solution that once froze the hint.
"$build/bench/counter_bench" "$root/tests/data/puzzles" "$root/tests/data/sparse-no-solution.txt"
# Instructions are steady where times are not: tessary-cli on the expert set,
# counted by callgrind.
if command -v valgrind >/dev/null; then
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$build/src/cli/tessary-cli" solve \
    "$root/tests/data/puzzles/expert.txt" 2>&1 >/dev/null |
    sed -n 's/^==[0-9]*== I *refs: */tessary-cli solve expert.txt under callgrind: instructions /p'
fi
