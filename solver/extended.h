// The extended value: the x87 80-bit format in which every number of a problem
// and its solution is held and computed.
#pragma once

#include <limits>

namespace pivora {

// 1 sign bit, 15-bit exponent biased by 16383, 64-bit significand with its
// leading bit stored. Every operation rounds to nearest, ties to even, at 64
// significant bits. On x86-64 with g++ long double is exactly this format.
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must have a 64-bit significand (x87 double-extended)");
static_assert(std::numeric_limits<Extended>::max_exponent == 16384,
              "Extended must have a 15-bit exponent (x87 double-extended)");
static_assert(std::numeric_limits<Extended>::min_exponent == -16381,
              "Extended must have a 15-bit exponent (x87 double-extended)");
static_assert(std::numeric_limits<Extended>::has_denorm == std::denorm_present,
              "Extended must underflow gradually");

}  // namespace pivora
