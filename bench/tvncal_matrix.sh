#!/usr/bin/env bash
# Timing of TVNCAL's transfer-matrix methods on a deep multi-layer section:
# eight contrasting sea-side layers, a 41 m embedded length cut into 0.1 m
# elements, both cases, and the 16 steel sections as candidates, every one
# failing so each is computed. Builds the optimised programs, makes a program
# folder from bench/fixtures/deep_multilayer, runs TVNDAT once, then TVNCAL
# ten times each with methods 4, 2 and, as a floor, 1, and prints the median
# wall time and the peak memory of each method.
#   bench/tvncal_matrix.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=${WTN_RUN_BUILD_DIR:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel 4 --target TVNDAT TVNCAL installed_data >/dev/null

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -r "$build/bin/." "$folder/"
cp bench/fixtures/deep_multilayer/* "$folder/"
cd "$folder"
unset WTN_UI_PIPE
export WTN_ANSWER=no
./TVNDAT

printf '%-8s %10s %14s\n' method "wall s" "peak KiB"
for method in 4 2 1; do
  # swdat item 2 is the embedment method.
  sed -i "s/^swdat,\([^,]*\),[0-9],/swdat,\1,$method,/" CAL_FILE.DAT
  : >times.txt
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e %M" -a -o times.txt ./TVNCAL
  done
  sort -n times.txt | awk -v m="$method" '
    { wall[NR] = $1; if ($2 > peak) peak = $2 }
    END {
      median = NR % 2 ? wall[(NR + 1) / 2] : (wall[NR / 2] + wall[NR / 2 + 1]) / 2
      printf "%-8s %10.3f %14d\n", m, median, peak
    }'
done
