// A rational held as an exact integer solve gives it: a numerator over a
// positive denominator, neither reduced. On a basis of long numbers both run
// to a million bits, and reducing them (a greatest common divisor) costs far
// more than the solve; a sign, a zero test, a comparison and the leading
// digits need no reduction.
#pragma once

#include <gmpxx.h>

#include "solver/extended.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

struct Quotient {
  Quotient() = default;
  // `den` must not be 0; its sign moves to the numerator.
  Quotient(mpz_class numerator, mpz_class denominator);

  mpz_class num = 0;
  mpz_class den = 1;  // > 0
};

inline int Sign(const Quotient& q) { return sgn(q.num); }

// -1, 0 or +1 as a < b, a == b, a > b, exactly. Decided on the leading bits
// where those part the two; numerators and denominators are multiplied out
// only for values equal or within 2^-40 of each other.
int Compare(const Quotient& a, const Quotient& b);

// The same value as a reduced fraction: the one step here that takes a
// greatest common divisor.
Rational Reduced(const Quotient& q);

// The extended value nearest to `q`, as NearestExtended of its fraction.
Extended NearestExtended(const Quotient& q);

}  // namespace pivora
