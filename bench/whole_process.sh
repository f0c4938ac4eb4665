#!/bin/bash
# whole_process.sh [PIVORA_SOLVE] [ROUNDS]
# The whole process of pivora-solve, start-up and reading included, against
# glpsol (Debian's glpk-utils) on the same problems as LP files, timed run
# for run in turn so that a drift of the machine's speed falls on both:
#   - the worked example, and
#   - 20 dense 50 x 50 problems of short decimals (dense_decimal_files.sh).
# Each round runs every file once with each program, one after the other;
# a round's ratio is pivora-solve's time over glpsol's, and the median of
# the rounds' ratios is printed with the median time per file of each.
# Goals: ratio at most 1.0 on the 20 files, the worked example at most 2 ms.
# Wall times on a loaded machine are noisy: run it on an idle one, or read
# callgrind's instruction counts beside it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
solve=${1:-$here/../build/cli/pivora-solve}
rounds=${2:-20}
command -v glpsol >/dev/null || { echo "glpsol fehlt (Paket glpk-utils)" >&2; exit 2; }
[ -x "$solve" ] || { echo "$solve fehlt: erst bauen" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$here/dense_decimal_files.sh" "$work/dense"
cp "$here/../examples/worked-example.txt" "$work/worked-example.txt"
cat > "$work/worked-example.lp" <<'LP'
Maximize
 obj: 3 x1 + 2 x2
Subject To
 c1: x1 + x2 <= 4
 c2: x1 + 3 x2 <= 6
End
LP

# Microseconds of one run of "$@", its output thrown away.
run_us() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || true
  local end=$EPOCHREALTIME
  echo $(( (${end/./} - ${start/./}) ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# compare NAME FILE... (problem files; the LP file beside each)
compare() {
  local name=$1; shift
  local a_all="" b_all="" ratios=""
  for ((r = 0; r < rounds; ++r)); do
    local a=0 b=0
    for f in "$@"; do
      a=$(( a + $(run_us "$solve" "$f") ))
      b=$(( b + $(run_us glpsol --lp "${f%.txt}.lp") ))
    done
    a_all+="$a"$'\n'; b_all+="$b"$'\n'
    ratios+=$(awk -v a=$a -v b=$b 'BEGIN { printf "%.4f", a / b }')$'\n'
  done
  local files=$#
  printf '%s: pivora-solve %.2f ms, glpsol %.2f ms je Datei (Median von %d Runden), Verh\xc3\xa4ltnis %s\n' \
    "$name" \
    "$(printf '%s' "$a_all" | median | awk -v n=$files '{ print $1 / n / 1000 }')" \
    "$(printf '%s' "$b_all" | median | awk -v n=$files '{ print $1 / n / 1000 }')" \
    "$rounds" "$(printf '%s' "$ratios" | median)"
}

compare "Rechenbeispiel" "$work/worked-example.txt"
compare "20 dichte 50 x 50 (kurze Dezimalzahlen)" "$work"/dense/*.txt
