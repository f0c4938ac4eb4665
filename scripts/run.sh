#!/usr/bin/env bash
# Installs what the programs need, builds the window and the two command-line
# programs (no tests, no benchmarks) and starts the window, with any arguments
# passed on to it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --program
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPIVORA_TESTS=OFF -DPIVORA_BENCHMARKS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target pivora pivora-solve pivora-bench
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MESSAGE
run: no display found (DISPLAY is not set), so the window does not open.
     Built: build/ui/pivora, build/cli/pivora-solve, build/cli/pivora-bench.
     Without a display, solve a problem file on the command line:
       build/cli/pivora-solve examples/worked-example.txt
       build/cli/pivora-bench --repeat 1000 examples/*.txt
     or start the window under a virtual display: xvfb-run -a build/ui/pivora
MESSAGE
  exit 0
fi
exec build/ui/pivora "$@"
