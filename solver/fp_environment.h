// The floating-point environment, in one place for the solver and the number
// text: the scope of a solve, the mode of parsing, the x87
// precision control, and the one compiler barrier that keeps arithmetic on
// its side of a flag test or a change of mode. Faults are found by testing
// the sticky flags, never by hardware traps, and turn into one C++
// exception type.
#pragma once

#include <cfenv>
#include <cstdint>
#include <cstring>

#include "solver/extended.h"

namespace pivora {

// Holds the floating-point environment for one solve: saves the caller's,
// clears every sticky flag (so earlier work cannot leak in), masks all
// exceptions, rounds to nearest and sets the x87 unit to 64-bit precision;
// restores the caller's on destruction. The environment belongs to a thread,
// so a solve on any thread computes the same bits under it.
class FloatingPointScope {
 public:
  FloatingPointScope();
  ~FloatingPointScope();
  FloatingPointScope(const FloatingPointScope&) = delete;
  FloatingPointScope& operator=(const FloatingPointScope&) = delete;

 private:
  // Where the caller's x87 unit had no tested flag raised (the usual case),
  // its control words and flags are restored one by one: cheaper than the
  // whole environment.
  std::uint16_t control_ = 0;  // the caller's x87 control word
  std::uint16_t status_ = 0;   // the caller's x87 status word
  std::uint32_t mxcsr_ = 0;    // the caller's SSE control and status register
  bool whole_ = false;         // the caller had tested flags raised: restore saved_
  std::fenv_t saved_;
};

// Makes `value` count as read and written by an unknown party here:
// everything that computes it (and, for a table, every store into it) is
// done before this point, and whatever reads it afterwards reads it anew. So
// a flag test that follows sees those operations, and no computation of or
// with `value` moves across a change of rounding or precision.
template <class T>
inline void ExposeToFlagTest(const T& value) {
  asm volatile("" : : "r"(&value) : "memory");
}

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

// The precision-control field of the x87 control word: 3 rounds every result
// to a 64-bit significand, the only setting under which the results come out
// as intended (2 is 53 bits, 0 is 24 bits).
int X87PrecisionControl();

// Sets the field (0, 2 or 3); for tests that prove the modes restore it.
void SetX87PrecisionControl(int control);

// Throws FloatingPointError if an overflow, a division by zero or an invalid
// operation has happened since the scope began. An overflow is reported
// first: with finite inputs an invalid operation can only follow the
// infinity of an overflow, and the overflow is the cause the user can act on.
void CheckFloatingPointFlags();

// Throws FloatingPointError for an infinity ("Floating point overflow.") or
// a NaN ("Invalid floating point operation.").
[[noreturn]] void ThrowNotFinite(Extended x);

// Throws as ThrowNotFinite unless `x` is finite. Reads only the exponent
// bits (all ones for an infinity or a NaN): no arithmetic, no flag.
inline void RequireFinite(const Extended& x) {
  static_assert(sizeof(Extended) >= 10);
  std::uint16_t signAndExponent = 0;
  std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8,
              sizeof signAndExponent);
  if ((signAndExponent & 0x7FFFu) == 0x7FFFu) [[unlikely]]
    ThrowNotFinite(x);
}

}  // namespace pivora
