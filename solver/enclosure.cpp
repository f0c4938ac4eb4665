#include "solver/enclosure.h"

#include <cmath>

namespace pivora {

namespace {

constexpr double kStepBound = 0x1p-97;  // above 15u^2 + 56u^3 of every step
constexpr double kUp = 1 + 0x1p-50;     // above the rounding of a bound's few operations
constexpr double kLargest = 0x1p900;
constexpr double kSmallest = 0x1p-900;

struct Pair {
  double hi;
  double lo;
};

Pair TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// |a| >= |b| (or a == 0).
Pair FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

Pair Split(double a) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  const double hi = c - (c - a);
  return {hi, a - hi};
}

Pair TwoProduct(double a, double b) {
  const double p = a * b;
  const Pair x = Split(a);
  const Pair y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Pair Sum(Pair x, Pair y) {
  const Pair s = TwoSum(x.hi, y.hi);
  const Pair t = TwoSum(x.lo, y.lo);
  const Pair v = FastTwoSum(s.hi, s.lo + t.hi);
  return FastTwoSum(v.hi, t.lo + v.lo);
}

Pair Product(Pair x, Pair y) {
  const Pair c = TwoProduct(x.hi, y.hi);
  return FastTwoSum(c.hi, c.lo + (x.hi * y.lo + x.lo * y.hi));
}

Pair Quotient(Pair x, Pair y) {
  const double th = x.hi / y.hi;
  const Pair c = TwoProduct(y.hi, th);
  const Pair t = FastTwoSum(c.hi, y.lo * th);
  const Pair r = FastTwoSum(t.hi, t.lo + c.lo);
  const double delta = (x.hi - r.hi) + (x.lo - r.lo);
  return FastTwoSum(th, delta / y.hi);
}

// At least the midpoint's magnitude: |lo| is at most 2^-53 |hi|.
double Above(double hi) { return std::fabs(hi) * (1 + 0x1p-52); }

}  // namespace

Enclosure::Enclosure(const Rational& q) {
  if (sgn(q) == 0) return;
  const double hi = q.get_d();  // truncated
  if (!(std::fabs(hi) <= kLargest && std::fabs(hi) >= kSmallest)) throw Undecided();
  const Rational rest = q - Rational(hi);
  const double lo = rest.get_d();
  const Pair z = FastTwoSum(hi, lo);
  hi_ = z.hi;
  lo_ = z.lo;
  // The truncation of the rest is below a unit in the last place of lo, or
  // below the smallest subnormal.
  if (rest != Rational(lo)) radius_ = (std::fabs(lo) * 0x1p-52 + 0x1p-1074) * kUp;
}

Enclosure Enclosure::Rounded(double hi, double lo, double propagated) {
  const double magnitude = std::fabs(hi);
  if (magnitude != 0 && !(magnitude <= kLargest && magnitude >= kSmallest)) throw Undecided();
  const double radius = (propagated + kStepBound * magnitude) * kUp;
  if (!(radius <= kLargest)) throw Undecided();
  return Enclosure(hi, lo, radius);
}

Enclosure operator+(const Enclosure& a, const Enclosure& b) {
  if (a.hi_ == 0 && a.radius_ == 0) return b;
  if (b.hi_ == 0 && b.radius_ == 0) return a;
  const Pair z = Sum({a.hi_, a.lo_}, {b.hi_, b.lo_});
  return Enclosure::Rounded(z.hi, z.lo, a.radius_ + b.radius_);
}

Enclosure operator*(const Enclosure& a, const Enclosure& b) {
  if ((a.hi_ == 0 && a.radius_ == 0) || (b.hi_ == 0 && b.radius_ == 0)) return Enclosure();
  const Pair z = Product({a.hi_, a.lo_}, {b.hi_, b.lo_});
  if (z.hi == 0 && a.hi_ != 0 && b.hi_ != 0) throw Undecided();  // underflow
  return Enclosure::Rounded(
      z.hi, z.lo, Above(a.hi_) * b.radius_ + Above(b.hi_) * a.radius_ + a.radius_ * b.radius_);
}

Enclosure operator/(const Enclosure& a, const Enclosure& b) {
  // The smallest magnitude b encloses, rounded down.
  const double least = (std::fabs(b.hi_) * (1 - 0x1p-52) - b.radius_) * (1 - 0x1p-50);
  if (!(least > 0)) throw Undecided();
  if (a.hi_ == 0 && a.radius_ == 0) return Enclosure();
  const Pair z = Quotient({a.hi_, a.lo_}, {b.hi_, b.lo_});
  if (z.hi == 0 && a.hi_ != 0) throw Undecided();  // underflow
  // |a/b - a'/b'| <= (|a - a'| + |a'/b'| |b - b'|) / |b| for midpoints a', b'.
  return Enclosure::Rounded(z.hi, z.lo, (a.radius_ + Above(z.hi) * b.radius_) / least);
}

int Enclosure::Sign() const {
  if (radius_ == 0) return hi_ > 0 ? 1 : hi_ < 0 ? -1 : 0;
  // The end of the enclosure nearer to 0, summed within a relative 3u^2,
  // which keeps its sign.
  if (hi_ > 0 && Sum({hi_, lo_}, {-radius_, 0}).hi > 0) return 1;
  if (hi_ < 0 && Sum({hi_, lo_}, {radius_, 0}).hi < 0) return -1;
  throw Undecided();
}

}  // namespace pivora
