#!/usr/bin/env bash
# Runs one fuzzing campaign: fuzz/run.sh TARGET MINUTES [EXECUTIONS]
#   TARGET      a harness name (a folder of fuzz/corpus, e.g. force_file)
#   MINUTES     how long the fuzzer runs at the most
#   EXECUTIONS  optional: the campaign also ends after about this many inputs
# The harness is built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz (GCC edge callbacks, persistent mode); the campaign's output
# lands in build-fuzz/campaigns/TARGET, and its figures are printed at the end.
# FUZZ_MODE=afl-gcc builds with afl-g++ in its GCC mode instead (build-fuzz-gcc):
# no persistent mode, one process per input, far fewer executions a second.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: fuzz/run.sh TARGET MINUTES [EXECUTIONS]" >&2
  exit 2
fi
target=$1
minutes=$2
execs_limit=()
[ $# -eq 3 ] && execs_limit=(-E "$3")
if [ ! -d "fuzz/corpus/$target" ]; then
  echo "no harness named $target (see fuzz/corpus)" >&2
  exit 2
fi
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
mode=${FUZZ_MODE:-persistent}
if [ "$mode" = afl-gcc ]; then
  build=build-fuzz-gcc
  export AFL_CC_COMPILER=GCC
  [ -f "$build/CMakeCache.txt" ] ||
    CXX=afl-g++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DWTN_SANITIZE=ON >/dev/null
  input_arg=(@@)
else
  build=build-fuzz
  [ -f "$build/CMakeCache.txt" ] ||
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWTN_SANITIZE=ON \
      -DWTN_FUZZ_PERSISTENT=ON >/dev/null
  input_arg=()
fi
cmake --build "$build" --parallel 4 --target "fuzz_$target" >/dev/null

out="$build/campaigns/$target"
rm -rf "$out"
mkdir -p "$out"
dict=()
[ -f "fuzz/dict/$target.dict" ] && dict=(-x "fuzz/dict/$target.dict")

# The harness writes and reads its work files once per input; a folder in
# memory (/dev/shm) keeps the kernel's cost per input several times lower
# than a folder on disk.
work_root=${FUZZ_WORK_ROOT:-/dev/shm}
{ [ -d "$work_root" ] && [ -w "$work_root" ]; } || work_root="$PWD/$out"
export WTN_FUZZ_WORK="$work_root/wtn-fuzz-$target-$$"
trap 'rm -rf "$WTN_FUZZ_WORK"' EXIT
export AFL_SKIP_CPUFREQ=1 AFL_NO_UI=1 AFL_NO_AFFINITY=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1
# A small quarantine and short allocation stacks keep the sanitizer's cost per
# input low; use-after-free of recent blocks is still caught.
export ASAN_OPTIONS=abort_on_error=1:symbolize=0:detect_leaks=0:quarantine_size_mb=8:malloc_context_size=5:max_malloc_fill_size=0
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
afl-fuzz -i "fuzz/corpus/$target" -o "$out" "${dict[@]}" -m none -t 1000 \
  -V $((minutes * 60)) "${execs_limit[@]}" -- "$build/fuzz/fuzz_$target" "${input_arg[@]}" >"$out/afl.log" 2>&1 || {
  tail -20 "$out/afl.log" >&2
  exit 1
}
rm -rf "$WTN_FUZZ_WORK"

stats="$out/default/fuzzer_stats"
echo "campaign $target ($mode, $minutes min)"
grep -E '^(execs_done|execs_per_sec|corpus_count|bitmap_cvg|edges_found|total_edges|saved_crashes|saved_hangs) ' "$stats"
for kind in crashes hangs; do
  for f in "$out/default/$kind"/id:*; do
    [ -e "$f" ] && echo "$kind: $f"
  done
done
exit 0
