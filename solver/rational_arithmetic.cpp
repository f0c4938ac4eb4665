#include "solver/rational_arithmetic.h"

#include <cassert>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pivora {

namespace {

static_assert(sizeof(unsigned long) == sizeof(std::uint64_t),
              "a 64-bit significand must fit mpz_set_ui");

constexpr int kDigits = std::numeric_limits<Extended>::digits;  // 64
// The exponent of the unit in the last place of the smallest subnormal:
// 2^-16445.
constexpr int kLeastUlpExponent = std::numeric_limits<Extended>::min_exponent - kDigits;

// value * 2^exponent as an extended value; exact wherever the result is a
// representable extended value, infinity beyond the range.
Extended ScaleByPowerOfTwo(const mpz_class& value, long exponent) {
  assert(mpz_sizeinbase(value.get_mpz_t(), 2) <= kDigits + 1);
  // At most 2^64 after rounding up, which is exactly representable.
  Extended magnitude;
  if (mpz_sizeinbase(value.get_mpz_t(), 2) > kDigits) {
    magnitude = std::ldexp(1.0L, kDigits);
  } else {
    magnitude = static_cast<Extended>(mpz_get_ui(value.get_mpz_t()));
  }
  if (exponent > INT_MAX) return std::numeric_limits<Extended>::infinity();
  return std::ldexp(magnitude, static_cast<int>(exponent));
}

}  // namespace

Rational ExactRational(Extended x) {
  assert(std::isfinite(x));
  if (x == 0) return Rational(0);
  int exponent = 0;
  const Extended fraction = std::frexp(std::fabs(x), &exponent);  // in [0.5, 1)
  // fraction * 2^64 is an integer below 2^64: the significand, exactly.
  const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, kDigits));
  Rational q;
  mpz_set_ui(q.get_num_mpz_t(), static_cast<unsigned long>(significand));
  const long shift = static_cast<long>(exponent) - kDigits;
  if (shift >= 0) {
    mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(shift));
  } else {
    mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-shift));
  }
  return x < 0 ? Rational(-q) : q;
}

Extended NearestExtended(const Rational& q) { return NearestExtended(q.get_num(), q.get_den()); }

Extended NearestExtended(const mpz_class& num, const mpz_class& den) {
  assert(sgn(den) > 0);
  const int sign = sgn(num);
  if (sign == 0) return 0.0L;
  const mpz_class a = abs(num);
  const mpz_class& b = den;

  // quotient = floor(a * 2^k / b) with at least 66 bits, so that the 64 kept
  // bits, the rounding bit and one more are exact; `sticky` says whether
  // anything was cut off below.
  const long na = static_cast<long>(mpz_sizeinbase(a.get_mpz_t(), 2));
  const long nb = static_cast<long>(mpz_sizeinbase(b.get_mpz_t(), 2));
  const long k = kDigits + 2 - (na - nb) + 1;
  mpz_class scaled = a;
  mpz_class divisor = b;
  if (k >= 0) {
    scaled <<= static_cast<mp_bitcnt_t>(k);
  } else {
    divisor <<= static_cast<mp_bitcnt_t>(-k);
  }
  mpz_class quotient;
  mpz_class remainder;
  mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), scaled.get_mpz_t(), divisor.get_mpz_t());
  const bool sticky = remainder != 0;

  // The value is quotient * 2^-k, with 2^(e-1) <= value < 2^e (frexp's e).
  const long bits = static_cast<long>(mpz_sizeinbase(quotient.get_mpz_t(), 2));
  const long e = bits - k;
  // The unit in the last place of the result: 64 significant bits, no finer
  // than the smallest subnormal.
  const long ulpExponent = std::max(e - kDigits, static_cast<long>(kLeastUlpExponent));
  const long drop = ulpExponent + k;  // low bits of quotient below the ulp
  assert(drop >= 1);

  mpz_class kept;
  mpz_class cut;
  mpz_tdiv_q_2exp(kept.get_mpz_t(), quotient.get_mpz_t(), static_cast<mp_bitcnt_t>(drop));
  mpz_tdiv_r_2exp(cut.get_mpz_t(), quotient.get_mpz_t(), static_cast<mp_bitcnt_t>(drop));
  mpz_class half = 1;
  half <<= static_cast<mp_bitcnt_t>(drop - 1);
  const int side = cmp(cut, half);
  const bool up = side > 0 || (side == 0 && (sticky || mpz_odd_p(kept.get_mpz_t())));
  if (up) ++kept;

  const Extended magnitude = ScaleByPowerOfTwo(kept, ulpExponent);
  return sign < 0 ? -magnitude : magnitude;
}

}  // namespace pivora
