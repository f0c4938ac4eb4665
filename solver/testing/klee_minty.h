// The Klee-Minty cube: a problem on which the largest-coefficient rule visits
// every one of the 2^n vertices, so a solve makes 2^n - 1 exchanges. Every
// number in it and in every tableau on the way is a whole number below 2^64,
// so no exchange rounds.
#pragma once

#include "solver/testing/random_problem.h"

namespace pivora::testing {

// Maximise sum 2^(n-j) x[j] subject to, for i = 1..n,
// sum_{j<i} 2^(i-j+1) x[j] + x[i] <= 5^i. n is 1..27 (5^27 < 2^64).
inline RandomProblem MakeKleeMinty(int n) {
  RandomProblem p;
  p.m = n;
  p.n = n;
  Extended five = 1.0L;
  for (int i = 1; i <= n; ++i) {
    five *= 5.0L;
    for (int j = 1; j < i; ++j) p.tableau(i, j) = static_cast<Extended>(1ULL << (i - j + 1));
    p.tableau(i, i) = 1.0L;
    p.tableau(i, n + 1) = five;
    p.tableau(i, n + 2) = kRelationLessEqual;
  }
  for (int j = 1; j <= n; ++j) p.tableau(n + 1, j) = static_cast<Extended>(1ULL << (n - j));
  p.tableau(n + 1, n + 2) = kMaximise;
  return p;
}

}  // namespace pivora::testing
