#!/usr/bin/env bash
# Builds the number text fuzz target with clang's libFuzzer and the address and
# undefined-behaviour sanitizers, outside the CMake build, and runs it for a
# bounded time from the committed corpus. Fails on any crash or sanitizer
# report. FUZZ_SECONDS overrides the running time (default 55).
set -euo pipefail
cd "$(dirname "$0")/.."

out=build-fuzz
seconds=${FUZZ_SECONDS:-55}
mkdir -p "$out/corpus"

clang++-14 -std=c++20 -O1 -g -I. \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
  -frounding-math -ffp-contract=off -Wall -Wextra -Werror \
  fuzz/number_text_fuzz.cpp solve/number_format.cpp solve/parse_number.cpp \
  solve/format_number.cpp solver/fp_environment.cpp solve/extended_encoding.cpp \
  -o "$out/number_text_fuzz"

log="$out/number_text_fuzz.log"
# New inputs go to the build folder's corpus; the committed one is only read.
if "$out/number_text_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -dict=fuzz/number_text.dict -artifact_prefix="$out/" \
    "$out/corpus" fuzz/corpus >"$log" 2>&1; then
  echo "fuzz: number text: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second\(s\)' "$log" | tail -1)"
else
  echo "fuzz: number text FAILED; the end of $log:" >&2
  tail -n 40 "$log" >&2
  exit 1
fi
