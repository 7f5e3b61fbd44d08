#!/usr/bin/env bash
# Start-up cost of every program of the calculation chain, measured as a
# ratio to do-nothing programs run side by side in the same hyperfine run:
#   static  a statically linked program that does nothing (the floor of a process)
#   batch   a do-nothing program linked like the batch programs
#   qt      a do-nothing program with the viewer's Qt libraries
# For each reference section (bench/fixtures/uniform_sand: completed state;
# bench/fixtures/wave_goda: construction stage with Goda's formula) it times
# each program of the chain in a prepared program folder, then the whole
# chain; then the viewer's PDF export of one page and of all pages of the
# largest report, and the front end WTN_WIN from its start to its first
# window (WTN_WIN_AUTOCLOSE=1 ends it there). The chooser ZEVOVE is timed
# answering from the environment. Prints the median times, the ratios and the
# peak memory, and the load average before and after.
#   bench/chain.sh [runs]        (default 30 runs per program and round)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
runs=${1:-30}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=${WTN_RUN_BUILD_DIR:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only what is timed: the programs, their installed data and the floors.
cmake --build "$build" --parallel "$(nproc)" --target programs installed_data \
  bench_do_nothing_static bench_do_nothing_batch bench_do_nothing_qt >/dev/null
floors=$(cd "$build/bench" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset WTN_UI_PIPE
export WTN_ANSWER=no WTN_ZEVOVE_CHOICE=0 QT_QPA_PLATFORM=offscreen

# Median seconds of each command, one per line: the middle of five round
# medians (a median is not moved by the odd delayed run either).
source bench/rounds.sh
medians() {
  middle_of_rounds "$work/run.csv" '$4' --warmup 3 --runs "$runs" "$@"
}

peak_kib() {
  /usr/bin/time -f "%M" -o "$work/peak.txt" "$@" >/dev/null 2>&1 || true
  cat "$work/peak.txt"
}

report() { # name program-seconds floor-name floor-seconds peak
  awk -v n="$1" -v p="$2" -v fn="$3" -v f="$4" -v m="$5" \
    'BEGIN { printf "%-28s %8.2f ms  %5.2fx %-7s (%5.2f ms)  %7d KiB\n", n, p * 1000, p / f, fn, f * 1000, m }'
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-28s %11s  %-15s %18s  %11s\n' program median ratio floor "peak memory"
for fixture in uniform_sand wave_goda; do
  folder="$work/$fixture"
  mkdir -p "$folder"
  cp -r "$build/bin/." "$folder/"
  cp "bench/fixtures/$fixture/"* "$folder/"
  cd "$folder"
  if [ "$fixture" = wave_goda ]; then
    chain=(AUDSHEET TVNWAV TVNCAL SRGPRT TVNPRN)
  else
    chain=(AUDSHEET TVNDAT TVNCAL SOLPRT TVNPRN)
  fi
  present=()
  for program in "${chain[@]}"; do
    [ -x "$program" ] || continue
    # The first run prepares the files the next program reads.
    "./$program" >/dev/null 2>&1 || { echo "$fixture: $program failed" >&2; exit 1; }
    present+=("$program")
  done
  # The copied programs and the files just written go to the disk now, not
  # in the middle of the timings (write-back of tens of megabytes slowed
  # whichever program it fell on).
  sync
  for program in "${present[@]}"; do
    mapfile -t t < <(medians "./$program" "$floors/bench_do_nothing_static" "$floors/bench_do_nothing_batch")
    report "$fixture $program" "${t[0]}" static "${t[1]}" "$(peak_kib "./$program")"
    report "" "${t[0]}" batch "${t[2]}" 0
  done
  printf '%s\n' "${present[@]/#/./}" >chain.txt
  floor_chain=$(for _ in "${present[@]}"; do echo "$floors/bench_do_nothing_static"; done)
  mapfile -t t < <(medians "sh -e chain.txt" "sh -e -c '$(echo "$floor_chain" | tr '\n' ';')'")
  report "$fixture whole chain (${#present[@]})" "${t[0]}" static "${t[1]}" 0
  cd - >/dev/null
done

# The chooser answering from WTN_ZEVOVE_CHOICE (set above) without a window,
# on a request of three candidate levels in the uniform-sand folder; each run
# rewrites line 1 with the answer, which keeps the request valid.
cd "$work/uniform_sand"
printf '0\r\n  -8.000\r\n  -9.500\r\n -11.000\r\n' >ZEVOVE.DAT
./ZEVOVE >/dev/null 2>&1 || { echo "ZEVOVE failed" >&2; exit 1; }
mapfile -t t < <(medians ./ZEVOVE "$floors/bench_do_nothing_static" "$floors/bench_do_nothing_batch")
report "ZEVOVE answering" "${t[0]}" static "${t[1]}" "$(peak_kib ./ZEVOVE)"
report "" "${t[0]}" batch "${t[2]}" 0
cd - >/dev/null

# The viewer's PDF export of every page file of a folder: the whole report of
# the construction-stage section, and the same folder with its smallest page
# file only; the difference gives the cost of each further page.
all="$work/wave_goda"
one="$work/one_page"
cp -r "$all" "$one"
smallest=$(cd "$one" && ls -Sr -- *.PDT | head -1)
(cd "$one" && for page in *.PDT; do [ "$page" = "$smallest" ] || rm -f "$page"; done)
sync
count_pages() { (cd "$1" && ./VIEWKSO --pdf "$work/count.pdf" >/dev/null 2>&1) && pdfinfo "$work/count.pdf" | awk '/^Pages:/ { print $2 }'; }
pages_one=$(count_pages "$one")
pages_all=$(count_pages "$all")
mapfile -t t < <(medians "$floors/bench_do_nothing_qt" \
  "sh -c 'cd $one && ./VIEWKSO --pdf $work/one.pdf'" \
  "sh -c 'cd $all && ./VIEWKSO --pdf $work/all.pdf'")
report "VIEWKSO --pdf $pages_one page(s)" "${t[1]}" qt "${t[0]}" \
  "$(cd "$all" && peak_kib ./VIEWKSO --pdf "$work/all.pdf")"
awk -v one="${t[1]}" -v all="${t[2]}" -v n1="$pages_one" -v n="$pages_all" 'BEGIN {
  each = n > n1 ? (all - one) / (n - n1) : 0
  printf "%-28s %8.2f ms  each further page %.2f ms (%.3f of the first); 60 pages about %.2f s\n",
    "VIEWKSO --pdf " n " pages", all * 1000, each * 1000, each / one, one + 59 * each }'

# The front end from its start to its first window, in the program folder of
# the construction-stage section, against the Qt floor.
mapfile -t t < <(medians "$floors/bench_do_nothing_qt" \
  "env -C $all WTN_WIN_AUTOCLOSE=1 ./WTN_WIN")
report "WTN_WIN to its first window" "${t[1]}" qt "${t[0]}" \
  "$(cd "$all" && WTN_WIN_AUTOCLOSE=1 peak_kib ./WTN_WIN)"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
