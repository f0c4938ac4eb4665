#include "solve/format_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "solve/extended_encoding.h"

namespace pivora {

namespace {

constexpr std::int16_t kInfinityExponent = 0x7FFF;
constexpr std::int16_t kNanExponent = static_cast<std::int16_t>(0x8000);
constexpr std::uint64_t kTenToThe17 = 100'000'000'000'000'000ULL;
constexpr std::uint64_t kTenToThe18 = 10 * kTenToThe17;

int ClampPrecision(int precision) { return std::clamp(precision, 2, 18); }

// floor(b' * 19728 / 65536) + 1 for the unbiased binary exponent b': one more
// than log10(2) * b' rounded down, with 19728 / 65536 slightly below log10(2).
int EstimateDecimalExponent(int biasedExponent) {
  return (((biasedExponent - 16383) * 19728) >> 16) + 1;
}

// y rounded to an integer, ties to even, in the standing rounding.
Extended RoundToInteger(Extended y) { return std::nearbyint(y); }

// Rounds the 18-digit string half up (on the magnitude) to `precision` digits,
// keeping at most 18; a carry past the first digit leaves "1" and raises the
// exponent. Returns the digits kept, trailing zeros included.
int RoundDigits(char (&digits)[18], int precision, std::int16_t& exponent) {
  if (precision >= 18 || digits[precision] < '5') return precision;
  int last = precision - 1;
  while (last >= 0 && digits[last] == '9') --last;
  if (last < 0) {
    digits[0] = '1';
    ++exponent;
    return 1;
  }
  ++digits[last];
  return last + 1;
}

// Exponents of four digits and more are written in full.
void AppendExponent(std::string& text, long exponent, int exponentDigits) {
  text += 'E';
  if (exponent < 0) text += '-';
  char buffer[24];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(exponent));
  const int length = static_cast<int>(end - buffer);
  if (length < exponentDigits) text.append(static_cast<std::size_t>(exponentDigits - length), '0');
  text.append(buffer, end);
}

}  // namespace

DecimalForm DecimalDigits(Extended value, int precision) {
  DecimalForm form;
  const ExtendedEncoding encoding = EncodingOf(value);
  switch (encoding.kind) {
    case ExtendedKind::kZeroOrSubnormal:
      return form;
    case ExtendedKind::kInfinity:
      form.exponent = kInfinityExponent;
      form.negative = encoding.negative;
      return form;
    case ExtendedKind::kNan:
    case ExtendedKind::kInvalid:
      form.exponent = kNanExponent;
      return form;
    case ExtendedKind::kNormal:
      break;
  }

  int exponent = EstimateDecimalExponent(encoding.biasedExponent);
  Extended y = ScaleByPowerOfTen(std::fabs(value), 18 - exponent);
  y = RoundToInteger(y);
  if (y >= 1e18L) {
    y = y / 10;
    ++exponent;
  }
  y = RoundToInteger(y);
  std::uint64_t whole = static_cast<std::uint64_t>(y);
  if (whole >= kTenToThe18) {
    // 10^18 exactly would take 19 digits; it could only come from a y rounded
    // up to 10^19 and divided by ten. No value next to a power of ten reaches
    // it (checked over the whole range); should one, 0.1 x 10^(exponent + 1)
    // is the same value in 18 digits.
    whole = kTenToThe17;
    ++exponent;
  }

  for (int i = 17; i >= 0; --i) {
    form.digits[i] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  }
  form.exponent = static_cast<std::int16_t>(exponent);
  int count = RoundDigits(form.digits, ClampPrecision(precision), form.exponent);
  while (count > 0 && form.digits[count - 1] == '0') --count;
  std::fill(form.digits + count, form.digits + 18, '\0');
  form.count = count;
  form.negative = encoding.negative;
  return form;
}

std::string LayOutDecimal(bool negative, std::string_view digits, long exponent, int precision,
                          int exponentDigits, const NumberFormat& format) {
  precision = ClampPrecision(precision);
  if (exponentDigits < 0 || exponentDigits > 4) exponentDigits = 0;
  std::string text;
  text.reserve(32);
  if (negative) text += '-';
  const long e = exponent;
  if (e > precision || e < -3) {
    text += digits.front();
    if (digits.size() > 1) {
      text += format.decimalSeparator;
      text += digits.substr(1);
    }
    AppendExponent(text, e - 1, exponentDigits);
  } else if (e <= 0) {
    text += '0';
    if (!digits.empty()) {
      text += format.decimalSeparator;
      text.append(static_cast<std::size_t>(-e), '0');
      text += digits;
    }
  } else {
    const std::size_t whole = static_cast<std::size_t>(e);
    text += digits.substr(0, whole);
    if (digits.size() < whole) text.append(whole - digits.size(), '0');
    if (digits.size() > whole) {
      text += format.decimalSeparator;
      text += digits.substr(whole);
    }
  }
  return text;
}

std::string FormatGeneral(Extended value, int precision, int exponentDigits,
                          const NumberFormat& format) {
  precision = ClampPrecision(precision);
  if (exponentDigits < 0 || exponentDigits > 4) exponentDigits = 0;
  const DecimalForm form = DecimalDigits(value, precision);
  if (form.exponent == kInfinityExponent) return form.negative ? "-INF" : "INF";
  if (form.exponent == kNanExponent) return "NAN";
  return LayOutDecimal(form.negative,
                       std::string_view(form.digits, static_cast<std::size_t>(form.count)),
                       form.exponent, precision, exponentDigits, format);
}

std::string FormatWhole(Extended value) {
  // A whole number of at most 15 digits comes out of FormatGeneral as its
  // plain digits, so it is written directly: the headings of a 50 x 50
  // problem call this thousands of times. Only a normal value is compared:
  // the x87 unit raises the invalid flag on the encodings it does not
  // support.
  if (EncodingOf(value).kind == ExtendedKind::kNormal && std::fabs(value) < 1e15L &&
      std::trunc(value) == value) {
    char buffer[24];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
    return std::string(buffer, end);
  }
  // The whole numbers it is given have no fraction digits, so the separator
  // never shows; "." keeps the text free of the locale all the same.
  return FormatGeneral(value, 15, 0, SolveNumberFormat());
}

Extended MaxOf(Extended a, Extended b) {
  // A quiet comparison: a NaN operand gives a, without raising invalid.
  return std::isgreaterequal(b, a) ? b : a;
}

}  // namespace pivora
