// Extended value to report and heading text, by the tool's own method.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "solve/number_format.h"

namespace pivora {

// The decimal form 0.d1d2d3... x 10^exponent, rounded half up to `precision`
// (clamped to 2..18) significant digits on an 18-digit string. Zero and
// subnormals (pseudo-denormals too) have no digits; exponent 0x7FFF marks
// infinity and 0x8000 (as unsigned) NaN, which also stands for the encodings
// the x87 refuses as operands (unnormals, pseudo-infinities, pseudo-NaNs).
// Below 2^-680 the first digit may be '0'. Expects round-to-nearest, as the
// standing mode has; raises no invalid, zero-divide or overflow flag on any
// bit pattern.
struct DecimalForm {
  std::int16_t exponent = 0;
  bool negative = false;
  int count = 0;  // 0..18 digits, no trailing '0'
  char digits[18] = {};
};

DecimalForm DecimalDigits(Extended value, int precision);

// Precision clamped to 2..18; exponent digits outside 0..4 count as 0.
// "0" for zero and subnormals, "INF"/"-INF", "NAN" as DecimalDigits marks them.
std::string FormatGeneral(Extended value, int precision, int exponentDigits,
                          const NumberFormat& format);

// The layout FormatGeneral gives 0.digits x 10^exponent at `precision`
// (clamped to 2..18) significant digits: the scientific form where
// `exponent` > precision or < -3, else the fixed form; at least
// `exponentDigits` (0..4) exponent digits. `digits` has no trailing '0' and
// is empty for zero; its first digit may be '0'.
std::string LayOutDecimal(bool negative, std::string_view digits, long exponent, int precision,
                          int exponentDigits, const NumberFormat& format);

// Precision 15, no exponent padding: plain digits for every whole number of
// at most 15 digits, under every locale.
std::string FormatWhole(Extended value);

// b when b >= a, otherwise a: MaxOf(v, 0) is +0 for every v <= 0. The
// comparison is quiet: a NaN gives a without raising invalid.
Extended MaxOf(Extended a, Extended b);

}  // namespace pivora
