#include "solver/fp_flags.h"

#include <cmath>

#include "solver/fp_error.h"

namespace pivora {

namespace {

// Bits 8 and 9 of the x87 control word: 0b11 is the 64-bit significand.
constexpr std::uint16_t kPrecisionControlMask = 0x0300;
constexpr std::uint16_t kPrecision64 = 0x0300;

void SetExtendedPrecision() {
  std::uint16_t control = 0;
  asm volatile("fnstcw %0" : "=m"(control));
  if ((control & kPrecisionControlMask) == kPrecision64) return;
  control = static_cast<std::uint16_t>((control & ~kPrecisionControlMask) | kPrecision64);
  asm volatile("fldcw %0" : : "m"(control));
}

}  // namespace

FloatingPointScope::FloatingPointScope() {
  std::feholdexcept(&saved_);
  std::fesetround(FE_TONEAREST);
  SetExtendedPrecision();
}

FloatingPointScope::~FloatingPointScope() { std::fesetenv(&saved_); }

void CheckFloatingPointFlags() {
  asm volatile("" : : : "memory");
  const int raised = std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
  if (raised == 0) return;
  if (raised & FE_OVERFLOW) throw FloatingPointError("Floating point overflow.");
  if (raised & FE_DIVBYZERO) throw FloatingPointError("Floating point division by zero.");
  throw FloatingPointError("Invalid floating point operation.");
}

void ThrowNotFinite(Extended x) {
  if (std::isinf(x)) throw FloatingPointError("Floating point overflow.");
  throw FloatingPointError("Invalid floating point operation.");
}

}  // namespace pivora
