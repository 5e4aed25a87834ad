#!/usr/bin/env bash
# What the test suite catches: each fault of scripts/falhas-semeadas.tsv is
# put into a scratch copy of this tree, the copy is rebuilt (incrementally,
# one build directory for every fault), the suite runs until its first
# failure, and the fault is undone. A fault is "caught" when a test fails,
# "missed" when the whole suite passes with it.
#
#   scripts/falhas-semeadas.sh [ID...]    all faults, or only those named
#
# FALHAS_DIR    scratch folder (default /tmp/pantoro-falhas); the copy and its
#               build are kept there for the next run
# FALHAS_REVISAO  a commit whose tree is tried instead of the working tree
# FALHAS_SAIDA  results file (default $FALHAS_DIR/resultado.tsv): id, result,
#               first failing test, seconds
# Needs Firebird as the tests do: eval "$(scripts/firebird.sh start)" first.
# Runs without the sanitizer build, two jobs at most.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
lista=$raiz/scripts/falhas-semeadas.tsv
dir=${FALHAS_DIR:-/tmp/pantoro-falhas}
copia=$dir/arvore
build=$copia/build
saida=${FALHAS_SAIDA:-$dir/resultado.tsv}
mkdir -p "$dir"

# The tree as it is now (uncommitted edits too); unchanged files keep their
# times, so the build stays incremental.
# FALHAS_REVISAO=REV takes the tree of a commit instead (e.g. the suite
# before a change, to compare).
fonte=$raiz
if [ -n "${FALHAS_REVISAO:-}" ]; then
  fonte=$dir/revisao
  rm -rf "$fonte" && mkdir -p "$fonte"
  git -C "$raiz" archive "$FALHAS_REVISAO" | tar -x -C "$fonte"
  (cd "$fonte" && find . -type f | sed 's|^\./||' | sort) >"$dir/arquivos"
else
  git -C "$raiz" ls-files -co --exclude-standard | sort >"$dir/arquivos"
fi
mkdir -p "$copia"
(cd "$copia" && find . -path ./build -prune -o -type f -print | sed 's|^\./||' | sort) |
  comm -23 - "$dir/arquivos" | (cd "$copia" && xargs -r -d '\n' rm -f --)
while IFS= read -r f; do
  if [ -f "$fonte/$f" ] && ! cmp -s "$fonte/$f" "$copia/$f"; then
    mkdir -p "$copia/$(dirname "$f")"
    cp -p "$fonte/$f" "$copia/$f"
  fi
done <"$dir/arquivos"
# In the copy the core library is shared and the tests are not relinked
# when it changes: a fault costs one object and one library link.
sed -i 's/add_library(pantoro_core STATIC/add_library(pantoro_core SHARED/' "$copia/src/CMakeLists.txt"
cmake -S "$copia" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DCMAKE_LINK_DEPENDS_NO_SHARED=ON >/dev/null

compila() { cmake --build "$build" -j2 >"$dir/build.log" 2>&1; }
# Fails when a test fails; the first failing test's name goes to $dir/primeira.
custos=$build/Testing/Temporary/CTestCostData.txt
roda_suite() {
  [ -f "$dir/custos" ] && cp "$dir/custos" "$custos"
  if ctest --test-dir "$build" -j2 --stop-on-failure -LE bench >"$dir/ctest.log" 2>&1; then
    return 0
  fi
  grep -m1 -E '^\s+[0-9]+ - ' "$dir/ctest.log" | sed -E 's/^\s+[0-9]+ - ([^ ]+).*/\1/' >"$dir/primeira" || true
  return 1
}

echo "building the scratch copy in $build" >&2
compila || { echo "the unchanged copy does not build: see $dir/build.log" >&2; exit 1; }
echo "suite without faults" >&2
rm -f "$dir/custos" "$custos"
if ! roda_suite; then
  echo "the suite fails without any fault: see $dir/ctest.log" >&2
  exit 1
fi
grep 'Total Test time' "$dir/ctest.log" >&2
# CTest starts the costliest tests first: with the costs turned upside down
# the quick ones run first, and a caught fault ends the run sooner.
awk '/^---/ { exit } NF == 3 { printf "%s %s %.6f\n", $1, $2, 1000 / ($3 + 0.001) }' "$custos" >"$dir/custos"

# Literal replacement of the first occurrence; "<NL>" is a line break.
aplica() {
  FALHA_DE=$2 FALHA_PARA=$3 perl -0pi -e '
    BEGIN { ($de, $para) = map { s/<NL>/\n/gr } ($ENV{FALHA_DE}, $ENV{FALHA_PARA}) }
    s/\Q$de\E/$para/' "$1"
}

rm -rf "$dir/logs" && mkdir -p "$dir/logs"
printf 'id\tresultado\tprimeiro teste que falhou\tsegundos\n' >"$saida"
pegas=0
total=0
while IFS=$'\t' read -r id arquivo de para descricao <&3; do
  case $id in '#'* | '') continue ;; esac
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qxF "$id"; then
    continue
  fi
  inicio=$(date +%s)
  alvo=$copia/$arquivo
  cp "$alvo" "$dir/original"
  aplica "$alvo" "$de" "$para"
  teste=
  if cmp -s "$alvo" "$dir/original"; then
    resultado=nao-aplicada
  elif ! compila; then
    resultado=nao-compila
  elif roda_suite; then
    resultado=escapou
    total=$((total + 1))
  else
    resultado=pega
    teste=$(cat "$dir/primeira")
    cp "$dir/ctest.log" "$dir/logs/$id.log"
    total=$((total + 1))
    pegas=$((pegas + 1))
  fi
  # A new time on the restored file, so the next build recompiles it.
  cat "$dir/original" >"$alvo"
  segundos=$(($(date +%s) - inicio))
  printf '%s\t%s\t%s\t%s\n' "$id" "$resultado" "$teste" "$segundos" | tee -a "$saida"
done 3<"$lista"
# A catch counts only if the unchanged tree still passes afterwards: a test
# that broke its own surroundings (a server, a stale file) fails everything.
compila || true
if ! roda_suite; then
  echo "the suite fails without any fault after the run: the catches are not trustworthy (see $dir/ctest.log)" >&2
  exit 1
fi
echo "caught $pegas of $total faults ($saida; the failing tests' logs in $dir/logs)"
