// Numbers known to lie within a bound of a double-double value (a pair of
// doubles whose sum carries about 106 bits), for a guide run of the exchange
// method: every zero test and every comparison it makes is either certain
// for the exact numbers the values enclose, or refused by throwing
// Undecided. A run that finishes on them has taken, step for step, the
// choices an exact run takes.
//
// The double-double steps are those of Joldes, Muller and Popescu, "Tight
// and rigorous error bounds for basic building blocks of double-word
// arithmetic" (2017): addition within 3u^2, multiplication within 7u^2 and
// division within 15u^2 + 56u^3 of the exact result of the two midpoints
// (u = 2^-53), products by Dekker's splitting (no fused multiply-add). Each
// result's bound adds the operands' bounds as they propagate and 2^-97 of
// its magnitude for the step itself, and is rounded up. Values stay within
// 2^-900..2^900 in magnitude, where no step underflows or overflows; beyond
// that a value is Undecided too. Needs round-to-nearest double arithmetic
// without contraction (EnclosureArithmetic::FlagScope sets the rounding).
#pragma once

#include <cfenv>
#include <exception>

#include "solver/rational_arithmetic.h"

namespace pivora {

class Undecided : public std::exception {
 public:
  const char* what() const noexcept override { return "Comparison not settled."; }
};

class Enclosure {
 public:
  Enclosure() = default;  // exactly 0
  // Exactly k; implicit, so that w(i, j) < 0 reads as for the other number
  // types.
  Enclosure(int k) : hi_(static_cast<double>(k)) {}  // NOLINT(google-explicit-constructor)
  // An enclosure of q: its double-double value truncated, with the rest as
  // the bound (0 where q is a double-double value). Undecided where q lies
  // beyond the range.
  explicit Enclosure(const Rational& q);

  friend Enclosure operator+(const Enclosure& a, const Enclosure& b);
  friend Enclosure operator-(const Enclosure& a, const Enclosure& b) { return a + (-b); }
  friend Enclosure operator*(const Enclosure& a, const Enclosure& b);
  // Undecided where the divisor's enclosure holds 0.
  friend Enclosure operator/(const Enclosure& a, const Enclosure& b);
  Enclosure operator-() const { return Enclosure(-hi_, -lo_, radius_); }

  // -1, 0 or 1 for every number enclosed; Undecided where they differ.
  int Sign() const;
  friend bool operator==(const Enclosure& a, const Enclosure& b) { return (a - b).Sign() == 0; }
  friend bool operator!=(const Enclosure& a, const Enclosure& b) { return !(a == b); }
  friend bool operator<(const Enclosure& a, const Enclosure& b) { return (b - a).Sign() > 0; }
  friend bool operator>(const Enclosure& a, const Enclosure& b) { return b < a; }

  Enclosure Magnitude() const { return hi_ < 0 ? -*this : *this; }
  bool Exact() const { return radius_ == 0; }
  // The leading double of the midpoint: a whole number's value.
  double Leading() const { return hi_; }

 private:
  Enclosure(double hi, double lo, double radius) : hi_(hi), lo_(lo), radius_(radius) {}
  // The result (hi, lo) of one step whose operands propagate `propagated`.
  static Enclosure Rounded(double hi, double lo, double propagated);

  double hi_ = 0;  // |lo_| <= half a unit in the last place of hi_
  double lo_ = 0;
  double radius_ = 0;  // every number enclosed lies within it of hi_ + lo_
};

// The exchange method's number policy on enclosures: the exact rules, whose
// comparisons the values settle or refuse.
struct EnclosureArithmetic : ExactRules<Enclosure> {
  using Value = Enclosure;

  // Round to nearest for the run, the caller's rounding back after it.
  class FlagScope {
   public:
    FlagScope() : saved_(std::fegetround()) { std::fesetround(FE_TONEAREST); }
    ~FlagScope() { std::fesetround(saved_); }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

   private:
    int saved_;
  };

  static Value FromInt(int k) { return Value(k); }
  static int ToLabel(const Value& v) { return static_cast<int>(v.Leading()); }
  static Value Abs(const Value& v) { return v.Magnitude(); }
};

}  // namespace pivora
