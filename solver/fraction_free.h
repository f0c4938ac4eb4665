// Exact numbers for the exchange method that keep the integers of
// fraction-free (Bareiss) elimination: a value is t * 2^e / d, with t an odd
// integer or 0 and d an odd positive integer shared by every entry of the
// work tableau that an exchange step wrote. The step's own formula,
// W(i, s) * W'(r, j) + W(i, j) over the new pivot row, then needs no greatest
// common divisor: its numerator is divisible by the old shared denominator
// (Bareiss, 1968), and the quotient lies over the new one, the pivot's
// numerator. The powers of two that extended values carry stay in e.
//
// Every result is exact whatever the inputs: where a step's operands do not
// share their denominators (entries an exchange left alone), or the division
// leaves a remainder, the value is computed as a plain rational and then put
// over the newest shared denominator where it divides it.
#pragma once

#include <gmpxx.h>

#include <memory>

#include "solver/extended.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

class FractionFree;

// a * b of two named values, evaluated when it becomes a value or meets
// "+ old": the exchange step's update a * b + old is one fused operation. It
// lives only inside the expression that made it: it cannot be copied or
// moved, only a temporary product becomes a value or meets "+ old", and a
// product with a temporary operand is evaluated at once (FractionFree's
// operator*), so it never refers to a value that has gone.
class FractionFreeProduct {
 public:
  FractionFreeProduct(const FractionFreeProduct&) = delete;
  FractionFreeProduct& operator=(const FractionFreeProduct&) = delete;

 private:
  friend class FractionFree;
  friend FractionFree operator+(FractionFreeProduct&& p, const FractionFree& old);
  FractionFreeProduct(const FractionFree& a, const FractionFree& b) : a_(a), b_(b) {}

  const FractionFree& a_;
  const FractionFree& b_;
};

class FractionFree {
 public:
  using Denominator = std::shared_ptr<const mpz_class>;  // null means 1

  FractionFree() = default;
  explicit FractionFree(int k);
  explicit FractionFree(Extended x);  // x finite
  explicit FractionFree(const Rational& q);
  // numerator / denominator (not 0), where `odd` is the shared odd part of
  // |denominator| (null for 1) and `twos` its power of two: the entries of
  // one tableau built over one common denominator share `odd`.
  static FractionFree OverShared(mpz_class numerator, int denominatorSign, const Denominator& odd,
                                 long twos);
  FractionFree(FractionFreeProduct&& p);  // NOLINT: a product becomes a value

  Rational ToRational() const;
  int Sign() const { return sgn(t_); }
  // The value as an int; it must be an integer that fits.
  int ToInt() const;

  friend FractionFreeProduct operator*(const FractionFree& a, const FractionFree& b) {
    return Product(a, b);
  }
  friend FractionFree operator*(FractionFree&& a, const FractionFree& b) {
    return FractionFree(Product(a, b));
  }
  friend FractionFree operator*(const FractionFree& a, FractionFree&& b) {
    return FractionFree(Product(a, b));
  }
  friend FractionFree operator*(FractionFree&& a, FractionFree&& b) {
    return FractionFree(Product(a, b));
  }
  friend FractionFree operator+(FractionFreeProduct&& p, const FractionFree& old);
  friend FractionFree operator/(const FractionFree& x, const FractionFree& y);
  friend FractionFree operator-(const FractionFree& x);
  friend FractionFree Abs(const FractionFree& x);

  friend int Compare(const FractionFree& a, const FractionFree& b);
  friend bool operator==(const FractionFree& a, const FractionFree& b) {
    return Compare(a, b) == 0;
  }
  friend bool operator!=(const FractionFree& a, const FractionFree& b) {
    return Compare(a, b) != 0;
  }
  friend bool operator<(const FractionFree& a, const FractionFree& b) { return Compare(a, b) < 0; }
  friend bool operator>(const FractionFree& a, const FractionFree& b) { return Compare(a, b) > 0; }
  // Against an integer: the phases compare with 0.
  friend bool operator==(const FractionFree& a, int k) { return a == FractionFree(k); }
  friend bool operator<(const FractionFree& a, int k) { return a < FractionFree(k); }
  friend bool operator>(const FractionFree& a, int k) { return a > FractionFree(k); }

 private:
  static FractionFreeProduct Product(const FractionFree& a, const FractionFree& b) {
    return FractionFreeProduct(a, b);
  }
  // From an exact rational; over `preferred` where that denominator allows.
  static FractionFree FromRational(const Rational& q, const Denominator& preferred);
  // |t| as a shared denominator, made once per value that divides others.
  const Denominator& MagnitudeAsDenominator() const;
  void Normalise();  // moves the factors 2 of t into e

  mpz_class t_;
  long e_ = 0;
  Denominator d_;
  mutable Denominator magnitude_;
};

FractionFree Abs(const FractionFree& x);

// The number policy of the exchange method on FractionFree values: exact
// like RationalArithmetic, for the exact re-solve.
struct FractionFreeArithmetic : ExactRules<FractionFree> {
  using Value = FractionFree;

  static Value FromExtended(Extended x) { return Value(x); }
  static Value FromInt(int k) { return Value(k); }
  static int ToLabel(const Value& v) { return v.ToInt(); }
  static Value Abs(const Value& v) { return pivora::Abs(v); }
};

}  // namespace pivora
