// Floating-point faults of a solve: the sticky flags are tested, never the
// hardware traps, so the faults turn into one C++ exception type.
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

// Makes `value` count as read by an unknown party here: everything that
// computes it (and, for a table, every store into it) is done before this
// point, so a flag test that follows sees those operations.
template <class T>
inline void ExposeToFlagTest(const T& value) {
  asm volatile("" : : "r"(&value) : "memory");
}

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
