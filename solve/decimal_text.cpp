#include "solve/decimal_text.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pivora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// significant * 10^scale in lowest terms, without mpz's text reading, its
// powers and its gcd, where the digits and the power both fit in 64 bits:
// every short decimal a user types. False where they do not fit. The
// significant digits do not start with '0'.
bool SmallDecimalValue(std::string_view significant, long scale, Rational& value) {
  constexpr int kMostDigits = 19;  // 10^19 - 1 < 2^64
  if (significant.size() > kMostDigits || scale < -kMostDigits) return false;
  if (scale > 0 && significant.size() + static_cast<std::size_t>(scale) > kMostDigits) return false;
  std::uint64_t integer = 0;
  for (const char c : significant) integer = 10 * integer + static_cast<std::uint64_t>(c - '0');
  std::uint64_t numerator = integer;
  std::uint64_t denominator = 1;
  if (scale < 0) {
    // The denominator is 2^k 5^k: what it shares with the integer is the
    // integer's twos and fives, at most k of each.
    const int k = static_cast<int>(-scale);
    const int twos = std::min(std::countr_zero(numerator), k);
    numerator >>= twos;
    int fives = 0;
    while (fives < k && numerator % 5 == 0) {
      numerator /= 5;
      ++fives;
    }
    denominator = std::uint64_t{1} << (k - twos);
    for (int i = fives; i < k; ++i) denominator *= 5;
  } else {
    for (long i = 0; i < scale; ++i) numerator *= 10;
  }
  static_assert(sizeof(unsigned long) == sizeof(std::uint64_t));
  mpz_set_ui(value.get_num_mpz_t(), numerator);
  mpz_set_ui(value.get_den_mpz_t(), denominator);
  return true;
}

}  // namespace

Rational DecimalValue(std::string_view text, const NumberFormat& format) {
  std::size_t pos = 0;
  const auto next = [&](char c) { return pos < text.size() && text[pos] == c; };
  while (next(' ')) ++pos;
  const bool negative = next('-');
  if (negative || next('+')) ++pos;

  // The significant digits as one integer, the decimal point as a scale.
  std::string digits;
  long scale = 0;
  while (pos < text.size() && IsDigit(text[pos])) digits.push_back(text[pos++]);
  if (next(format.decimalSeparator)) {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) {
      digits.push_back(text[pos++]);
      --scale;
    }
  }
  if (digits.empty()) return Rational(0);

  // The exponent as ParseNumber reads it: digits until the value reaches 500.
  if (next('E') || next('e')) {
    ++pos;
    const bool negativeExponent = next('-');
    if (negativeExponent || next('+')) ++pos;
    long x = 0;
    while (x < 500 && pos < text.size() && IsDigit(text[pos])) x = 10 * x + (text[pos++] - '0');
    scale += negativeExponent ? -x : x;
  }

  // Leading zeros make no difference to the integer; mpz reads the rest.
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return Rational(0);
  Rational value;
  if (!SmallDecimalValue(std::string_view(digits).substr(first), scale, value)) {
    mpz_class integer(digits.substr(first), 10);
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(scale < 0 ? -scale : scale));
    if (scale >= 0) {
      value = Rational(integer * power);
    } else {
      value = Rational(integer, power);
      value.canonicalize();
    }
  }
  // In place, and returned as itself: no copy of the value.
  if (negative) mpq_neg(value.get_mpq_t(), value.get_mpq_t());
  return value;
}

}  // namespace pivora
