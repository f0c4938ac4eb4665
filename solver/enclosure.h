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
// 2^-900..2^900 in magnitude, where no step of a midpoint underflows or
// overflows; beyond that a value is Undecided too. A bound can still fall
// below the normal range (a value whose midpoint is 0, times a small one), so
// every product and quotient of bounds carries an allowance for underflow:
// no bound ever rounds to 0 while a number it encloses may differ from the
// midpoint. Needs round-to-nearest double arithmetic
// without contraction (EnclosureArithmetic::FlagScope sets the rounding).
#pragma once

#include <cfenv>
#include <cmath>
#include <exception>

#include "solver/rational_arithmetic.h"

namespace pivora {

// The double-double steps, each an error-free transformation or one of the
// building blocks named above.
namespace enclosure_detail {

inline constexpr double kStepBound = 0x1p-97;  // above 15u^2 + 56u^3 of every step
inline constexpr double kUp = 1 + 0x1p-50;     // above the rounding of a bound's few operations
inline constexpr double kLargest = 0x1p900;
inline constexpr double kSmallest = 0x1p-900;
// Above what the bound of one product or quotient can lose to underflow,
// half the smallest subnormal for each of its at most three products. It
// counts only where the midpoint is 0: elsewhere the step's own bound, at
// least 2^-997, is far above it.
inline constexpr double kUnderflow = 0x1p-1072;

struct Pair {
  double hi;
  double lo;
};

inline Pair TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// |a| >= |b| (or a == 0).
inline Pair FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

inline Pair Split(double a) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  const double hi = c - (c - a);
  return {hi, a - hi};
}

inline Pair TwoProduct(double a, double b) {
  const double p = a * b;
  const Pair x = Split(a);
  const Pair y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

inline Pair Sum(Pair x, Pair y) {
  const Pair s = TwoSum(x.hi, y.hi);
  const Pair t = TwoSum(x.lo, y.lo);
  const Pair v = FastTwoSum(s.hi, s.lo + t.hi);
  return FastTwoSum(v.hi, t.lo + v.lo);
}

inline Pair Product(Pair x, Pair y) {
  const Pair c = TwoProduct(x.hi, y.hi);
  return FastTwoSum(c.hi, c.lo + (x.hi * y.lo + x.lo * y.hi));
}

inline Pair Quotient(Pair x, Pair y) {
  const double th = x.hi / y.hi;
  const Pair c = TwoProduct(y.hi, th);
  const Pair t = FastTwoSum(c.hi, y.lo * th);
  const Pair r = FastTwoSum(t.hi, t.lo + c.lo);
  const double delta = (x.hi - r.hi) + (x.lo - r.lo);
  return FastTwoSum(th, delta / y.hi);
}

// At least the midpoint's magnitude: |lo| is at most 2^-53 |hi|.
inline double Above(double hi) { return std::fabs(hi) * (1 + 0x1p-52); }

}  // namespace enclosure_detail

class Undecided : public std::exception {
 public:
  const char* what() const noexcept override { return "Comparison not settled."; }
};

class Enclosure {
 public:
  Enclosure() = default;  // exactly 0
  // Exactly k; implicit, so that w(i, j) < 0 reads as for the other number
  // types.
  Enclosure(int k) : hi_(static_cast<double>(k)) {}  // NOLINT: a whole number is a value
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

inline Enclosure Enclosure::Rounded(double hi, double lo, double propagated) {
  using namespace enclosure_detail;
  const double magnitude = std::fabs(hi);
  if (magnitude != 0 && !(magnitude <= kLargest && magnitude >= kSmallest)) throw Undecided();
  const double radius = (propagated + kStepBound * magnitude) * kUp;
  if (!(radius <= kLargest)) throw Undecided();
  return Enclosure(hi, lo, radius);
}

inline Enclosure operator+(const Enclosure& a, const Enclosure& b) {
  if (a.hi_ == 0 && a.radius_ == 0) return b;
  if (b.hi_ == 0 && b.radius_ == 0) return a;
  const enclosure_detail::Pair z = enclosure_detail::Sum({a.hi_, a.lo_}, {b.hi_, b.lo_});
  return Enclosure::Rounded(z.hi, z.lo, a.radius_ + b.radius_);
}

inline Enclosure operator*(const Enclosure& a, const Enclosure& b) {
  using namespace enclosure_detail;
  if ((a.hi_ == 0 && a.radius_ == 0) || (b.hi_ == 0 && b.radius_ == 0)) return Enclosure();
  const Pair z = Product({a.hi_, a.lo_}, {b.hi_, b.lo_});
  if (z.hi == 0 && a.hi_ != 0 && b.hi_ != 0) throw Undecided();  // underflow
  return Enclosure::Rounded(
      z.hi, z.lo,
      Above(a.hi_) * b.radius_ + Above(b.hi_) * a.radius_ + a.radius_ * b.radius_ + kUnderflow);
}

inline Enclosure operator/(const Enclosure& a, const Enclosure& b) {
  using namespace enclosure_detail;
  // The smallest magnitude b encloses, rounded down.
  const double least = (std::fabs(b.hi_) * (1 - 0x1p-52) - b.radius_) * (1 - 0x1p-50);
  if (!(least > 0)) throw Undecided();
  if (a.hi_ == 0 && a.radius_ == 0) return Enclosure();
  const Pair z = Quotient({a.hi_, a.lo_}, {b.hi_, b.lo_});
  if (z.hi == 0 && a.hi_ != 0) throw Undecided();  // underflow
  // |a/b - a'/b'| <= (|a - a'| + |a'/b'| |b - b'|) / |b| for midpoints a', b'.
  return Enclosure::Rounded(z.hi, z.lo, (a.radius_ + Above(z.hi) * b.radius_) / least + kUnderflow);
}

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
