#include "files/exact_decimal.h"

#include <charconv>
#include <cstdlib>
#include <utility>

namespace pivora {
namespace {

// 10^places (places >= 0): the factor that takes a significand to an
// exponent `places` lower with the same value.
mpz_class AlignmentFactor(long places) {
  mpz_class factor;
  mpz_ui_pow_ui(factor.get_mpz_t(), 10, static_cast<unsigned long>(places));
  return factor;
}

}  // namespace

ExactDecimal::ExactDecimal(mpz_class significand, long exponent)
    : significand_(std::move(significand)), exponent_(exponent) {}

template <class Float>
ExactDecimal ExactDecimal::Shortest(Float value) {
  if (value == 0) return {};
  // Scientific form always: "d.ddde±x", at most 17 digits for a double and
  // 21 for an extended value.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string text(buffer, result.ptr);
  const std::size_t e = text.find('e');
  std::string digits;
  long fraction = 0;
  bool afterPoint = false;
  for (std::size_t k = 0; k < e; ++k) {
    const char c = text[k];
    if (c == '.') {
      afterPoint = true;
    } else {
      digits.push_back(c);
      if (afterPoint) ++fraction;
    }
  }
  return ExactDecimal(mpz_class(digits, 10),
                      std::strtol(text.c_str() + e + 1, nullptr, 10) - fraction);
}

ExactDecimal ExactDecimal::FromDouble(double value) { return Shortest(value); }

ExactDecimal ExactDecimal::FromExtended(long double value) { return Shortest(value); }

ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b) {
  if (a.exponent_ == b.exponent_) return ExactDecimal(a.significand_ + b.significand_, a.exponent_);
  const ExactDecimal& low = a.exponent_ < b.exponent_ ? a : b;
  const ExactDecimal& high = a.exponent_ < b.exponent_ ? b : a;
  return ExactDecimal(
      low.significand_ + high.significand_ * AlignmentFactor(high.exponent_ - low.exponent_),
      low.exponent_);
}

ExactDecimal operator-(const ExactDecimal& a) { return ExactDecimal(-a.significand_, a.exponent_); }

ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b) { return a + -b; }

ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b) {
  return ExactDecimal(a.significand_ * b.significand_, a.exponent_ + b.exponent_);
}

std::string ExactDecimal::Text() const {
  if (Sign() == 0) return "0";
  // The digits without trailing zeros: value = digits * 10^exponent.
  std::string digits = mpz_class(abs(significand_)).get_str();
  long exponent = exponent_;
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  const long count = static_cast<long>(digits.size());

  // Positional: digits with the point inside, zeros padded on either side.
  std::string positional;
  if (exponent >= 0) {
    positional = digits + std::string(static_cast<std::size_t>(exponent), '0');
  } else if (-exponent < count) {
    positional = digits;
    positional.insert(static_cast<std::size_t>(count + exponent), 1, '.');
  } else {
    positional.assign("0.").append(static_cast<std::size_t>(-exponent - count), '0').append(digits);
  }

  // With an exponent: one digit before the point, at least two after the 'e'.
  const long power = exponent + count - 1;
  std::string scientific = digits.substr(0, 1);
  if (count > 1) scientific.append(".").append(digits, 1);
  const std::string magnitude = std::to_string(std::labs(power));
  scientific.append(power < 0 ? "e-" : "e+")
      .append(magnitude.size() < 2 ? "0" : "")
      .append(magnitude);

  std::string text = Sign() < 0 ? "-" : "";
  text += scientific.size() < positional.size() ? scientific : positional;
  return text;
}

}  // namespace pivora
