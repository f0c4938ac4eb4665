// Seeded dense problems with 19-digit decimals, the hard case for the exact
// judge: every coefficient is k * 10^(e - 18) with k of 19 digits, so the
// typed value and its extended value differ, and the integers of an exact
// basis grow to thousands of bits at 50 x 50.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "solver/exact_problem.h"
#include "solver/testing/random_problem.h"

namespace pivora::testing {

enum class LongDigitFamily {
  kEquations,       // all rows but the last are equations, the last a "<="
                    // with positive coefficients; exponents 0
  kMixedRelations,  // "<=", ">=" and "=" rows about evenly; exponents 0
  kMixedExponents,  // as kMixedRelations, exponents -6..6 in every cell;
                    // the plain runs of seeds 1..8 all come back to an
                    // earlier basis and end by the least-index rule
  kDegenerate,      // only "<=" rows, every second one through the origin
                    // (right-hand side 0), a vertex where half the rows are
                    // tight; exponents -6..6
};

// A decimal of `digits` significant digits near q (q != 0), rounded half up.
inline Rational RoundToDigits(const Rational& q, int digits) {
  const mpz_class limit = [digits] {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(digits));
    return p;
  }();
  Rational a = abs(q);
  Rational scale = 1;
  while (a * scale >= limit) scale /= 10;
  while (a * scale * 10 < limit) scale *= 10;
  const Rational scaled = a * scale + Rational(1, 2);
  mpz_class k;
  mpz_fdiv_q(k.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
  Rational r = Rational(k) / scale;
  r.canonicalize();
  return sgn(q) < 0 ? Rational(-r) : r;
}

// A 19-digit decimal in [1, 10) times 10^e.
inline Rational LongDigitDecimal(std::mt19937_64& rng, int e) {
  constexpr std::uint64_t kLeast = 1000000000000000000ULL;  // 10^18
  mpz_class k;
  const std::uint64_t drawn = kLeast + rng() % (9 * kLeast);
  mpz_set_ui(k.get_mpz_t(), static_cast<unsigned long>(drawn));
  Rational q(k, mpz_class(1));
  for (int t = 0; t < 18 - e; ++t) q /= 10;
  for (int t = 0; t < e - 18; ++t) q *= 10;
  q.canonicalize();
  return q;
}

// A size x size problem of `family`, feasible and bounded by construction
// (up to the rounding of right-hand sides to 19 digits): `exact` holds the
// decimals as typed, the returned tableau their nearest extended values.
inline RandomProblem MakeLongDigitProblem(std::uint64_t seed, LongDigitFamily family, int size,
                                          ExactTableau& exact) {
  std::mt19937_64 rng(seed);
  const bool mixedExponents =
      family == LongDigitFamily::kMixedExponents || family == LongDigitFamily::kDegenerate;
  const auto decimal = [&](bool positive) {
    const Rational q = LongDigitDecimal(rng, mixedExponents ? UniformInt(rng, -6, 6) : 0);
    return positive || Chance(rng, 50) ? q : Rational(-q);
  };
  RandomProblem p;
  p.m = size;
  p.n = size;
  exact.Fill(Rational(0));
  // A point every row holds: x0 in [1, 10) in every variable, or the origin.
  std::vector<Rational> x0(static_cast<std::size_t>(size + 1));
  for (int j = 1; j <= size; ++j) x0[static_cast<std::size_t>(j)] = LongDigitDecimal(rng, 0);
  for (int i = 1; i <= size; ++i) {
    int relation = -1;
    switch (family) {
      case LongDigitFamily::kEquations:
        relation = i < size ? 0 : -1;
        break;
      case LongDigitFamily::kMixedRelations:
      case LongDigitFamily::kMixedExponents:
        relation = UniformInt(rng, -1, 1);
        break;
      case LongDigitFamily::kDegenerate:
        relation = -1;
        break;
    }
    const bool tightAtOrigin = family == LongDigitFamily::kDegenerate && i % 2 == 0;
    // Equations and rows through the origin take any sign; the others
    // positive coefficients, so that the "<=" rows bound the problem.
    const bool positive = relation != 0 && !tightAtOrigin;
    Rational value = 0;
    for (int j = 1; j <= size; ++j) {
      exact(i, j) = decimal(positive);
      value += exact(i, j) * x0[static_cast<std::size_t>(j)];
    }
    Rational rhs = 0;
    if (family == LongDigitFamily::kDegenerate) {
      if (!tightAtOrigin) rhs = RoundToDigits(value, 19);
    } else if (relation == 0) {
      rhs = RoundToDigits(value, 19);
    } else {
      rhs = RoundToDigits(value * (relation < 0 ? Rational(11, 10) : Rational(9, 10)), 19);
    }
    exact(i, size + 1) = rhs;
    exact(i, size + 2) = relation;
  }
  for (int j = 1; j <= size; ++j) exact(size + 1, j) = decimal(false);
  exact(size + 1, size + 2) = 1;  // maximise
  for (int i = 1; i <= size + 1; ++i) {
    for (int j = 1; j <= size + 2; ++j) p.tableau(i, j) = NearestExtended(exact(i, j));
  }
  return p;
}

}  // namespace pivora::testing
