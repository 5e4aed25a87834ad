#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
  build-essential cmake ninja-build pkg-config ccache dpkg-dev \
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-ibase libqt6sql6-odbc \
  qt6-webengine-dev libqt6webenginecore6-bin qt6-l10n-tools qt6-pdf-dev qt6-translations-l10n \
  libxml2-dev libxlsxwriter-dev libcurl4-openssl-dev \
  libsqlite3-dev sqlite3 \
  firebird3.0-server firebird3.0-utils \
  unixodbc unixodbc-dev tdsodbc libsqliteodbc \
  libgtest-dev \
  fonts-dejavu-core fonts-dejavu-extra fontconfig \
  xvfb xauth poppler-utils procps \
  cups cups-client printer-driver-cups-pdf python3-aiosmtpd python3-openpyxl openssl \
  clang libclang-rt-14-dev
