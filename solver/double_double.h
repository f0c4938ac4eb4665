// Double-double steps: error-free transformations of doubles and the
// building blocks of Joldes, Muller and Popescu, "Tight and rigorous error
// bounds for basic building blocks of double-word arithmetic" (2017):
// addition within 3u^2, multiplication within 7u^2 and division within
// 15u^2 + 56u^3 of the exact result of the two double-double operands
// (u = 2^-53), products by Dekker's splitting (no fused multiply-add). The
// bounds hold in round-to-nearest where no product underflows or overflows.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace pivora::double_double {

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

// x * 2^k, rounded to nearest (exact unless the result leaves the normal
// range).
inline double TimesPowerOfTwo(double x, int k) {
  if (k >= -1022 && k <= 1023)
    return x * std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
  return std::ldexp(x, k);
}

// floor(log2 |x|) for finite x != 0.
inline int BinaryExponent(double x) {
  const int biased = static_cast<int>((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7FF);
  return biased != 0 ? biased - 1023 : std::ilogb(x);
}

}  // namespace pivora::double_double
