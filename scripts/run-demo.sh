#!/usr/bin/env bash
# Builds the program and runs it on the demo installation (embedded SQLite,
# demo company) in ./demo. Without a display it writes the six demo reports
# headless (HTML and PDF) and prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec "${BUILD_DIR:-build}/pantoro" --demo "${DEMO_DIR:-demo}" "$@"
