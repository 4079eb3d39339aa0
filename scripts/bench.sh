#!/usr/bin/env bash
# bench.sh BUILD: runs every benchmark and prints its figures.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tests/with-xvfb.sh" "$build/bench/cell_changed_bench"
"$build/bench/generate_bench"
# The puzzle sets lie beside the source tree; the one grid that takes
# minutes to refute gets ten at most on each side.
"$build/bench/solver_bench" "$root/tests/data/puzzles" 600
