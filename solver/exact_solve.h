// The exact re-solve: the exchange method with the same choice rules, run on
// exact rationals. Every extended value is a binary fraction, so the rational
// problem is exactly the one in the tableau.
#pragma once

#include "solver/exchange_observer.h"
#include "solver/tables.h"

namespace pivora {

struct ExactSolve {
  long exchanges = 0;   // exchange steps of the exact run, the search included
  bool cycled = false;  // a phase came back to an earlier basis and was
                        // finished by the least-index rule
};

// Same contract as RunSimplex, for a tableau of finite values: the phases
// decide by exact zero tests and exact comparisons, nothing is snapped, a
// ratio of any size limits its column, and the alternative-optima search
// drops a vertex only when it equals solution 1 exactly. The stored values
// are the exact ones rounded to the nearest extended value. Throws
// FloatingPointError("Floating point overflow.") when a stored value lies
// beyond the extended range. Every exchange step is shown to `observer` (may
// be null), which can stop the run: throws SolveCancelled then.
ExactSolve SolveExactly(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                        SolveStatus& status, ExchangeObserver* observer = nullptr);

}  // namespace pivora
