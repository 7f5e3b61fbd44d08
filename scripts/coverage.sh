#!/usr/bin/env bash
# Builds with gcov coverage counters (no sanitizers), runs every test and writes
# the report: per-file HTML in <build>/coverage/index.html, the totals per folder
# and the functions no test reaches in <build>/coverage/folders.md.
# Usage: scripts/coverage.sh [ctest arguments, e.g. -R Tvncal]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=${WTN_COVERAGE_BUILD_DIR:-build-coverage}
jobs=${WTN_COVERAGE_JOBS:-$(nproc)}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWTN_COVERAGE=ON >/dev/null
cmake --build "$build" --parallel "$jobs"
find "$build" -name '*.gcda' -delete
status=0
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --parallel "$jobs" --timeout 600 "$@") || status=$?
out="$build/coverage"
mkdir -p "$out"
# Production code only: tests, fuzz harnesses, test support, the test stand-ins
# of the services (fake_*) and generated Qt sources are not measured.
gcovr --root . --object-directory "$build" \
  --exclude '.*/tests/.*' --exclude 'tests/.*' --exclude 'fuzz/.*' --exclude 'bench/.*' \
  --exclude '.*_autogen/.*' --exclude '.*/fake_[^/]*' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --gcov-ignore-parse-errors \
  --html-details "$out/index.html" --json "$out/coverage.json" --print-summary
python3 scripts/coverage_folders.py "$out/coverage.json" > "$out/folders.md"
echo "Report: $out/index.html, per folder: $out/folders.md"
exit "$status"
