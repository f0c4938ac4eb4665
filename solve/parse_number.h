// Cell text to extended value, by the tool's own method.
#pragma once

#include <string_view>

#include "solve/number_format.h"

namespace pivora {

// The error sentinel: biased exponent 0x43FE, significand 0xF2168983B9DBB273,
// one unit in the last place below the extended value nearest to 1.7E308.
// It is also the ratio sentinel of the simplex method.
Extended ErrorSentinel();

// The value of `text`, or `defaultValue` when the text is not a number or its
// value overflows. Never raises and never reads outside `text`; runs in its own
// arithmetic mode and restores the caller's.
Extended ParseNumber(std::string_view text, const NumberFormat& format, Extended defaultValue);

}  // namespace pivora
