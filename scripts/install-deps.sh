#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian's archive, whichever of the named package groups'
# packages are missing. Groups: build, test, bench, fuzz, deb.
set -euo pipefail

declare -A groups=(
  [build]="g++ make cmake pkg-config libgtkmm-2.4-dev gettext shared-mime-info"
  [test]="googletest libgtest-dev libx11-dev xvfb xauth xdotool imagemagick dbus at-spi2-core libgail-common python3 python3-pyatspi python3-xlib x11-utils
         desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin groff-base man-db bsdextrautils
         locales python3-gi"
  [bench]="libbenchmark-dev qqwing sgt-puzzles valgrind xvfb"
  # The sanitizer and fuzzer runtimes follow clang's version: see below.
  [fuzz]="clang"
  [deb]="debhelper dpkg-dev fakeroot lintian xvfb xauth xdotool"
)

wanted=()
for group in "${@:-build test}"; do
  for group_name in $group; do wanted+=(${groups[$group_name]}); done
done

# Installs whichever of the packages named are missing.
install_missing() {
  local missing=() package status
  for package in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  # A fresh machine may have empty package lists.
  if ! ls /var/lib/apt/lists/*_Packages* >/dev/null 2>&1; then
    "${as_root[@]}" apt-get update -q
  fi
  if ! "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    # Stale lists name versions the mirror no longer has.
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

install_missing "${wanted[@]}"

# libFuzzer and the sanitizers come with the runtime of the clang now
# installed, whichever version the distribution's clang is.
if [[ " ${wanted[*]} " == *" clang "* ]]; then
  major=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\)\..*/\1/p' | head -1)
  install_missing "libclang-rt-$major-dev"
fi
