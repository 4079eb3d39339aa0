#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make-locales.sh DIR: the German and French UTF-8 locales, compiled into DIR
# for the translation tests (which point LOCPATH there), so that they need
# nothing generated on the system itself. The locale sources come with
# Debian's `locales` package, which `make test` installs.
set -euo pipefail
dir=$1
mkdir -p "$dir"
for locale in de_DE fr_FR; do
  [ -d "$dir/$locale.UTF-8" ] || localedef -i "$locale" -f UTF-8 "$dir/$locale.UTF-8"
done
