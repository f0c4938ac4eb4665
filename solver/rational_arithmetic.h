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

// The number policy of the exchange method for exact rationals: exact zero
// tests, no zero-snapping, no ratio sentinel (the ratio test tells "no row
// yet" by its flag), exact equality in the alternative-optima search, and no
// floating-point state to hold or test.
struct RationalArithmetic {
  using Value = Rational;
  struct FlagScope {};

  static Value FromExtended(Extended x) { return ExactRational(x); }
  static Value FromInt(int k) { return Value(k); }
  // Labels are integers, so their denominator is 1.
  static int ToLabel(const Value& v) { return static_cast<int>(v.get_num().get_si()); }
  static Value Abs(const Value& v) { return abs(v); }

  static Value Snap(const Value&, Value fresh) { return fresh; }

  static Value InitialRatio() { return Value(0); }
  static bool RatioBeats(const Value& ratio, const Value& best, bool haveBest) {
    return !haveBest || best > ratio;
  }
  static bool RatioLimits(const Value&, bool haveBest) { return haveBest; }

  static bool Differs(const Value& first, const Value& other) { return first != other; }

  static void CheckFlags() {}
};

}  // namespace pivora
