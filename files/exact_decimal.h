// Finite decimals held exactly: an integer significand times a power of ten.
// The model reader takes each of GLPK's doubles as the shortest decimal that
// reads back to it and does every shift, split and range-row computation in
// this type, so a grid cell holds exactly the number the model means.
#pragma once

#include <gmpxx.h>

#include <string>

namespace pivora {

class ExactDecimal {
 public:
  ExactDecimal() = default;  // zero
  explicit ExactDecimal(long integer) : significand_(integer) {}

  // The shortest decimal that reads back as `value` (std::to_chars' digits);
  // both zeros give zero. `value` must be finite. With Text(), the one
  // place a double's or an extended value's shortest text is made.
  static ExactDecimal FromDouble(double value);
  static ExactDecimal FromExtended(long double value);

  // The value as text, with as few characters as to_chars would use for it:
  // positional ("0.3", "-12", "0.0001") or with an exponent ("1e-05",
  // "2.5e+300"), whichever is shorter, positional on a tie. Zero is "0".
  std::string Text() const;

  int Sign() const { return sgn(significand_); }

  friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
  friend ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b);
  friend ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b);
  friend ExactDecimal operator-(const ExactDecimal& a);
  ExactDecimal& operator+=(const ExactDecimal& b) { return *this = *this + b; }
  friend bool operator==(const ExactDecimal& a, const ExactDecimal& b) {
    return (a - b).Sign() == 0;
  }

 private:
  ExactDecimal(mpz_class significand, long exponent);
  template <class Float>
  static ExactDecimal Shortest(Float value);

  mpz_class significand_;  // value = significand_ * 10^exponent_
  long exponent_ = 0;
};

}  // namespace pivora
