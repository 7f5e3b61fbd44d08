#!/usr/bin/env bash
# Fails when a C++ source of the repository differs from what .clang-format makes of it,
# naming each such file; "clang-format -i FILE" mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=$(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' |
  xargs -0 -r -n 16 -P "$(nproc)" sh -c \
    'for f; do clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "$f"; done' sh)
if [ -n "$bad" ]; then
  echo "These sources differ from .clang-format (run clang-format -i on them):" >&2
  echo "$bad" | sort | sed 's/^/  /' >&2
  exit 1
fi
