#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run.sh PROGRAM [FILE]: starts Tessary, or says plainly why it cannot.
program=$1; shift
if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
Tessary is a desktop game and needs an X display, but DISPLAY is not set.
Start it from a graphical session, or give it a virtual display:
    xvfb-run -a make run
MSG
  exit 1
fi
exec "$program" "$@"
