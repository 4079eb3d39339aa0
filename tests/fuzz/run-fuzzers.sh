#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the libFuzzer targets in a clang build directory of their own.
#
#   run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]   configure if needed, build, run
#   run-fuzzers.sh --build-only BUILD_DIR          configure if needed, build
#   run-fuzzers.sh --no-build BUILD_DIR SECONDS [TARGET...]
#
# Each target (default: all) runs for SECONDS from its committed corpus in
# tests/fuzz/corpus/TARGET; what it finds new goes to BUILD_DIR/corpus/TARGET,
# a failing input to BUILD_DIR/artifacts/, and its log to BUILD_DIR/logs/.
# FUZZ_SEED fixes libFuzzer's random seed, to replay a run; a failing input
# replays alone as BUILD_DIR/tests/fuzz/fuzz_TARGET FILE.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
all_targets=(puzzle_text paste_text seed_code solver board)
build=yes run=yes
case "${1:-}" in
  --build-only) run=no; shift ;;
  --no-build) build=no; shift ;;
esac
if [ $# -lt 1 ] || { [ $run = yes ] && [ $# -lt 2 ]; }; then
  sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
dir=$1
seconds=${2:-0}
shift $(( $# >= 2 ? 2 : 1 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

if [ $build = yes ]; then
  if ! command -v clang++ >/dev/null; then
    echo "run-fuzzers.sh: clang++ is missing; scripts/install-deps.sh fuzz installs it" >&2
    exit 1
  fi
  # Configured every time, which costs little once it has been: a target
  # added since the last run is otherwise unknown to the build.
  mkdir -p "$dir"
  CC=clang CXX=clang++ cmake -S "$source_dir" -B "$dir" -DCMAKE_BUILD_TYPE= -DTESSARY_FUZZ=ON >"$dir/configure.log" 2>&1 ||
    { cat "$dir/configure.log" >&2; exit 1; }
  cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target "${all_targets[@]/#/fuzz_}"
fi
[ $run = yes ] || exit 0

mkdir -p "$dir/artifacts" "$dir/logs"
failed=0
for target in "${targets[@]}"; do
  binary="$dir/tests/fuzz/fuzz_$target"
  work="$dir/corpus/$target"
  log="$dir/logs/$target.log"
  mkdir -p "$work"
  seed_flag=()
  [ -z "${FUZZ_SEED:-}" ] || seed_flag=(-seed="$FUZZ_SEED")
  # New inputs go to the first folder only, so the committed corpus is read
  # and never written.
  if "$binary" -max_total_time="$seconds" -timeout=120 -rss_limit_mb=2048 -max_len=512 -print_final_stats=1 \
       -artifact_prefix="$dir/artifacts/$target-" "${seed_flag[@]}" \
       "$work" "$source_dir/tests/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    seed=$(sed -n 's/.*Seed: \([0-9]*\).*/\1/p' "$log" | head -1)
    echo "fuzz_$target: ${runs:-?} inputs in $seconds s, no failure (seed $seed)"
  else
    failed=1
    echo "fuzz_$target: FAILED; log $log" >&2
    tail -n 60 "$log" >&2
    ls "$dir/artifacts/$target-"* 2>/dev/null | sed 's/^/  failing input: /' >&2 || true
  fi
done
exit $failed
