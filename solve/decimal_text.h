// Cell text to its exact rational value: the number the user typed, with no
// rounding at all.
#pragma once

#include <string_view>

#include "solve/number_format.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

// The exact value of a text that ParseNumber accepted with `format` (blanks,
// a sign, digits with at most one decimal separator, an optional exponent
// read as ParseNumber reads it): every such text is a finite decimal. Texts
// ParseNumber refuses give 0.
Rational DecimalValue(std::string_view text, const NumberFormat& format);

}  // namespace pivora
