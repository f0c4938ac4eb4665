// The solve the command runs: the extended-precision exchange method, its result
// checked against the problem, and an exact re-solve where the check fails.
#pragma once

#include "solver/certify.h"
#include "solver/exchange_observer.h"
#include "solver/tables.h"

namespace pivora {

struct CheckedSolve {
  bool exact = false;   // the result comes from the exact rational re-solve
  bool cycled = false;  // the extended run returned to an earlier basis
  long exchanges = 0;   // exchange steps of the extended run
  // The check of the extended run's result; where it failed or the run
  // cycled, the reported result is the exact re-solve's.
  Certification certification = Certification::kCertified;
};

// Same contract as RunSimplex; throws FloatingPointError as RunSimplex does.
// Where the extended result is certified and the run did not cycle, the
// result is exactly RunSimplex's, bit for bit. Otherwise the problem is
// solved again in exact rationals (SolveExactly) and that result stands,
// with what the extended run wrote into the SolutionTable put back first.
// Both runs show every exchange step to `observer` (may be null), which can
// stop the solve: throws SolveCancelled then.
CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          SolveStatus& status, ExchangeObserver* observer = nullptr);

}  // namespace pivora
