#!/usr/bin/env bash
# Builds the optimised programs and starts the front end in the build's program folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# Work trees of one repository share compiled objects through ccache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=${WTN_RUN_BUILD_DIR:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)"
bin="$build/bin"
if [ ! -x "$bin/WTN_WIN" ]; then
  echo "The front end is not built yet. Built programs in $bin:"
  if [ -d "$bin" ]; then find "$bin" -maxdepth 1 -type f -executable -printf '  %f\n' | sort; fi
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting the front end under a virtual X server (xvfb-run)."
  exec xvfb-run -a "$bin/WTN_WIN" "$@"
fi
exec "$bin/WTN_WIN" "$@"
