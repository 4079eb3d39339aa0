# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the shell tests: a temporary folder $tmp removed at exit, fail
# to count a broken check and go on with the others, and finish to report.
set -uo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# finish MESSAGE: MESSAGE when every check held; exit status 1 otherwise.
finish() {
  [ $failures -eq 0 ] && echo "$1"
  exit $((failures > 0))
}
