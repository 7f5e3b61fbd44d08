#!/usr/bin/env bash
# Builds the optimised programs, installs them with the data files into the
# program folder (program/ beside this script, or WTN_PROGRAM_FOLDER) and starts
# the front end there. The install keeps what the user changed in that folder:
# the customisation, the user's pile catalogues and the template project.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# Work trees of one repository share compiled objects through ccache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=${WTN_RUN_BUILD_DIR:-build-release}
program=${WTN_PROGRAM_FOLDER:-$PWD/program}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build" --prefix "$program" >/dev/null
if [ ! -x "$program/WTN_WIN" ]; then
  echo "The front end is not built yet. Programs in $program:"
  find "$program" -maxdepth 1 -type f -executable -printf '  %f\n' | sort
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting the front end under a virtual X server (xvfb-run)."
  exec xvfb-run -a "$program/WTN_WIN" "$@"
fi
exec "$program/WTN_WIN" "$@"
