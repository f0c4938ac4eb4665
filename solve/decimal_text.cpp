#include "solve/decimal_text.h"

#include <cstddef>
#include <string>

namespace pivora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
  mpz_class integer(digits.substr(first), 10);
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(scale < 0 ? -scale : scale));
  Rational value;
  if (scale >= 0) {
    value = Rational(integer * power);
  } else {
    value = Rational(integer, power);
    value.canonicalize();
  }
  return negative ? Rational(-value) : value;
}

}  // namespace pivora
