#!/usr/bin/env bash
# Builds the window, starts it on a virtual X display, types the worked
# example into the grids, presses the solve button and saves the window as
# docs/screenshot.png (or the file given as the first argument); then shows
# the steps and the sensitivity in the report's own window and saves that as
# docs/report-window.png (or the second argument).
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
report=${2:-docs/report-window.png}
mkdir -p "$(dirname "$output")" "$(dirname "$report")"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPIVORA_TESTS=ON -DPIVORA_BENCHMARKS=ON >/dev/null
cmake --build build -j2 --target pivora_window_screenshot
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  build/ui/window/tools/pivora_window_screenshot "$output" "$report"
