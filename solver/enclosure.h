// Numbers known to lie within a bound of a double-double value with a binary
// exponent of its own, for a guide run of the exchange method: every zero
// test and every comparison it makes is either certain for the exact
// numbers the values enclose, or refused by throwing Undecided. A run that
// finishes on them has taken, step for step, the choices an exact run
// takes.
//
// An enclosure is (hi + lo) * 2^e with radius r * 2^e: the midpoint's
// leading double hi lies in [1, 2) in magnitude, so the double-double steps
// (solver/double_double.h) always run near 1 and neither underflow nor
// overflow, whatever the exponent; e is a 64-bit integer, far beyond any
// typed exponent. Each result's bound adds the operands' bounds as they
// propagate and 2^-97 of its magnitude for the step itself (above the
// double-double steps' 15u^2 + 56u^3), and is rounded up:
// - a sum aligns the smaller operand to the larger one's exponent; where
//   they lie more than kAligned binary places apart, the smaller one's
//   midpoint and radius join the bound whole, rounded up past any underflow;
// - a product's bound is |a| rb + |b| ra + ra rb, the last term being what
//   the bound of two wide enclosures needs beyond their midpoints;
// - a quotient's is (ra + |a/b| rb) / (least |b|).
// A radius is kept within kNarrowest..kWidest of a unit of hi (a narrower
// one is widened to kNarrowest, far below the 2^-97 any inexact step adds; a
// wider one is Undecided), and lo is 0 or at least kLeastTrailing of hi (a
// smaller one joins the radius), so no product of them underflows. A value
// whose midpoint is 0 but whose radius is not keeps the radius's exponent.
//
// An enclosure may also carry the exact value it encloses, computed only
// when asked for (LazyExact): a guided run that could not settle a choice
// puts the exact entries of its basis in, so that the next choice is
// settled on exact values where the bounds leave it open (a tie of ratios,
// an entry that is exactly 0). A result carries its exact value, as the
// operation on its operands' exact values, where one operand carries one
// and the other is known exactly too (it carries one, or its radius is 0);
// values that carry none never touch a rational.
// Needs round-to-nearest double arithmetic without contraction
// (EnclosureArithmetic::FlagScope sets the rounding).
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <memory>

#include "solver/double_double.h"
#include "solver/exchange_observer.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

namespace enclosure_detail {

inline constexpr double kStepBound = 0x1p-97;  // above 15u^2 + 56u^3 of every step
inline constexpr double kUp = 1 + 0x1p-50;     // above the rounding of a bound's few operations
// Relative to a unit of hi, whose square and products stay normal doubles.
inline constexpr double kWidest = 0x1p500;
inline constexpr double kNarrowest = 0x1p-400;
inline constexpr double kLeastTrailing = 0x1p-600;
// Binary places between two summands beyond which the smaller one's
// midpoint is held by the bound alone: its double-double terms stay exact
// when aligned up to here (lo >= 2^-600 times 2^-160 is a normal double).
inline constexpr int kAligned = 160;
// An exponent beyond this is Undecided: sums of two stay far inside 64 bits.
inline constexpr std::int64_t kFarthest = std::int64_t{1} << 60;

// At least the midpoint's magnitude: |lo| is at most 2^-53 |hi|.
inline double Above(double hi) { return std::fabs(hi) * (1 + 0x1p-52); }

// x * 2^k for x >= 0, rounded up past an underflow: never 0 for x > 0.
// Beyond +-2100 every positive double overflows or underflows alike.
inline double ScaledUp(double x, std::int64_t k) {
  const int clamped = k < -2100 ? -2100 : k > 2100 ? 2100 : static_cast<int>(k);
  const double scaled = double_double::TimesPowerOfTwo(x, clamped);
  return x > 0 && scaled < 0x1p-1022 ? scaled + 0x1p-1074 : scaled;
}

}  // namespace enclosure_detail

