#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# with-xvfb.sh CMD...: runs CMD on a private X server of its own, so that
# tests can run side by side. -noreset keeps the server up when its last
# client leaves; depth 24 gives exact colours on screenshots.
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/num" 2>"$dir/log" &
xvfb=$!
for _ in $(seq 400); do [ -s "$dir/num" ] && break; sleep 0.025; done
if [ ! -s "$dir/num" ]; then
  echo "with-xvfb.sh: Xvfb did not start" >&2; cat "$dir/log" >&2
  kill $xvfb 2>/dev/null; rm -rf "$dir"; exit 1
fi
# A home of its own: the file chooser writes its list of recent files there.
mkdir -p "$dir/home/.local/share"
DISPLAY=:$(head -1 "$dir/num") HOME="$dir/home" "$@"; rc=$?
kill $xvfb; wait $xvfb 2>/dev/null; rm -rf "$dir"; exit $rc
