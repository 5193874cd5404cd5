#!/usr/bin/env bash
# Puts the shipped files into the fixed folder \QVRForms (/QVRForms). The settings, cases and
# names databases are never shipped, so they are never touched; the schedule database is
# installed only when missing, so that edits made in the schedule window survive a reinstall.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${QVR_FIXED_FOLDER:-/QVRForms}
mkdir -p "$target"
for shipped in build/QVRForms/*; do
  name=$(basename "$shipped")
  if [ "$name" = "TABLE24.MDB" ] && [ -e "$target/$name" ]; then continue; fi
  cp "$shipped" "$target/.$name.new"
  mv -f "$target/.$name.new" "$target/$name"
done
