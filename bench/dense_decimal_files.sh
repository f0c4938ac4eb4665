#!/bin/sh
# dense_decimal_files.sh DIR [COUNT] [SIZE]
# Writes COUNT (default 20) dense SIZE x SIZE (default 50) problems of short
# decimals into DIR, each as a problem file (dense-decimal-K.txt) and as the
# same problem in LP format (dense-decimal-K.lp) for glpsol: every
# coefficient k * 10^e (k 1..999, e -2..0), four rows in five "<=" with a
# right-hand side 100..999 and the others ">=" with 0.1..9.9, maximise an
# objective of the same decimals: the shape of the benchmarks' dense decimal
# problems (solver/testing/random_problem.h).
# The same arguments give the same files on every machine: the numbers come
# from a linear congruential generator written here, not from awk's rand().
set -eu
dir=$1
count=${2:-20}
size=${3:-50}
mkdir -p "$dir"
awk -v dir="$dir" -v count="$count" -v size="$size" '
function next_int(lo, hi) {
  # x = 16807 x mod (2^31 - 1): every product below 2^46, exact in the
  # doubles of every awk
  state = (state * 16807) % 2147483647
  return lo + state % (hi - lo + 1)
}
function decimal(   k, e) {
  k = next_int(1, 999); e = next_int(0, 2)
  if (e == 0) return k
  return sprintf("%.*f", e, k / (e == 1 ? 10 : 100))
}
BEGIN {
  for (file = 1; file <= count; ++file) {
    state = file * 7919
    txt = dir "/dense-decimal-" file ".txt"
    lp = dir "/dense-decimal-" file ".lp"
    for (j = 1; j <= size; ++j) objective[j] = decimal()
    for (i = 1; i <= size; ++i) {
      for (j = 1; j <= size; ++j) a[i, j] = decimal()
      if (next_int(0, 99) < 20) { rel[i] = ">="; rhs[i] = sprintf("%.1f", next_int(1, 99) / 10) }
      else { rel[i] = "<="; rhs[i] = next_int(100, 999) }
    }
    print "max" > txt
    line = objective[1]; for (j = 2; j <= size; ++j) line = line " " objective[j]
    print line > txt
    print "Maximize" > lp
    line = " obj:"; for (j = 1; j <= size; ++j) line = line " + " objective[j] " x" j
    print line > lp
    print "Subject To" > lp
    for (i = 1; i <= size; ++i) {
      line = a[i, 1]; for (j = 2; j <= size; ++j) line = line " " a[i, j]
      print line " " rel[i] " " rhs[i] > txt
      line = " c" i ":"; for (j = 1; j <= size; ++j) line = line " + " a[i, j] " x" j
      print line " " rel[i] " " rhs[i] > lp
    }
    print "End" > lp
    close(txt); close(lp)
  }
}'
