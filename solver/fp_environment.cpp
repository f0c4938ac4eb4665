#include "solver/fp_environment.h"

#include <cmath>

#include "solver/fp_error.h"

namespace pivora {

namespace {

// x87 control word: exception masks (bits 0..5), precision control (8..9,
// 0b11 the 64-bit significand), rounding control (10..11, 0b00 to nearest).
constexpr std::uint16_t kX87Masks = 0x003F;
constexpr std::uint16_t kX87Precision64 = 0x0300;
constexpr std::uint16_t kX87Rounding = 0x0C00;
// x87 status word and MXCSR: the sticky exception flags (bits 0..5), and
// those that CheckFloatingPointFlags tests: invalid, division by zero,
// overflow.
constexpr std::uint32_t kFlags = 0x003F;
constexpr std::uint32_t kTestedFlags = 0x000D;
// MXCSR: exception masks (bits 7..12), rounding control (13..14).
constexpr std::uint32_t kSseMasks = 0x1F80;
constexpr std::uint32_t kSseRounding = 0x6000;

// The x87 environment as fnstenv stores it: control, status and tag words
// first, each in 32 bits.
struct X87Environment {
  std::uint32_t control;
  std::uint32_t status;
  std::uint32_t rest[5];
};

}  // namespace

// The x87 flags can only be set back through a whole stored environment,
// which is slow; they need not be while they hold only flags that no flag
// test looks at (inexact, underflow, denormal) and the solve adds none. The
// SSE flags live in MXCSR and come back with it.
FloatingPointScope::FloatingPointScope() {
  asm volatile("fnstcw %0" : "=m"(control_) : : "memory");
  asm volatile("fnstsw %0" : "=m"(status_) : : "memory");
  asm volatile("stmxcsr %0" : "=m"(mxcsr_) : : "memory");
  whole_ = (status_ & kTestedFlags) != 0;
  if (whole_) {
    std::fegetenv(&saved_);
    asm volatile("fnclex" : : : "memory");
  }
  const auto control =
      static_cast<std::uint16_t>(((control_ | kX87Masks) & ~kX87Rounding) | kX87Precision64);
  const std::uint32_t mxcsr = ((mxcsr_ | kSseMasks) & ~kSseRounding) & ~kFlags;
  asm volatile("fldcw %0" : : "m"(control) : "memory");
  asm volatile("ldmxcsr %0" : : "m"(mxcsr) : "memory");
}

FloatingPointScope::~FloatingPointScope() {
  if (whole_) {
    std::fesetenv(&saved_);
    return;
  }
  std::uint16_t status = 0;
  asm volatile("fnstsw %0" : "=m"(status) : : "memory");
  if ((status & kFlags) != (status_ & kFlags)) {
    X87Environment environment;
    asm volatile("fnstenv %0" : "=m"(environment) : : "memory");
    environment.status = (environment.status & ~kFlags) | (status_ & kFlags);
    asm volatile("fldenv %0" : : "m"(environment) : "memory");
  }
  asm volatile("fldcw %0" : : "m"(control_) : "memory");
  asm volatile("ldmxcsr %0" : : "m"(mxcsr_) : "memory");
}

void CheckFloatingPointFlags() {
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

ParsingMode::ParsingMode() {
  std::fegetenv(&caller_);
  // The default environment of x86-64: round to nearest, 64-bit precision,
  // all exceptions masked, no flag set.
  std::fesetenv(FE_DFL_ENV);
}

ParsingMode::~ParsingMode() { std::fesetenv(&caller_); }

bool ParsingMode::Faulted(const Extended& result) const {
  ExposeToFlagTest(result);
  return std::fetestexcept(FE_OVERFLOW | FE_INVALID) != 0;
}

int X87PrecisionControl() {
  std::uint16_t word = 0;
  asm volatile("fnstcw %0" : "=m"(word) : : "memory");
  return (word >> 8) & 3;
}

void SetX87PrecisionControl(int control) {
  std::uint16_t word = 0;
  asm volatile("fnstcw %0" : "=m"(word) : : "memory");
  word = static_cast<std::uint16_t>((word & ~kX87Precision64) | ((control & 3u) << 8));
  asm volatile("fldcw %0" : : "m"(word) : "memory");
}

}  // namespace pivora