class Undecided : public std::exception {
 public:
  const char* what() const noexcept override { return "Comparison not settled."; }
};

// What computing exact values may cost one guided run: each operation on
// them is counted as the product of its operands' lengths in limbs, and
// asks the observer whether to stop.
class ExactEffort {
 public:
  ExactEffort(ExchangeObserver* observer, long limit) : observer_(observer), left_(limit) {}
  // Counts x op y; throws SolveCancelled where the observer asks to stop,
  // and Undecided once the limit is spent (Spent() then says so).
  void Spend(const Rational& x, const Rational& y) {
    ThrowIfCancelled(observer_);
    left_ -= Limbs(x) * Limbs(y);
    if (left_ < 0) throw Undecided();
  }
  bool Spent() const { return left_ < 0; }

 private:
  static long Limbs(const Rational& q) {
    return static_cast<long>(mpz_size(q.get_num_mpz_t()) + mpz_size(q.get_den_mpz_t()));
  }
  ExchangeObserver* observer_;
  long left_;
};

// An exact value computed the first time it is asked for, then kept.
class LazyExact {
 public:
  LazyExact() = default;
  LazyExact(const LazyExact&) = delete;
  LazyExact& operator=(const LazyExact&) = delete;
  virtual ~LazyExact() = default;

  // The effort its computation counts against (null for none).
  virtual ExactEffort* Effort() const { return nullptr; }

  const Rational& Value() const {
    if (!known_) {
      value_ = Compute();
      known_ = true;
    }
    return value_;
  }

 protected:
  virtual Rational Compute() const = 0;

 private:
  mutable bool known_ = false;
  mutable Rational value_;
};


class Enclosure {
 public:
  Enclosure() = default;  // exactly 0
  // Exactly k; implicit, so that w(i, j) < 0 reads as for the other number
  // types.
  Enclosure(int k) {  // NOLINT: a whole number is a value
    if (k != 0) *this = Normalized(static_cast<double>(k), 0, 0, 0);
  }
  // An enclosure of q: its double-double value truncated, with the rest as
  // the bound (0 where q is a double-double value times a power of two).
  explicit Enclosure(const Rational& q);
  // The same, carrying q itself for the comparisons its bound leaves open.
  static Enclosure Exactly(const Rational& q);
  // Carries `exact`, which must be a value the bounds enclose, from here on.
  void CarryExact(std::shared_ptr<const LazyExact> exact) { exact_ = std::move(exact); }
  // Forgets the exact value carried, so that the arithmetic on it stays
  // that of the bounds alone.
  void DropExact() { exact_.reset(); }

  friend Enclosure operator+(const Enclosure& a, const Enclosure& b) {
    Enclosure sum = Plus(a, b);
    if (a.exact_ || b.exact_) [[unlikely]]
      CarryExact(sum, a, b, '+');
    return sum;
  }
  friend Enclosure operator-(const Enclosure& a, const Enclosure& b) { return a + (-b); }
  friend Enclosure operator*(const Enclosure& a, const Enclosure& b) {
    Enclosure product = Times(a, b);
    if (a.exact_ || b.exact_) [[unlikely]]
      CarryExact(product, a, b, '*');
    return product;
  }
  // Undecided where the divisor's enclosure holds 0, unless it carries its
  // exact value, which is not 0: then the divisor is narrowed to it first.
  friend Enclosure operator/(const Enclosure& a, const Enclosure& b) {
    Enclosure quotient = b.exact_ && b.Straddles() ? Over(a, Exactly(b.exact_->Value())) : Over(a, b);
    if (a.exact_ || b.exact_) [[unlikely]]
      CarryExact(quotient, a, b, '/');
    return quotient;
  }
  Enclosure operator-() const;

