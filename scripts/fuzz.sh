#!/usr/bin/env bash
# Builds the fuzz targets from CMake with clang, libFuzzer and the address and
# undefined-behaviour sanitizers (PIVORA_FUZZ, in build-fuzz/), and runs each
# for a bounded time from its committed corpus and the project's own problem
# files and models. Fails on any crash or sanitizer report. FUZZ_SECONDS is
# the running time of all targets together (default 57).
set -euo pipefail
cd "$(dirname "$0")/.."

out=build-fuzz
total=${FUZZ_SECONDS:-57}
targets=(number_text problem_file model_file)
seconds=$((total / ${#targets[@]}))
if [ "$seconds" -lt 1 ]; then seconds=1; fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# Debug keeps the assertions; the fuzz flags make it -O1.
cmake -S . -B "$out" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug -DPIVORA_FUZZ=ON \
  -DPIVORA_TESTS=OFF -DPIVORA_BENCHMARKS=OFF -DPIVORA_WINDOW=OFF "${launcher[@]}" >/dev/null
cmake --build "$out" -j "$(nproc)" --target "${targets[@]/%/_fuzz}" >/dev/null

# The committed corpus and the seeds are only read; what the runs find goes
# to the build folder's corpus.
seeds_number_text=(fuzz/corpus/number_text)
seeds_problem_file=(fuzz/corpus/problem_file examples solver/tests/data solver/tests/data/lp-instances)
seeds_model_file=(solver/tests/data/lp-instances/models)

failed=0
for target in "${targets[@]}"; do
  name=${target//_/ }
  seeds="seeds_${target}[@]"
  mkdir -p "$out/corpus/$target"
  log="$out/${target}_fuzz.log"
  # A fixed seed makes a run repeatable: the same binary and seeds try the
  # same inputs in the same order, so CI fails only on what a run here found.
  if "$out/fuzz/${target}_fuzz" -seed="${FUZZ_SEED:-1}" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -rss_limit_mb=2048 -dict="fuzz/$target.dict" -artifact_prefix="$out/${target}-" \
      "$out/corpus/$target" "${!seeds}" >"$log" 2>&1; then
    echo "fuzz: $name: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second\(s\)' "$log" | tail -1)"
  else
    echo "fuzz: $name FAILED; the end of $log:" >&2
    tail -n 40 "$log" >&2
    failed=1
  fi
done
exit "$failed"
