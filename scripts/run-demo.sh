#!/usr/bin/env bash
# Builds the program and runs it on the demo installation (embedded SQLite,
# demo company) in ./demo (DEMO_DIR overrides). Without a display it writes
# the six demo reports headless (HTML and PDF) and prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/caminhos.sh
scripts/install-deps.sh
scripts/build.sh -DBUILD_TESTING=OFF
exec "$PANTORO_BIN" --demo "${DEMO_DIR:-demo}" "$@"