  // -1, 0 or 1 for every number enclosed; where they differ, the exact
  // value's sign where one is carried, else Undecided.
  int Sign() const;
  // Whether the bounds hold numbers of both signs (or 0 and others).
  bool Straddles() const;
  friend bool operator==(const Enclosure& a, const Enclosure& b) { return (a - b).Sign() == 0; }
  friend bool operator!=(const Enclosure& a, const Enclosure& b) { return !(a == b); }
  friend bool operator<(const Enclosure& a, const Enclosure& b) { return (b - a).Sign() > 0; }
  friend bool operator>(const Enclosure& a, const Enclosure& b) { return b < a; }

  Enclosure Magnitude() const {
    const bool negative = exact_ && Straddles() ? sgn(exact_->Value()) < 0 : hi_ < 0;
    return negative ? -*this : *this;
  }
  // The midpoint's leading double times its power of two: a whole number's
  // value (infinite or 0 beyond the range of doubles).
  double Leading() const;
  // Grows with the midpoint's magnitude (-infinity for a midpoint of 0).
  double SizeOrder() const;

 private:
  Enclosure(double hi, double lo, double radius, std::int64_t exponent)
      : hi_(hi), lo_(lo), radius_(radius), exponent_(exponent) {}
  // (hi + lo) * 2^exponent with radius * 2^exponent (hi + lo a double-double
  // value, radius rounded up), brought to the form the members keep.
  static Enclosure Normalized(double hi, double lo, double radius, std::int64_t exponent);
  static Enclosure Plus(const Enclosure& a, const Enclosure& b);
  static Enclosure Times(const Enclosure& a, const Enclosure& b);
  static Enclosure Over(const Enclosure& a, const Enclosure& b);
  bool IsZero() const { return hi_ == 0 && radius_ == 0; }
  // The exact value carried, or the midpoint as one where the radius is 0;
  // null where neither is known (or the midpoint's exponent lies beyond any
  // data's).
  std::shared_ptr<const LazyExact> ExactOrMidpoint() const;
  // Sets `result`'s exact value to op(a, b) ('+', '*' or '/') where one of
  // a and b carries one and the other's is known.
  static void CarryExact(Enclosure& result, const Enclosure& a, const Enclosure& b, char op);

  double hi_ = 0;  // 0, or 1 <= |hi_| < 2; |lo_| <= half a unit in its last place
  double lo_ = 0;
  double radius_ = 0;  // every number enclosed lies within radius_ * 2^exponent_
                       // of the midpoint; in [1, 2) where hi_ is 0
  std::int64_t exponent_ = 0;
  std::shared_ptr<const LazyExact> exact_;  // null for none
};

namespace enclosure_detail {

// op(a, b) of two exact values ('+', '*', '/'), or -a ('-', b null).
class Combined final : public LazyExact {
 public:
  Combined(char op, std::shared_ptr<const LazyExact> a, std::shared_ptr<const LazyExact> b)
      : op_(op),
        a_(std::move(a)),
        b_(std::move(b)),
        effort_(a_->Effort() != nullptr ? a_->Effort() : b_ ? b_->Effort() : nullptr) {}
  ExactEffort* Effort() const override { return effort_; }

 private:
  Rational Compute() const override;
  char op_;
  std::shared_ptr<const LazyExact> a_;
  std::shared_ptr<const LazyExact> b_;
  ExactEffort* effort_;
};

}  // namespace enclosure_detail

inline void Enclosure::CarryExact(Enclosure& result, const Enclosure& a, const Enclosure& b,
                                  char op) {
  auto x = a.ExactOrMidpoint();
  auto y = b.ExactOrMidpoint();
  if (!x || !y) return;
  result.exact_ = std::make_shared<const enclosure_detail::Combined>(op, std::move(x), std::move(y));
}

inline Enclosure Enclosure::operator-() const {
  Enclosure negated(-hi_, -lo_, radius_, exponent_);
  if (exact_) negated.exact_ = std::make_shared<const enclosure_detail::Combined>('-', exact_, nullptr);
  return negated;
}

