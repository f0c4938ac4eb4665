// Seeded random problems for tests and benchmarks. The same seed gives the
// same problem with every standard library: only std::mt19937_64 (whose
// output the standard fixes) and distributions written here are used.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

#include "solver/exact_problem.h"
#include "solver/tables.h"

namespace pivora::testing {

struct RandomProblem {
  Tableau tableau;  // zero outside the problem, as the solve command leaves it
  int m = 0;
  int n = 0;
};

struct RandomProblemShape {
  int minSize = 1;  // m and n are drawn independently from minSize..maxSize
  int maxSize = 4;
  bool decimals = false;  // short decimals (k * 10^e, k 1..999, e -3..1)
                          // instead of integers -9..9
  int zeroPercent = 20;   // share of zero coefficients
  int equalPercent = 20;  // share of equations; the rest split <= and >=
};

// An integer in lo..hi.
inline int UniformInt(std::mt19937_64& rng, int lo, int hi) {
  const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
  return lo + static_cast<int>(rng() % span);
}

inline bool Chance(std::mt19937_64& rng, int percent) { return UniformInt(rng, 0, 99) < percent; }

// The extended value nearest to k * 10^e.
inline Extended ScaledDecimal(int k, int e) {
  Extended power = 1.0L;
  for (int i = 0; i < (e < 0 ? -e : e); ++i) power *= 10.0L;
  return e < 0 ? static_cast<Extended>(k) / power : static_cast<Extended>(k) * power;
}

inline Extended RandomCoefficient(std::mt19937_64& rng, const RandomProblemShape& shape) {
  if (Chance(rng, shape.zeroPercent)) return 0.0L;
  if (!shape.decimals) return static_cast<Extended>(UniformInt(rng, -9, 9));
  const int k = UniformInt(rng, 1, 999);
  const int e = UniformInt(rng, -3, 1);
  const Extended value = ScaledDecimal(k, e);
  return Chance(rng, 50) ? -value : value;
}

// Mixed relations, random signs of coefficients and right-hand sides, maximise
// or minimise: any outcome (optimal, infeasible, unbounded) can come out.
inline RandomProblem MakeRandomProblem(std::uint64_t seed, const RandomProblemShape& shape = {}) {
  std::mt19937_64 rng(seed);
  RandomProblem p;
  p.m = UniformInt(rng, shape.minSize, shape.maxSize);
  p.n = UniformInt(rng, shape.minSize, shape.maxSize);
  for (int i = 1; i <= p.m; ++i) {
    for (int j = 1; j <= p.n; ++j) p.tableau(i, j) = RandomCoefficient(rng, shape);
    p.tableau(i, p.n + 1) = RandomCoefficient(rng, shape);
    const int pick = UniformInt(rng, 0, 99);
    p.tableau(i, p.n + 2) = pick < shape.equalPercent ? kRelationEqual
                            : pick % 2 == 0           ? kRelationLessEqual
                                                      : kRelationGreaterEqual;
  }
  for (int j = 1; j <= p.n; ++j) p.tableau(p.m + 1, j) = RandomCoefficient(rng, shape);
  p.tableau(p.m + 1, p.n + 2) = Chance(rng, 50) ? kMaximise : kMinimise;
  return p;
}

// A dense problem that is feasible and bounded: size x size, every
// coefficient 1..99, every constraint "<=" with right-hand side 100..999,
// maximise an objective with coefficients 1..99.
inline RandomProblem MakeDenseFeasibleProblem(std::uint64_t seed, int size) {
  std::mt19937_64 rng(seed);
  RandomProblem p;
  p.m = size;
  p.n = size;
  for (int i = 1; i <= size; ++i) {
    for (int j = 1; j <= size; ++j) p.tableau(i, j) = static_cast<Extended>(UniformInt(rng, 1, 99));
    p.tableau(i, size + 1) = static_cast<Extended>(UniformInt(rng, 100, 999));
    p.tableau(i, size + 2) = kRelationLessEqual;
  }
  for (int j = 1; j <= size; ++j)
    p.tableau(size + 1, j) = static_cast<Extended>(UniformInt(rng, 1, 99));
  p.tableau(size + 1, size + 2) = kMaximise;
  return p;
}

// A dense problem of short decimals that is feasible and bounded: size x
// size, every coefficient k * 10^e (k 1..999, e -2..0), four rows in five
// "<=" with right-hand side 100..999 and the others ">=" with 0.1..9.9,
// maximise an objective of the same decimals.
inline RandomProblem MakeDenseDecimalFeasibleProblem(std::uint64_t seed, int size) {
  std::mt19937_64 rng(seed);
  RandomProblem p;
  p.m = size;
  p.n = size;
  const auto decimal = [&rng] {
    return ScaledDecimal(UniformInt(rng, 1, 999), UniformInt(rng, -2, 0));
  };
  for (int i = 1; i <= size; ++i) {
    for (int j = 1; j <= size; ++j) p.tableau(i, j) = decimal();
    const bool greater = Chance(rng, 20);
    p.tableau(i, size + 1) = greater ? ScaledDecimal(UniformInt(rng, 1, 99), -1)
                                     : static_cast<Extended>(UniformInt(rng, 100, 999));
    p.tableau(i, size + 2) = greater ? kRelationGreaterEqual : kRelationLessEqual;
  }
  for (int j = 1; j <= size; ++j) p.tableau(size + 1, j) = decimal();
  p.tableau(size + 1, size + 2) = kMaximise;
  return p;
}

// The problem as a user would have typed it: every entry of a random problem
// is the extended value nearest to k * 10^e (k 1..999, e -3..1) or a small
// integer, and that decimal is found again from it.
inline void TypedDecimals(const RandomProblem& p, ExactTableau& exact) {
  exact.Fill(Rational(0));
  for (int i = 1; i <= p.m + 1; ++i) {
    for (int j = 1; j <= p.n + 2; ++j) {
      const Extended v = p.tableau(i, j);
      Rational& q = exact(i, j);
      q = ExactRational(v);
      for (int e = -3; e <= 1; ++e) {
        const Extended k = std::nearbyint(std::fabs(v) / ScaledDecimal(1, e));
        if (k < 1 || k > 999 || ScaledDecimal(static_cast<int>(k), e) != std::fabs(v)) continue;
        q = Rational(static_cast<long>(k));
        for (int t = 0; t < (e < 0 ? -e : e); ++t) q = e < 0 ? Rational(q / 10) : Rational(q * 10);
        if (v < 0) q = -q;
        break;
      }
    }
  }
}

}  // namespace pivora::testing
