#include "solve/fp_mode.h"

#include <cstdint>

namespace pivora {

ParsingMode::ParsingMode() {
  std::fegetenv(&caller_);
  // The default environment of x86-64: round to nearest, 64-bit precision,
  // all exceptions masked, no flag set.
  std::fesetenv(FE_DFL_ENV);
}

ParsingMode::~ParsingMode() { std::fesetenv(&caller_); }

bool ParsingMode::Faulted(const Extended& result) const {
  Extended settled = result;
  SettleExtended(settled);
  return std::fetestexcept(FE_OVERFLOW | FE_INVALID) != 0;
}

RoundingTowardZero::RoundingTowardZero() : caller_(std::fegetround()) {
  std::fesetround(FE_TOWARDZERO);
}

RoundingTowardZero::~RoundingTowardZero() { std::fesetround(caller_); }

namespace {

std::uint16_t ControlWord() {
  std::uint16_t word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

}  // namespace

int X87PrecisionControl() { return (ControlWord() >> 8) & 3; }

void SetX87PrecisionControl(int control) {
  std::uint16_t word = ControlWord();
  word = static_cast<std::uint16_t>((word & ~0x300u) | ((control & 3u) << 8));
  __asm__ volatile("fldcw %0" : : "m"(word));
}

}  // namespace pivora
