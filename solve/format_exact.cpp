#include "solve/format_exact.h"

#include <algorithm>
#include <array>
#include <string>

#include "solve/format_number.h"

namespace pivora {

namespace {

constexpr long kTabledPowers = 40;

// 10^k; those up to 10^40, which every value of an ordinary size needs, from
// a table made once.
mpz_class TabledPowerOfTen(long k) {
  static const std::array<mpz_class, kTabledPowers + 1> table = [] {
    std::array<mpz_class, kTabledPowers + 1> powers;
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  if (k <= kTabledPowers) return table[static_cast<std::size_t>(k)];
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(k));
  return power;
}

// Compares n / d with 2^shift.
int CompareWithPowerOfTwo(const mpz_class& n, const mpz_class& d, long shift, mpz_class& scratch) {
  if (shift >= 0) {
    mpz_mul_2exp(scratch.get_mpz_t(), d.get_mpz_t(), static_cast<mp_bitcnt_t>(shift));
    return cmp(n, scratch);
  }
  mpz_mul_2exp(scratch.get_mpz_t(), n.get_mpz_t(), static_cast<mp_bitcnt_t>(-shift));
  return cmp(scratch, d);
}

// b with 2^b <= a' < 2^(b+1) for a' = num / den rounded to 64 significant
// bits (ties to even), the exponent range unbounded: the binary exponent of
// the extended value nearest to a, wherever that is a normal number.
long BinaryExponent(const mpz_class& num, const mpz_class& den) {
  long b = static_cast<long>(mpz_sizeinbase(num.get_mpz_t(), 2)) -
           static_cast<long>(mpz_sizeinbase(den.get_mpz_t(), 2));
  mpz_class scratch;
  if (CompareWithPowerOfTwo(num, den, b, scratch) < 0) --b;
  // a rounds up to 2^(b+1) where a >= 2^(b+1) - 2^(b-64): a tie goes to the
  // even significand, which is 2^(b+1)'s. In units of 2^(b-64) that bound
  // is 2^65 - 1.
  static const mpz_class bound = (mpz_class(1) << 65) - 1;
  if (CompareWithPowerOfTwo(num, mpz_class(den * bound), b - 64, scratch) >= 0) ++b;
  return b;
}

// One more than log10(2) * b rounded down, by the same integer formula as
// the extended value's text (19728 / 65536 slightly below log10(2)).
long EstimateDecimalExponent(long b) { return static_cast<long>((b * 19728L) >> 16) + 1; }

// num / den times 10^shift, rounded half up to an integer.
mpz_class RoundedHalfUp(const mpz_class& num, const mpz_class& den, long shift) {
  mpz_class top = 2 * num;
  mpz_class bottom = 2 * den;
  if (shift >= 0) {
    top *= TabledPowerOfTen(shift);
  } else {
    bottom *= TabledPowerOfTen(-shift);
  }
  top += bottom / 2;
  mpz_class quotient;
  mpz_fdiv_q(quotient.get_mpz_t(), top.get_mpz_t(), bottom.get_mpz_t());
  return quotient;
}

}  // namespace

std::string FormatExact(const Rational& value, int precision, int exponentDigits,
                        const NumberFormat& format) {
  return FormatExact(value.get_num(), value.get_den(), precision, exponentDigits, format);
}

std::string FormatExact(const mpz_class& signedNum, const mpz_class& den, int precision,
                        int exponentDigits, const NumberFormat& format) {
  precision = std::clamp(precision, 2, 18);
  const int sign = sgn(signedNum);
  if (sign == 0) return LayOutDecimal(false, {}, 0, precision, exponentDigits, format);
  const mpz_class num = abs(signedNum);

  // The digits are those of a * 10^(precision - e) rounded once, laid out as
  // 0.digits x 10^e. Where the estimate is one above the true exponent, the
  // first digit is '0', as in the extended value's text; a carry to
  // 10^precision, or a value at or above 10^e, moves e up by one.
  long e = EstimateDecimalExponent(BinaryExponent(num, den));
  const mpz_class limit = TabledPowerOfTen(precision);
  const mpz_class leastWithOneZero = TabledPowerOfTen(precision - 2);
  mpz_class digits;
  for (;;) {
    digits = RoundedHalfUp(num, den, precision - e);
    if (digits >= limit) {
      ++e;
    } else if (digits < leastWithOneZero) {
      // Far beyond the extended range the estimate may run two above.
      --e;
    } else {
      break;
    }
  }
  std::string text = digits.get_str();
  text.insert(0, static_cast<std::size_t>(precision) - text.size(), '0');
  text.erase(text.find_last_not_of('0') + 1);
  return LayOutDecimal(sign < 0, text, e, precision, exponentDigits, format);
}

}  // namespace pivora
