#!/usr/bin/env bash
# Pictures of the program as its users see it, over a fresh demo installation
# (the one `pantoro --demo DIR` prepares): the filter form, the person search
# with results, the message boxes and the viewer on the standard report,
# on 1366x768, 1600x1000 and 1920x1080 screens at 100% and 150%
# scaling. The run checks each picture as well (on the screen, captions and
# grid columns whole): they are janelas_telas_tests' windows.
#   scripts/screenshots.sh [OUT_DIR]     (default: screenshots/)
# Pictures go to OUT_DIR/<screen>-<scale>/. BUILD_DIR picks the build
# (default: build). Rendering is offscreen, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT_DIR=$(realpath -m "${1:-screenshots}")

if [ ! -f "$BUILD_DIR/build.ninja" ] && [ ! -f "$BUILD_DIR/Makefile" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
fi
cmake --build "$BUILD_DIR" --target janelas_telas_tests
TELAS_TESTS=$(find "$BUILD_DIR" -type f -name janelas_telas_tests -perm -u+x | head -n 1)
TELAS=$(mktemp -d)
trap 'rm -rf "$TELAS"' EXIT

falhas=0
for tela in 1366x768 1600x1000 1920x1080; do
  # The offscreen platform takes its screen from a configuration file.
  printf '{ "screens": [ { "name": "%s", "x": 0, "y": 0, "width": %s, "height": %s } ] }\n' \
    "$tela" "${tela%x*}" "${tela#*x}" > "$TELAS/$tela.json"
  for escala in 100 150; do
    mkdir -p "$OUT_DIR/$tela-$escala"
    QT_QPA_PLATFORM="offscreen:configfile=$TELAS/$tela.json" PANTORO_LOCALE=pt_BR \
      QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox QT_SCALE_FACTOR=$(awk "BEGIN { print $escala / 100 }") \
      PANTORO_CAPTURAS="$OUT_DIR/$tela-$escala" "$TELAS_TESTS" --gtest_filter='Telas.*' --gtest_brief=1 || falhas=1
  done
done
ls -1 "$OUT_DIR"/*/*.png
exit $falhas
