#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# export-source.sh DEST: the project's sources into the folder DEST. In a git
# checkout only what is committed, as `git archive HEAD` gives it; in a tree
# that is none (a release tarball unpacked), the tree as it stands, without
# the folders that builds make.
set -euo pipefail
cd "$(dirname "$0")/.."
dest=$1
mkdir -p "$dest"
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$PWD" ]; then
  git archive HEAD | tar -x -C "$dest"
else
  tar -c --exclude=./build --exclude='./build-*' --exclude=__pycache__ . | tar -x -C "$dest"
fi
