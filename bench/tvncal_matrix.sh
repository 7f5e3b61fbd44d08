#!/usr/bin/env bash
# CPU time of TVNCAL's transfer-matrix methods on a deep multi-layer section:
# eight contrasting sea-side layers, a 41 m embedded length cut into 0.1 m
# elements, both cases, and the 16 steel sections as candidates, every one
# failing so each is computed. Builds the optimised programs, makes one
# program folder per method from bench/fixtures/deep_multilayer, runs TVNDAT
# once in each, then times TVNCAL with methods 4, 2 and, as the floor, 1 side
# by side, and prints the user + system CPU time of each method (the middle
# of five rounds), its ratio to method 1 and its peak memory.
#   bench/tvncal_matrix.sh [runs]        (default 20 runs per method and round)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=${WTN_RUN_BUILD_DIR:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel 4 --target TVNDAT TVNCAL installed_data >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset WTN_UI_PIPE
export WTN_ANSWER=no

methods=(4 2 1)
commands=()
for method in "${methods[@]}"; do
  folder="$work/method$method"
  mkdir -p "$folder"
  cp -r "$build/bin/." "$folder/"
  cp bench/fixtures/deep_multilayer/* "$folder/"
  # swdat item 2 is the embedment method.
  sed -i "s/^swdat,\([^,]*\),[0-9],/swdat,\1,$method,/" "$folder/CAL_FILE.DAT"
  (cd "$folder" && ./TVNDAT >/dev/null 2>&1)
  commands+=("env -C $folder ./TVNCAL")
done
# The copies go to the disk before the timings, not during them.
sync

# User + system CPU seconds of each method: the middle of five round means.
source bench/rounds.sh
mapfile -t cpu < <(middle_of_rounds "$work/run.csv" '$5 + $6' --warmup 2 --runs "$runs" \
  "${commands[@]}")

printf '%-8s %12s %10s %12s\n' method "CPU ms" "/ method 1" "peak KiB"
for i in "${!methods[@]}"; do
  /usr/bin/time -f "%M" -o "$work/peak.txt" env -C "$work/method${methods[$i]}" ./TVNCAL \
    >/dev/null 2>&1 || true
  awk -v m="${methods[$i]}" -v c="${cpu[$i]}" -v f="${cpu[2]}" -v p="$(cat "$work/peak.txt")" \
    'BEGIN { printf "%-8s %12.1f %10.2f %12d\n", m, c * 1000, c / f, p }'
done
