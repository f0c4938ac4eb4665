// Exact rational numbers for the exchange method: the number policy of the
// exact re-solve, and the conversions between extended values and rationals.
#pragma once

#include <gmpxx.h>

#include "solver/extended.h"

namespace pivora {

using Rational = mpq_class;

// The value of a finite extended value, exactly: every extended value is a
// binary fraction (a 64-bit integer times a power of two), subnormals
// included. A negative zero becomes 0. `x` must be finite.
Rational ExactRational(Extended x);

// The extended value nearest to `q`, ties to the even significand, as every
// extended operation rounds: gradual underflow to subnormals and to a zero of
// the sign of `q`, and infinity of the sign of `q` where `q` lies at or beyond
// the largest extended value plus half its unit in the last place.
Extended NearestExtended(const Rational& q);
// The same for num / den, den > 0, in any terms: no reduction needed.
Extended NearestExtended(const mpz_class& num, const mpz_class& den);

// The choice-rule details every exact number type shares: exact zero tests,
// no zero-snapping, no ratio sentinel (the ratio test tells "no row yet" by
// its flag), exact equality in the alternative-optima search, and no
// floating-point state to hold or test.
template <class V>
struct ExactRules {
  struct FlagScope {};

  static V Snap(const V&, V fresh) { return fresh; }

  static V InitialRatio() { return V(0); }
  static bool RatioBeats(const V& ratio, const V& best, bool haveBest) {
    return !haveBest || best > ratio;
  }
  static bool RatioLimits(const V&, bool haveBest) { return haveBest; }

  static bool Differs(const V& first, const V& other) { return first != other; }

  static void CheckFlags() {}
};

// The number policy of the exchange method for exact rationals.
struct RationalArithmetic : ExactRules<Rational> {
  using Value = Rational;

  static Value FromExtended(Extended x) { return ExactRational(x); }
  static Value FromInt(int k) { return Value(k); }
  // Labels are integers, so their denominator is 1.
  static int ToLabel(const Value& v) { return static_cast<int>(v.get_num().get_si()); }
  static Value Abs(const Value& v) { return abs(v); }
};

}  // namespace pivora
