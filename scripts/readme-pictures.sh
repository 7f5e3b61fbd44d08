#!/usr/bin/env bash
# Refreshes the README's two pictures from the project's own screenshot test
# (WindowRun.SeismicExampleFromTheWindowToThePdfAndBack): the main window with
# examples/seismic_sand.tn2 open, and the page of its report that holds the
# design-condition figure. Both go to docs/; run it after a change that alters
# what they show and commit the two files.
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=${WTN_TEST_BUILD_DIR:-build-test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWTN_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target window_run_tests
shots="$build/screenshots"
rm -f "$shots/window_run_opened.png" "$shots/window_run_report.pdf"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure \
  -R '^WindowRun\.SeismicExampleFromTheWindowToThePdfAndBack$')

cp "$shots/window_run_opened.png" docs/main_window.png

# The figure page: the first page whose text holds the figure's title. 60 dots
# an inch keep the picture small and its text readable.
figure="設計条件図"
report="$shots/window_run_report.pdf"
pages=$(pdfinfo "$report" | sed -n 's/^Pages: *//p')
for ((page = 1; page <= pages; page++)); do
  if pdftotext -f "$page" -l "$page" "$report" - | grep -q "$figure"; then
    pdftoppm -f "$page" -l "$page" -r 60 -png -singlefile "$report" docs/report_page
    ls -l docs/main_window.png docs/report_page.png
    exit 0
  fi
done
echo "no page of $report holds \"$figure\"" >&2
exit 1
