#!/usr/bin/env bash
# Pictures of the program as its users see it: the filter form and the viewer
# on each of the six layouts, over a fresh demo installation (the one
# `pantoro --demo DIR` prepares), at 100% and 150% scaling.
#   scripts/screenshots.sh [OUT_DIR]     (default: screenshots/)
# BUILD_DIR picks the build (default: build). Rendering is offscreen, so no
# display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT_DIR=$(realpath -m "${1:-screenshots}")

if [ ! -f "$BUILD_DIR/build.ninja" ] && [ ! -f "$BUILD_DIR/Makefile" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
fi
cmake --build "$BUILD_DIR" --target ui_capturas
CAPTURAS=$(find "$BUILD_DIR" -type f -name ui_capturas -perm -u+x | head -n 1)

for escala in 100 150; do
  mkdir -p "$OUT_DIR/$escala"
  QT_QPA_PLATFORM=offscreen PANTORO_LOCALE=pt_BR QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox \
    QT_SCALE_FACTOR=$(awk "BEGIN { print $escala / 100 }") \
    PANTORO_CAPTURAS="$OUT_DIR/$escala" "$CAPTURAS" --gtest_brief=1
done
ls -1 "$OUT_DIR"/*/*.png
