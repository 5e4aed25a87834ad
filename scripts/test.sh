#!/usr/bin/env bash
# From a clean clone on Debian 12 (root): installs the packages, builds,
# starts the Firebird server on 127.0.0.1 for the tests, runs every test.
# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# is scripts/test-sanitizers.sh (see RELIABILITY.md).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DBUILD_TESTING=ON
if [ -x scripts/firebird.sh ]; then
  eval "$(scripts/firebird.sh start)"
  trap 'scripts/firebird.sh stop' EXIT
fi
if [ -x scripts/cups.sh ]; then
  eval "$(scripts/cups.sh start)"
  trap 'scripts/cups.sh stop; scripts/firebird.sh stop' EXIT
fi
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j 2 "$@"
scripts/test-first-run.sh
