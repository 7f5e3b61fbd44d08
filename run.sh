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
# Only what the user runs: the programs (the tests and fuzz harnesses are
# ./test.sh's business).
cmake --build "$build" --parallel "$(nproc)" --target programs
cmake --install "$build" --prefix "$program" >/dev/null
if [ ! -x "$program/WTN_WIN" ]; then
  echo "The front end is not built yet. Programs in $program:"
  find "$program" -maxdepth 1 -type f -executable -printf '  %f\n' | sort
  exit 0
fi
# Qt wants a private runtime folder; without one it warns and makes its own.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/runtime-$(id -u)-XXXXXX")
  export XDG_RUNTIME_DIR
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat <<MSG
No display found: the front end opens on a virtual X display (xvfb-run), where
no one can see it. To look at the window and work with it, end this run and
start ./run.sh where a display is: in a desktop session, or over ssh -X (or
ssh -Y) from a machine with an X server, which shows the window there.
End this run with Ctrl+C.
Programs and data: $program
MSG
  exec xvfb-run -a "$program/WTN_WIN" "$@"
fi
exec "$program/WTN_WIN" "$@"
