#!/usr/bin/env bash
# Installs what is missing, builds everything twice (optimised, and with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in both,
# checks the Debian package made from the optimised build, then runs the fuzz
# targets for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPIVORA_TESTS=ON -DPIVORA_BENCHMARKS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
scripts/check-package.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPIVORA_SANITIZE=ON -DPIVORA_TESTS=ON -DPIVORA_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
fi
