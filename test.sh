#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# Work trees of one repository share compiled objects through ccache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
./scripts/check-format.sh
build=${WTN_TEST_BUILD_DIR:-build-test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWTN_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)

# The batch side alone, as on a machine without Qt: every batch program and its
# tests configure, build and pass with -DWTN_WITH_QT=OFF.
noqt=${WTN_NOQT_BUILD_DIR:-build-noqt}
cmake -S . -B "$noqt" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWTN_SANITIZE=ON -DWTN_WITH_QT=OFF >/dev/null
cmake --build "$noqt" --parallel "$(nproc)"
(cd "$noqt" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
