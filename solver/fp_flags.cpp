#include "solver/fp_flags.h"

#include <cmath>

#include "solver/fp_error.h"

namespace pivora {

FloatingPointScope::FloatingPointScope() {
  std::feholdexcept(&saved_);
  std::fesetround(FE_TONEAREST);
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
