#include "solve/number_format.h"

#include <cmath>
#include <limits>

#include "solve/power_tables.h"
#include "solver/fp_environment.h"

namespace pivora {

NumberFormat SolveNumberFormat() { return NumberFormat{'.'}; }

Extended ScaleByPowerOfTen(Extended x, int n) {
  constexpr int kLimit = 5120;
  if (n == 0) return x;
  // Beyond the tables: a bound, not an arithmetic result, so no flag is raised.
  if (n >= kLimit) return std::copysign(std::numeric_limits<Extended>::infinity(), x);
  if (n <= -kLimit) return 0.0L;

  const int a = n < 0 ? -n : n;
  const Extended low = kTenToThe[a % 32];
  const int middle = (a / 32) % 16;
  const int high = a / 512;
  // Each step is one extended multiplication or division, rounded on its own,
  // smallest factor first.
  if (n > 0) {
    x = x * low;
    if (middle != 0) x = x * kTenToThe32Times[middle];
    if (high != 0) x = x * kTenToThe512Times[high];
  } else {
    x = x / low;
    if (middle != 0) x = x / kTenToThe32Times[middle];
    if (high != 0) x = x / kTenToThe512Times[high];
  }
  return x;
}

}  // namespace pivora
