#!/usr/bin/env bash
# The suite built with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan (ASAN_BUILD_DIR overrides), after scripts/test.sh has installed
# the packages. A second full build: run it before a release or after a
# change to memory handling, not on every change (RELIABILITY.md).
set -euo pipefail
cd "$(dirname "$0")/.."
ASAN_BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
BUILD_DIR=$ASAN_BUILD_DIR scripts/build.sh -DPANTORO_SANITIZE=ON
if [ -x scripts/firebird.sh ]; then
  eval "$(scripts/firebird.sh start)"
  trap 'scripts/firebird.sh stop' EXIT
fi
# Any undefined behaviour fails the test that ran into it. Two checks are
# off, both for reasons outside our code: leak detection, because
# LeakSanitizer's tracer crashes at exit now and then in a process that has
# Firebird client threads ("Tracer caught signal 11", after every case
# passed); and the new/delete size check, which fires inside the browser
# engine alone (it frees some of its own objects with a smaller size than
# it allocated them with; our code gets that protection from -Wall's
# -Wdelete-non-virtual-dtor). Fuzz and benchmark runs have builds of their
# own and are left out here.
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0 \
  ctest --test-dir "$ASAN_BUILD_DIR" --output-on-failure -j 2 -LE 'fuzz|bench' "$@"
