// Number settings and the power-of-ten scaling shared by parsing and formatting.
#pragma once

#include "solver/extended.h"

namespace pivora {

// The settings passed to ParseNumber and FormatGeneral: only the decimal
// separator is ever read.
struct NumberFormat {
  char decimalSeparator = '.';
};

// The Solve command's settings: the decimal separator ".", whatever the
// locale says, so the number text the tool reads and shows is the same
// everywhere.
NumberFormat SolveNumberFormat();

// x * 10^n by the three power-of-ten tables, at most three roundings; not
// always the extended value nearest to x * 10^n. n >= 5120 gives infinity with
// the sign of x, n <= -5120 gives +0; neither bound raises a flag.
Extended ScaleByPowerOfTen(Extended x, int n);

}  // namespace pivora
