#include "solver/quotient.h"

#include <cmath>
#include <utility>

namespace pivora {

namespace {

// |q| as m * 2^e with m in (1/2, 2) and e an exponent of its own, from the
// leading bits: mpz_get_d_2exp cuts numerator and denominator towards zero
// (each within a relative 2^-52), and the division of the two rounds once
// more, so m * 2^e lies within a relative 2^-50 of |q|.
struct Leading {
  double m;
  long e;
};

Leading LeadingOf(const Quotient& q) {
  long en = 0;
  long ed = 0;
  const double n = std::fabs(mpz_get_d_2exp(&en, q.num.get_mpz_t()));
  const double d = mpz_get_d_2exp(&ed, q.den.get_mpz_t());
  return {n / d, en - ed};
}

// Compares |a| with |b| where both are non-zero: 0 where their leading bits
// leave it open.
int CompareLeading(const Quotient& a, const Quotient& b) {
  const Leading x = LeadingOf(a);
  const Leading y = LeadingOf(b);
  const long apart = x.e - y.e;
  // m lies in (1/2, 2): exponents 4 or more apart decide alone.
  if (apart >= 4) return 1;
  if (apart <= -4) return -1;
  const double ratio = std::ldexp(x.m / y.m, static_cast<int>(apart));
  // Each side within 2^-50, the ratio's own rounding within 2^-52: a ratio
  // beyond 1 +- 2^-40 is that side of 1 exactly.
  constexpr double kMargin = 0x1p-40;
  if (ratio > 1.0 + kMargin) return 1;
  if (ratio < 1.0 - kMargin) return -1;
  return 0;
}

}  // namespace

Quotient::Quotient(mpz_class numerator, mpz_class denominator)
    : num(std::move(numerator)), den(std::move(denominator)) {
  if (sgn(den) < 0) {
    num = -num;
    den = -den;
  }
}

int Compare(const Quotient& a, const Quotient& b) {
  const int sa = Sign(a);
  const int sb = Sign(b);
  if (sa != sb) return sa < sb ? -1 : 1;
  if (sa == 0) return 0;
  const int magnitude = CompareLeading(a, b);
  if (magnitude != 0) return sa * magnitude;
  const mpz_class left = a.num * b.den;
  const mpz_class right = b.num * a.den;
  const int order = cmp(left, right);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

Rational Reduced(const Quotient& q) {
  Rational r(q.num, q.den);
  r.canonicalize();
  return r;
}

Extended NearestExtended(const Quotient& q) { return NearestExtended(q.num, q.den); }

}  // namespace pivora
