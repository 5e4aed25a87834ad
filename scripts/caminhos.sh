# Where the build puts things (sourced by the scripts that build or run the
# program). CMake writes every program to $BUILD_DIR/bin and its data to
# $BUILD_DIR/share/pantoro, as an installation would.
BUILD_DIR=${BUILD_DIR:-build}
PANTORO_BIN=$BUILD_DIR/bin/pantoro
