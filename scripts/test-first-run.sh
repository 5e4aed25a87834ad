#!/usr/bin/env bash
# What a new user meets first, on the checkout as it is:
#   1. the README's first command (scripts/run-demo.sh) with no display writes
#      the six demo reports, HTML and PDF, and prints their paths;
#   2. `cmake --install` into a scratch prefix gives a program that runs the
#      demo from there;
#   3. the Debian package holds the program, its data, desktop entry and icon,
#      depends on run-time packages only, and runs the demo unpacked; its
#      maintainer scripts register FreeTDS as "SQL Server" on a machine that
#      has no driver of that name, and its purge removes only that.
# Run after scripts/build.sh (scripts/test.sh does). Prints "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
. scripts/caminhos.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
check() {
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}

# The six layouts' HTML and PDF paths are the last 12 lines printed (the
# install and build steps print before them), each file a report.
six_reports() {
  local out=$1 dir=$2 layout
  tail -n 12 "$out" >"$out.paths"
  out=$out.paths
  for layout in standard pa detalhado entrega entrega-vertical agrupamento; do
    local base=$dir/c/korva/relatorios/pantoro-$layout
    grep -qxF "$(realpath -m "$base.html")" "$out" || { echo "no $base.html in the output" >&2; return 1; }
    grep -qxF "$(realpath -m "$base.pdf")" "$out" || { echo "no $base.pdf in the output" >&2; return 1; }
    head -c 12 "$base.html" | grep -q '^<HTML><HEAD>' || { echo "$base.html is no report" >&2; return 1; }
    [ "$(pdfinfo "$base.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')" -ge 1 ] ||
      { echo "$base.pdf has no pages" >&2; return 1; }
  done
}

headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 "$@"; }

# 1. The README's first command, exactly, into a scratch demo folder.
demo=$scratch/demo
headless DEMO_DIR="$demo" scripts/run-demo.sh >"$scratch/run-demo.out" 2>"$scratch/run-demo.err"
check "scripts/run-demo.sh exits 0 (stderr: $(tail -n 3 "$scratch/run-demo.err"))" test $? -eq 0
check "scripts/run-demo.sh prints the six reports" six_reports "$scratch/run-demo.out" "$demo"
# The demo is Brazilian whatever the machine's locale: "2834,96", never "2834.96".
check "demo figures in pt_BR" grep -qE "ALIGN='RIGHT'>[0-9]+,[0-9]{2}<" "$demo/c/korva/relatorios/pantoro-standard.html"
# With no display and no platform, the window says so instead of aborting.
headless "$PANTORO_BIN" 1^1^PRD^ >/dev/null 2>"$scratch/sem-tela.err"
check "no display: exit 1" test $? -eq 1
check "no display: points at --relatorio" grep -q -- "--relatorio" "$scratch/sem-tela.err"

# 2. An installation into a scratch prefix runs on its own data.
prefix=$scratch/prefix
cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
for f in bin/pantoro share/pantoro/fonts.conf share/applications/pantoro.desktop \
         share/icons/hicolor/scalable/apps/pantoro.svg; do
  check "installed $f" test -f "$prefix/$f"
done
headless "$prefix/bin/pantoro" --demo "$scratch/demo-instalado" >"$scratch/instalado.out" 2>/dev/null
check "installed program runs the demo" six_reports "$scratch/instalado.out" "$scratch/demo-instalado"

# 3. The Debian package: run-time dependencies only, and it runs unpacked.
(cd "$BUILD_DIR" && cpack -G DEB -B "$scratch/pacote" >/dev/null)
deb=$(ls "$scratch"/pacote/pantoro_*.deb 2>/dev/null | head -n 1)
check "cpack wrote a .deb" test -n "$deb"
depends=$(dpkg-deb -f "$deb" Depends 2>/dev/null)
check "depends on the Qt widgets library" grep -q 'libqt6widgets6' <<<"$depends"
check "depends on the SQLite driver and the fonts" grep -q 'libqt6sql6-sqlite.*fonts-dejavu-extra' <<<"$depends"
check "no build package among the dependencies ($depends)" test -z "$(grep -oE '[a-z0-9.+-]+-dev\b' <<<"$depends")"
dpkg-deb -x "$deb" "$scratch/raiz"
headless "$scratch/raiz/usr/bin/pantoro" --demo "$scratch/demo-deb" >"$scratch/deb.out" 2>/dev/null
check "the packaged program runs the demo" six_reports "$scratch/deb.out" "$scratch/demo-deb"

# The maintainer scripts against a driver list of their own (ODBCSYSINI),
# first empty, then holding another driver named "SQL Server".
check "depends on FreeTDS's ODBC driver and odbcinst" grep -q 'tdsodbc, odbcinst' <<<"$depends"
dpkg-deb -e "$deb" "$scratch/controle"
odbc=$scratch/odbc
mkdir -p "$odbc"
: >"$odbc/odbcinst.ini"
maintainer() { ODBCSYSINI=$odbc HOME=$odbc sh "$scratch/controle/$1" "$2"; }
sql_server() { ODBCSYSINI=$odbc HOME=$odbc odbcinst -q -d -n "SQL Server" 2>/dev/null; }
maintainer postinst configure
check "postinst registers FreeTDS as SQL Server" grep -qx 'Driver=libtdsodbc.so' <<<"$(sql_server)"
maintainer postinst configure
check "a second configure registers it once" grep -qx 'UsageCount=1' <<<"$(sql_server)"
check "the registered driver loads" sh -c "ODBCSYSINI=$odbc HOME=$odbc isql -v -k 'driver={SQL Server};server=nao-existe.invalid' 2>&1 |
  grep -q 'Unknown host'"
maintainer postrm purge
check "purge removes the driver postinst registered" test -z "$(grep -F '[SQL Server]' "$odbc/odbcinst.ini")"
printf '[SQL Server]\nDriver=/opt/outro/libsqlsrv.so\n' >"$odbc/odbcinst.ini"
maintainer postinst configure
maintainer postrm purge
check "another driver named SQL Server stays as it was" grep -qx 'Driver=/opt/outro/libsqlsrv.so' <<<"$(sql_server)"

echo "first-run: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
