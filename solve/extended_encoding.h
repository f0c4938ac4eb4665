// The 10-byte encoding of an extended value, read without arithmetic so that
// no pattern can raise a floating-point exception.
#pragma once

#include <cstdint>

#include "solver/extended.h"

namespace pivora {

enum class ExtendedKind {
  kZeroOrSubnormal,  // biased exponent 0, pseudo-denormals included
  kNormal,           // biased exponent 1..0x7FFE with the leading bit set
  kInfinity,         // biased exponent 0x7FFF, leading bit set, fraction zero
  kNan,              // biased exponent 0x7FFF, leading bit set, fraction non-zero
  kInvalid,          // leading bit clear above exponent 0: unnormal, pseudo-infinity,
                     // pseudo-NaN; the x87 refuses these as operands
};

struct ExtendedEncoding {
  ExtendedKind kind = ExtendedKind::kZeroOrSubnormal;
  bool negative = false;
  int biasedExponent = 0;
  std::uint64_t significand = 0;  // the leading bit is bit 63
};

ExtendedEncoding EncodingOf(Extended value);

// The value with the given sign, biased exponent (15 bits) and significand.
Extended ExtendedFromBits(bool negative, int biasedExponent, std::uint64_t significand);

}  // namespace pivora
