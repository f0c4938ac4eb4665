// The number policy of the exchange method. Pivot, the three phases and the
// alternative-optima search are written once over a policy `Arith` and
// instantiated for extended values (ExtendedArithmetic below); an exact policy
// instantiates the same templates for an exact re-solve.
//
// A policy provides:
//   using Value = ...;            the number type of the work and solution tables
//   using FlagScope = ...;        held for one solve: clears and holds the
//                                 floating-point state (empty for exact values)
//   static Value FromExtended(Extended x);  exact conversion of a problem entry
//   static Value FromInt(int k);
//   static int ToLabel(const Value& v);     a label (a whole number) as an int
//   static Value Abs(const Value& v);
//   static Value Snap(const Value& old, const Value& fresh);
//       the exchange step's zero-snapping of an entry whose value was `old`
//       and is computed as `fresh`
//   static Value InitialRatio();
//       start value of the ratio test's running minimum q
//   static bool RatioBeats(const Value& ratio, const Value& best, bool haveBest);
//       whether `ratio` replaces the running minimum `best`; haveBest tells
//       whether any row has been taken yet; ties keep the earlier row
//   static bool RatioLimits(const Value& best, bool haveBest);
//       after the ratio test: whether some row limits the column
//   static bool Differs(const Value& first, const Value& other);
//       the alternative-optima search's comparison with solution 1
//   static void CheckFlags();
//       throws FloatingPointError if the arithmetic since the scope began
//       overflowed, divided by zero or was invalid; nothing for exact values
#pragma once

#include <cmath>

#include "solver/extended.h"
#include "solver/fp_environment.h"

namespace pivora {

// The extended value nearest to 10^-9: the relative tolerance of the
// zero-snapping and of the alternative-optima comparison.
inline constexpr Extended kSnapTolerance = 1e-9L;

// 1.7E308 as an extended value: the largest extended value not greater than
// 1.7 * 10^308 (biased exponent 0x43FE, significand 0xF2168983B9DBB273), one
// unit in the last place below the extended value nearest to 1.7 * 10^308.
inline constexpr Extended kRatioSentinel = 0xF2168983B9DBB273p+960L;

struct ExtendedArithmetic {
  using Value = Extended;
  using FlagScope = FloatingPointScope;

  static Value FromExtended(Extended x) { return x; }
  static Value FromInt(int k) { return static_cast<Extended>(k); }
  // Labels are whole numbers of a few digits, exact in double; converting
  // through double spares the x87 unit two switches of its rounding mode.
  static int ToLabel(const Value& v) { return static_cast<int>(static_cast<double>(v)); }
  static Value Abs(const Value& v) { return std::fabs(v); }

  // The product comes first and the comparison is strict: an entry that was
  // exactly 0 is never snapped, and a result of exactly 1E-9 times the old
  // magnitude stays as computed.
  static Value Snap(const Value& old, const Value& fresh) {
    return std::fabs(old) * kSnapTolerance > std::fabs(fresh) ? Value{} : fresh;
  }

  // No row limits the column when q still equals the sentinel afterwards, so
  // a ratio at or beyond 1.7E308 never limits it.
  static Value InitialRatio() { return kRatioSentinel; }
  static bool RatioBeats(const Value& ratio, const Value& best, bool) { return best > ratio; }
  static bool RatioLimits(const Value& best, bool) { return best != kRatioSentinel; }

  // Difference first, then its magnitude; strictly greater than 1E-9 times
  // the magnitude of solution 1's entry, so where that entry is 0 any
  // non-zero entry differs.
  static bool Differs(const Value& first, const Value& other) {
    return std::fabs(first - other) > kSnapTolerance * std::fabs(first);
  }

  static void CheckFlags() { CheckFloatingPointFlags(); }
};

}  // namespace pivora
