#!/usr/bin/env bash
# bench.sh BUILD: runs every benchmark and prints its figures.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tests/with-xvfb.sh" "$build/bench/cell_changed_bench"
"$build/bench/generate_bench"
