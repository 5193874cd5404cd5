#!/usr/bin/env bash
# Installs what is missing, builds, puts the fixed folder in place and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bash scripts/install-fixed-folder.sh
exec build/src/csworksheets
