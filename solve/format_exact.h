// Exact value to report text: the report's own layout, with every digit
// rounded once, from the rational itself.
#pragma once

#include <string>

#include "solve/number_format.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

// The text FormatGeneral lays out for `value` correctly rounded to
// `precision` (clamped to 2..18) significant digits: half up on the
// magnitude, so a true tie rounds away from zero and anything below it
// rounds down, however close. The decimal exponent is placed as
// FormatGeneral places it for the extended value nearest to `value`, so
// wherever FormatGeneral's digits are the correctly rounded ones the two
// texts are the same, down to the leading "0" it keeps below 2^-680. Values
// beyond the extended range on either side are written as what they are:
// only 0 gives "0".
std::string FormatExact(const Rational& value, int precision, int exponentDigits,
                        const NumberFormat& format);

// The same for num / den, den > 0, in any terms: the digits come from one
// division whose quotient has only the digits shown, so a numerator and
// denominator of a million bits cost a pass over each and no reduction.
std::string FormatExact(const mpz_class& num, const mpz_class& den, int precision,
                        int exponentDigits, const NumberFormat& format);

}  // namespace pivora