inline Enclosure Enclosure::Normalized(double hi, double lo, double radius,
                                       std::int64_t exponent) {
  using namespace enclosure_detail;
  if (hi == 0) {
    if (radius == 0) return Enclosure();
    if (!(radius <= 0x1p1000)) throw Undecided();
    const int k = double_double::BinaryExponent(radius);
    exponent += k;
    if (exponent > kFarthest || exponent < -kFarthest) throw Undecided();
    return Enclosure(0, 0, double_double::TimesPowerOfTwo(radius, -k), exponent);
  }
  if (lo != 0 && std::fabs(lo) < kLeastTrailing * std::fabs(hi)) {
    radius = (radius + std::fabs(lo)) * kUp;
    lo = 0;
  }
  const int k = double_double::BinaryExponent(hi);
  double r = ScaledUp(radius, -k);
  if (!(r <= kWidest)) throw Undecided();
  if (r != 0 && r < kNarrowest) r = kNarrowest;
  exponent += k;
  if (exponent > kFarthest || exponent < -kFarthest) throw Undecided();
  return Enclosure(double_double::TimesPowerOfTwo(hi, -k), double_double::TimesPowerOfTwo(lo, -k),
                   r, exponent);
}

// The bounds' sum alone.
inline Enclosure Enclosure::Plus(const Enclosure& a, const Enclosure& b) {
  using namespace enclosure_detail;
  if (a.IsZero()) return b;
  if (b.IsZero()) return a;
  const bool aLarger = a.exponent_ >= b.exponent_;
  const Enclosure& large = aLarger ? a : b;
  const Enclosure& small = aLarger ? b : a;
  const std::int64_t apart = large.exponent_ - small.exponent_;
  if (apart > kAligned) {
    const double rest = ScaledUp((Above(small.hi_) + small.radius_) * kUp, -apart);
    return Enclosure::Normalized(large.hi_, large.lo_, (large.radius_ + rest) * kUp,
                                 large.exponent_);
  }
  const int k = -static_cast<int>(apart);
  const double_double::Pair z =
      double_double::Sum({large.hi_, large.lo_}, {double_double::TimesPowerOfTwo(small.hi_, k),
                                                  double_double::TimesPowerOfTwo(small.lo_, k)});
  return Enclosure::Normalized(
      z.hi, z.lo,
      (large.radius_ + double_double::TimesPowerOfTwo(small.radius_, k) +
       kStepBound * std::fabs(z.hi)) *
          kUp,
      large.exponent_);
}

inline Enclosure Enclosure::Times(const Enclosure& a, const Enclosure& b) {
  using namespace enclosure_detail;
  if (a.IsZero() || b.IsZero()) return Enclosure();
  const double_double::Pair z = double_double::Product({a.hi_, a.lo_}, {b.hi_, b.lo_});
  return Enclosure::Normalized(z.hi, z.lo,
                               (Above(a.hi_) * b.radius_ + Above(b.hi_) * a.radius_ +
                                a.radius_ * b.radius_ + kStepBound * std::fabs(z.hi)) *
                                   kUp,
                               a.exponent_ + b.exponent_);
}

inline Enclosure Enclosure::Over(const Enclosure& a, const Enclosure& b) {
  using namespace enclosure_detail;
  // The smallest magnitude b encloses, in units of 2^e(b), rounded down.
  const double least = (std::fabs(b.hi_) * (1 - 0x1p-52) - b.radius_) * (1 - 0x1p-50);
  if (!(least > 0)) throw Undecided();
  if (a.IsZero()) return Enclosure();
  const double_double::Pair z = double_double::Quotient({a.hi_, a.lo_}, {b.hi_, b.lo_});
  // |a/b - a'/b'| <= (|a - a'| + |a'/b'| |b - b'|) / |b| for midpoints a', b'.
  return Enclosure::Normalized(
      z.hi, z.lo,
      ((a.radius_ + Above(z.hi) * b.radius_) / least + kStepBound * std::fabs(z.hi)) * kUp,
      a.exponent_ - b.exponent_);
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
