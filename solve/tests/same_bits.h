// Bit-for-bit comparison of extended values for the number text tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "solve/extended_encoding.h"

namespace pivora {

inline std::string BitsText(Extended value) {
  const ExtendedEncoding e = EncodingOf(value);
  char text[48];
  std::snprintf(text, sizeof text, "%c %04X %016llX", e.negative ? '-' : '+', e.biasedExponent,
                static_cast<unsigned long long>(e.significand));
  return text;
}

// Sign, biased exponent and significand all equal (so +0 and -0 differ, and a
// NaN equals the same NaN).
inline ::testing::AssertionResult SameBits(Extended actual, Extended expected) {
  const std::string a = BitsText(actual);
  const std::string b = BitsText(expected);
  if (a == b) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << a << ", expected " << b;
}

}  // namespace pivora
