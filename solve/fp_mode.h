// The arithmetic modes of number text: the parsing mode, the truncating
// conversion's rounding, and the x87 precision control they rely on.
#pragma once

#include <cfenv>

#include "solver/extended.h"

namespace pivora {

// The parsing mode, for the guard's lifetime: round to nearest, 64-bit
// precision, every exception masked (nothing traps) and every flag cleared. The
// destructor brings back the caller's whole environment, rounding, precision,
// masks and sticky flags alike, so nothing raised under the guard reaches the
// caller.
class ParsingMode {
 public:
  ParsingMode();
  ~ParsingMode();
  ParsingMode(const ParsingMode&) = delete;
  ParsingMode& operator=(const ParsingMode&) = delete;

  // Whether an overflow or an invalid operation happened under the guard up to
  // and including the computation of `result`.
  bool Faulted(const Extended& result) const;

 private:
  std::fenv_t caller_;
};

// Rounding toward zero for the guard's lifetime; the caller's rounding after.
class RoundingTowardZero {
 public:
  RoundingTowardZero();
  ~RoundingTowardZero();
  RoundingTowardZero(const RoundingTowardZero&) = delete;
  RoundingTowardZero& operator=(const RoundingTowardZero&) = delete;

 private:
  int caller_;
};

// The precision-control field of the x87 control word: 3 rounds every result
// to a 64-bit significand, the only setting under which the number text comes
// out as intended (2 is 53 bits, 0 is 24 bits).
int X87PrecisionControl();

// Sets the field (0, 2 or 3); for tests that prove the modes restore it.
void SetX87PrecisionControl(int control);

// Keeps the compiler from moving the computation of `value` past this point,
// for example below a test of the exception flags or a change of rounding.
inline void SettleExtended(Extended& value) { __asm__ volatile("" : "+m"(value) : : "memory"); }

}  // namespace pivora
